#pragma once
// The calendar controls: a common base holding one date as a Julian day
// number, the day rules and seven fonts, and three views drawing into an
// off-screen image (the month grid, the week strip and the tear-off day page).
#include <QImage>
#include <QRect>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "calendar/DayRules.h"
#include "platform/Colors.h"
#include "platform/Font.h"
#include "platform/StringList.h"

// Weekday of a view's first column or row; Sunday = 0 (the day numbers of the
// engine count 1 = Sunday, one more).
enum TDayOfWeek : uint8_t { dowSun, dowMon, dowTue, dowWed, dowThu, dowFri, dowSat };

// Event handlers. Sender is the control that fires the event.
using TNotifyEvent = std::function<void(QObject* Sender)>;
using TDayChangeEvent = std::function<void(QObject* Sender, int32_t Y, uint8_t M, uint8_t D)>;
// Key is a Qt::Key value; a handler may set it to 0 to cancel the key.
using TKeyEvent = std::function<void(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift)>;
// Key is the typed character (ASCII and control characters, Escape = 27).
using TKeyPressEvent = std::function<void(QObject* Sender, char& Key)>;
// X and Y are client coordinates.
using TMouseEvent =
    std::function<void(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)>;

class TCustomCalendarEx;

// Index of a font in TCalExFonts.
enum TCalExFontIndex : int {
    cfWeekday, cfSaturday, cfSunday, cfDayOfWeek, cfHoliday, cfSpecialDay, cfRokuyo, cfCount
};

// The seven fonts of a calendar. Any change of one of them redraws the owner.
class TCalExFonts {
public:
    explicit TCalExFonts(TCustomCalendarEx* Owner);
    TCalExFonts(const TCalExFonts&) = delete;
    TCalExFonts& operator=(const TCalExFonts&) = delete;

    TCustomCalendarEx* Owner() const { return FOwner; }

    TFont& Font(int Index) { return FFonts.at(Index); }
    const TFont& Font(int Index) const { return FFonts.at(Index); }
    // Assigning a font copies it into the named font, or into all seven while
    // Synchronize is on; the owner redraws once.
    void SetFont(int Index, const TFont& Value);

    TFont& Weekday() { return FFonts[cfWeekday]; }          // an ordinary day
    TFont& Saturday() { return FFonts[cfSaturday]; }
    TFont& Sunday() { return FFonts[cfSunday]; }
    TFont& DayOfWeek() { return FFonts[cfDayOfWeek]; }      // weekday headers
    TFont& Holiday() { return FFonts[cfHoliday]; }          // holidays and substitutes
    TFont& SpecialDay() { return FFonts[cfSpecialDay]; }    // schedule entries
    TFont& Rokuyo() { return FFonts[cfRokuyo]; }
    void SetWeekday(const TFont& Value) { SetFont(cfWeekday, Value); }
    void SetSaturday(const TFont& Value) { SetFont(cfSaturday, Value); }
    void SetSunday(const TFont& Value) { SetFont(cfSunday, Value); }
    void SetDayOfWeek(const TFont& Value) { SetFont(cfDayOfWeek, Value); }
    void SetHoliday(const TFont& Value) { SetFont(cfHoliday, Value); }
    void SetSpecialDay(const TFont& Value) { SetFont(cfSpecialDay, Value); }
    void SetRokuyo(const TFont& Value) { SetFont(cfRokuyo, Value); }

    bool Synchronize() const { return FSynchronize; }
    void SetSynchronize(bool Value) { FSynchronize = Value; }

    // Copies all seven fonts; the owner redraws once.
    void Assign(const TCalExFonts& Source);

private:
    void FontChanged();

    TCustomCalendarEx* FOwner;
    std::array<TFont, cfCount> FFonts;
    bool FSynchronize = false;
    int FBatch = 0;         // inside a multi-font change: notify once at its end
    bool FPending = false;
};

// The common base of the calendar views. Every change of the date, a colour,
// a flag, a font, a rule list or the size redraws Buffer at once; painting
// only copies Buffer.
class TCustomCalendarEx : public QWidget, public TDayClassifier {
    Q_OBJECT
public:
    explicit TCustomCalendarEx(QWidget* parent = nullptr);
    ~TCustomCalendarEx() override;

    TCalExFonts& Fonts() { return FFonts; }
    const TCalExFonts& Fonts() const { return FFonts; }

    int32_t JuliusDay() const { return FJuliusDay; }
    // Equal value: nothing. Otherwise store, redraw, repaint, then DayChange.
    void SetJuliusDay(int32_t Value);
    int32_t Year() const;
    uint8_t Month() const;
    uint8_t Day() const;
    // Replace one part of the date; an impossible date is ignored silently.
    void SetYear(int32_t Value);
    void SetMonth(uint8_t Value);
    void SetDay(uint8_t Value);

    // The rule lines. Any change of a list re-parses the rules and redraws.
    TStringList& HolidayList() { return FHolidayList; }
    TStringList& SpecialDayList() { return FSpecialDayList; }
    const TStringList& HolidayList() const { return FHolidayList; }
    const TStringList& SpecialDayList() const { return FSpecialDayList; }
    void SetHolidayList(const TStringList& Value);
    void SetSpecialDayList(const TStringList& Value);

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool AutoEquinox() const { return FAutoEquinox; }
    void SetAutoEquinox(bool Value);
    bool AutoFurikae() const { return FAutoFurikae; }
    void SetAutoFurikae(bool Value);

    // The sunken two-pixel edge around the client area (on by default).
    bool ClientEdge() const { return FClientEdge; }
    void SetClientEdge(bool Value);
    // The client area in widget coordinates; Buffer has its size.
    QRect ClientRect() const;
    int ClientWidth() const { return ClientRect().width(); }
    int ClientHeight() const { return ClientRect().height(); }

    // The drawn face; null while the client area is empty.
    const QImage& Buffer() const { return FBuffer; }

    // Navigation. SetDate does no validity test: months and days roll over.
    void SetDate(int32_t Y, uint8_t M, uint8_t D);
    void Today();
    void NextDay();
    void PrevDay();
    void NextWeek();
    void PrevWeek();
    // Keep the day of the month, clamped to the target month's length.
    void NextMonth();
    void PrevMonth();

    // Redraws the whole Buffer. The base sizes Buffer to the client area and
    // fills it with Color; views call it first, then draw while HasBuffer().
    virtual void UpdateBuffer();
    // Fires OnDayChange.
    virtual void DayChange(int32_t Y, uint8_t M, uint8_t D);
    // Re-parses HolidayList and SpecialDayList into the rule lists.
    virtual void UpdateDayLists();
    // The font for a date by its kinds: Weekday, then Saturday or Sunday, then
    // Holiday, then SpecialDay; the last that applies wins.
    virtual TFont& GetDayFont(int32_t Y, uint8_t M, uint8_t D);
    // GetDayKinds and GetDayNames come from TDayClassifier.

    // Abbreviated weekday name, 0 = Sunday: 日 月 火 水 木 金 土.
    static QString ShortDayName(int Index);

    TDayChangeEvent OnDayChange;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;

protected:
    bool HasBuffer() const { return !FBuffer.isNull(); }
    // UpdateBuffer and repaint.
    void Redraw();

    // A mouse button went down at client X, Y; fires OnMouseDown.
    virtual void MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    // Fires OnKeyDown.
    virtual void KeyDown(int& Key, Qt::KeyboardModifiers Shift);
    // Fires OnKeyPress.
    virtual void KeyPress(char& Key);
    virtual void Click();
    virtual void DblClick();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    QImage FBuffer;
    TColor FColor = clWindow;

private:
    friend class TCalExFonts;
    void ListChanged();

    TCalExFonts FFonts;
    int32_t FJuliusDay;
    TStringList FHolidayList;
    TStringList FSpecialDayList;
    bool FClientEdge = true;
    bool FClicking = false;  // a left press inside, waiting for its release
};

// Which cell of the month grid: column 0..6, row 0 = the weekday header.
struct TGridCell {
    int Col = 0;
    int Row = 0;
    bool operator==(const TGridCell&) const = default;
};

// The month grid: a header row of weekday names above the week rows of the
// selected date's month, with an optional rokuyo strip under each day.
class TMonthlyCalendar : public TCustomCalendarEx {
    Q_OBJECT
public:
    explicit TMonthlyCalendar(QWidget* parent = nullptr);

    TDayOfWeek FirstDayOfWeek() const { return FFirstDayOfWeek; }
    void SetFirstDayOfWeek(TDayOfWeek Value);
    // Draw the previous and next month's days in the leading and trailing cells.
    bool ShowNeighbor() const { return FShowNeighbor; }
    void SetShowNeighbor(bool Value);
    // OR-ed channel by channel into the neighbour days' colours.
    TColor NeighborColor() const { return FNeighborColor; }
    void SetNeighborColor(TColor Value);
    // A click on a neighbour month's day selects it. Never redraws.
    bool NeighborJump() const { return FNeighborJump; }
    void SetNeighborJump(bool Value) { FNeighborJump = Value; }
    // The number of week rows follows the month (else always six).
    bool AutoResize() const { return FAutoResize; }
    void SetAutoResize(bool Value);
    // The first week row may begin with the 1st / the last may end with the last day.
    bool FirstRowFirstDay() const { return FFirstRowFirstDay; }
    void SetFirstRowFirstDay(bool Value);
    bool LastRowLastDay() const { return FLastRowLastDay; }
    void SetLastRowLastDay(bool Value);
    TColor DayOfWeekBkColor() const { return FDayOfWeekBkColor; }
    void SetDayOfWeekBkColor(TColor Value);
    bool ShowRokuyo() const { return FShowRokuyo; }
    void SetShowRokuyo(bool Value);

    // Rows including the header: 7 without AutoResize, else 5..7.
    virtual int RowCount() const;
    // Julian day of row 1, column 0.
    virtual int32_t FirstCellDay() const;
    // The cell under client point X, Y (clamped into the grid).
    virtual TGridCell CellAt(int X, int Y) const;
    // Draws one cell into Buffer.
    virtual void DrawCell(int ACol, int ARow, const QRect& Rect);
    void UpdateBuffer() override;

    // The Julian day shown in a day cell (ARow >= 1).
    int32_t CellDay(int ACol, int ARow) const { return FirstCellDay() + (ARow - 1) * 7 + ACol; }
    // A cell's rectangle in client coordinates, at the current size and RowCount.
    QRect CellRect(int ACol, int ARow) const;

    // The grid arithmetic for a client area of W x H with Rows rows.
    static QRect CellRectFor(int W, int H, int Rows, int ACol, int ARow);
    static TGridCell CellAtFor(int W, int H, int Rows, int X, int Y);

protected:
    void MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;
    void KeyDown(int& Key, Qt::KeyboardModifiers Shift) override;

private:
    void DrawHeaderCell(int ACol, const QRect& Rect);
    void DrawDayCell(int ACol, int ARow, const QRect& Rect);
    void SetAndRedraw(bool& Field, bool Value);
    void SetAndRedraw(TColor& Field, TColor Value);

    TDayOfWeek FFirstDayOfWeek = dowSun;
    bool FShowNeighbor = false;
    TColor FNeighborColor = clSilver;
    bool FNeighborJump = false;
    bool FAutoResize = true;
    bool FFirstRowFirstDay = false;
    bool FLastRowLastDay = false;
    TColor FDayOfWeekBkColor = clNavy;
    bool FShowRokuyo = false;
};

// The week strip: seven rows, top to bottom, for the week holding the
// selected date, each reading month/day(weekday) and the day's names.
class TWeeklyCalendar : public TCustomCalendarEx {
    Q_OBJECT
public:
    explicit TWeeklyCalendar(QWidget* parent = nullptr);

    TDayOfWeek FirstDayOfWeek() const { return FFirstDayOfWeek; }
    void SetFirstDayOfWeek(TDayOfWeek Value);
    // The lines between rows.
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);

    // Julian day of the top row.
    virtual int32_t FirstStripDay() const;
    // Draws row Index (0..6) into Buffer.
    virtual void DrawCell(int Index, const QRect& Rect);
    void UpdateBuffer() override;

    // Row Index's rectangle in client coordinates, at the current size.
    QRect RowRect(int Index) const;
    // The strip arithmetic for a client area of W x H.
    static QRect RowRectFor(int W, int H, int Index);
    static int RowAtFor(int H, int Y);

protected:
    void MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;
    void KeyDown(int& Key, Qt::KeyboardModifiers Shift) override;

private:
    TDayOfWeek FFirstDayOfWeek = dowSun;
    TColor FBorderColor = clInfoText;
};

// Where the day page puts its three texts, and their font heights (positive:
// cell heights), for a client area of W x H.
struct TDailyLayout {
    QRect TopLine;
    QRect Figure;
    QRect BottomLine;
    int LineHeight = 0;
    int FigureHeight = 0;
};

// The tear-off day page: the full date and weekday on top, the day of the
// month in large figures, the day's names at the bottom.
class TDailyCalendar : public TCustomCalendarEx {
    Q_OBJECT
public:
    explicit TDailyCalendar(QWidget* parent = nullptr);

    void UpdateBuffer() override;
    static TDailyLayout LayoutFor(int W, int H);

protected:
    void KeyDown(int& Key, Qt::KeyboardModifiers Shift) override;
};
