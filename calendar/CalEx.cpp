#include "calendar/CalEx.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>
#include <qdrawutil.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "calendar/Julius.h"
#include "platform/DateTime.h"
#include "platform/SjisQt.h"

namespace {

// Width of the sunken edge around the client area.
constexpr int EdgeWidth = 2;

constexpr int TextCentred = Qt::AlignCenter | Qt::TextSingleLine;

QColor ToQColor(TColor color) { return ColorToQColor(color); }

}  // namespace

// ---------------------------------------------------------------------------
// TCalExFonts

TCalExFonts::TCalExFonts(TCustomCalendarEx* Owner) : FOwner(Owner) {
    static constexpr TColor defaults[cfCount] = {clBlack, clBlue, clRed, clWhite, clRed, clGreen, clBlack};
    for (int i = 0; i < cfCount; ++i) {
        FFonts[i].SetColor(clBlack);
        FFonts[i].SetColor(defaults[i]);
    }
    FFonts[cfRokuyo].SetSize(10);
    for (auto& font : FFonts)
        font.OnChange = [this] { FontChanged(); };
}

void TCalExFonts::FontChanged() {
    if (FBatch > 0) {
        FPending = true;
        return;
    }
    FOwner->Redraw();
}

void TCalExFonts::SetFont(int Index, const TFont& Value) {
    if (!FSynchronize) {
        FFonts.at(Index).Assign(Value);
        return;
    }
    const TFont copy = Value;  // Value may be one of our own fonts
    ++FBatch;
    for (auto& font : FFonts)
        font.Assign(copy);
    --FBatch;
    if (FPending) {
        FPending = false;
        FontChanged();
    }
}

void TCalExFonts::Assign(const TCalExFonts& Source) {
    if (&Source == this)
        return;
    ++FBatch;
    for (int i = 0; i < cfCount; ++i)
        FFonts[i].Assign(Source.FFonts[i]);
    --FBatch;
    if (FPending) {
        FPending = false;
        FontChanged();
    }
}

// ---------------------------------------------------------------------------
// TCustomCalendarEx

TCustomCalendarEx::TCustomCalendarEx(QWidget* parent)
    : QWidget(parent), FFonts(this), FJuliusDay(DateTimeToJulius(Date())) {
    FHolidayList.OnChange = [this] { ListChanged(); };
    FSpecialDayList.OnChange = [this] { ListChanged(); };
    setFocusPolicy(Qt::StrongFocus);
    // The buffer covers the whole client area: nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TCustomCalendarEx::~TCustomCalendarEx() = default;

QString TCustomCalendarEx::ShortDayName(int Index) {
    static const QString names[7] = {QStringLiteral("日"), QStringLiteral("月"), QStringLiteral("火"),
                                     QStringLiteral("水"), QStringLiteral("木"), QStringLiteral("金"),
                                     QStringLiteral("土")};
    return names[((Index % 7) + 7) % 7];
}

QRect TCustomCalendarEx::ClientRect() const {
    const int edge = FClientEdge ? EdgeWidth : 0;
    return QRect(edge, edge, std::max(0, width() - 2 * edge), std::max(0, height() - 2 * edge));
}

void TCustomCalendarEx::Redraw() {
    UpdateBuffer();
    repaint();
}

void TCustomCalendarEx::SetJuliusDay(int32_t Value) {
    if (Value == FJuliusDay)
        return;
    FJuliusDay = Value;
    Redraw();
    int32_t y;
    uint8_t m, d;
    JuliusToDate(FJuliusDay, y, m, d);
    DayChange(y, m, d);
}

int32_t TCustomCalendarEx::Year() const {
    int32_t y;
    uint8_t m, d;
    JuliusToDate(FJuliusDay, y, m, d);
    return y;
}

uint8_t TCustomCalendarEx::Month() const {
    int32_t y;
    uint8_t m, d;
    JuliusToDate(FJuliusDay, y, m, d);
    return m;
}

uint8_t TCustomCalendarEx::Day() const {
    int32_t y;
    uint8_t m, d;
    JuliusToDate(FJuliusDay, y, m, d);
    return d;
}

namespace {

// Moves a calendar to Y-M-D when that date exists; otherwise leaves it alone.
void SetValidDate(TCustomCalendarEx& cal, int32_t y, uint8_t m, uint8_t d) {
    if (!IsValidDate(y, m, d))
        return;
    cal.SetJuliusDay(DateToJulius(y, m, d));
}

}  // namespace

void TCustomCalendarEx::SetYear(int32_t Value) {
    int32_t y;
    uint8_t m, d;
    JuliusToDate(FJuliusDay, y, m, d);
    SetValidDate(*this, Value, m, d);
}

void TCustomCalendarEx::SetMonth(uint8_t Value) {
    int32_t y;
    uint8_t m, d;
    JuliusToDate(FJuliusDay, y, m, d);
    SetValidDate(*this, y, Value, d);
}

void TCustomCalendarEx::SetDay(uint8_t Value) {
    int32_t y;
    uint8_t m, d;
    JuliusToDate(FJuliusDay, y, m, d);
    SetValidDate(*this, y, m, Value);
}

void TCustomCalendarEx::SetHolidayList(const TStringList& Value) { FHolidayList.Assign(Value); }

void TCustomCalendarEx::SetSpecialDayList(const TStringList& Value) { FSpecialDayList.Assign(Value); }

void TCustomCalendarEx::ListChanged() {
    try {
        UpdateDayLists();
    } catch (...) {
        // Show what was parsed before the bad line, then report it.
        Redraw();
        throw;
    }
    Redraw();
}

void TCustomCalendarEx::SetColor(TColor Value) {
    if (Value == FColor)
        return;
    FColor = Value;
    Redraw();
}

void TCustomCalendarEx::SetAutoEquinox(bool Value) {
    if (Value == FAutoEquinox)
        return;
    FAutoEquinox = Value;
    Redraw();
}

void TCustomCalendarEx::SetAutoFurikae(bool Value) {
    if (Value == FAutoFurikae)
        return;
    FAutoFurikae = Value;
    Redraw();
}

void TCustomCalendarEx::SetClientEdge(bool Value) {
    if (Value == FClientEdge)
        return;
    FClientEdge = Value;
    UpdateBuffer();
    update();
}

void TCustomCalendarEx::SetDate(int32_t Y, uint8_t M, uint8_t D) { SetJuliusDay(DateToJulius(Y, M, D)); }

void TCustomCalendarEx::Today() { SetJuliusDay(DateTimeToJulius(Date())); }

void TCustomCalendarEx::NextDay() { SetJuliusDay(FJuliusDay + 1); }

void TCustomCalendarEx::PrevDay() { SetJuliusDay(FJuliusDay - 1); }

void TCustomCalendarEx::NextWeek() { SetJuliusDay(FJuliusDay + 7); }

void TCustomCalendarEx::PrevWeek() { SetJuliusDay(FJuliusDay - 7); }

void TCustomCalendarEx::NextMonth() {
    int32_t y;
    uint8_t m, d;
    JuliusToDate(FJuliusDay, y, m, d);
    if (++m > 12) {
        m = 1;
        ++y;
    }
    SetJuliusDay(DateToJulius(y, m, std::min(d, DaysInMonth(y, m))));
}

void TCustomCalendarEx::PrevMonth() {
    int32_t y;
    uint8_t m, d;
    JuliusToDate(FJuliusDay, y, m, d);
    if (--m < 1) {
        m = 12;
        --y;
    }
    SetJuliusDay(DateToJulius(y, m, std::min(d, DaysInMonth(y, m))));
}

void TCustomCalendarEx::UpdateBuffer() {
    const QSize size = ClientRect().size();
    if (FBuffer.size() != size)
        FBuffer = size.isEmpty() ? QImage() : QImage(size, QImage::Format_RGB32);
    if (FBuffer.isNull())
        return;
    FBuffer.fill(ToQColor(FColor));
}

void TCustomCalendarEx::DayChange(int32_t Y, uint8_t M, uint8_t D) {
    if (OnDayChange)
        OnDayChange(this, Y, M, D);
}

void TCustomCalendarEx::UpdateDayLists() {
    ParseDayList(FHolidayList, HolidayItems);
    ParseDayList(FSpecialDayList, SpecialDayItems);
}

TFont& TCustomCalendarEx::GetDayFont(int32_t Y, uint8_t M, uint8_t D) {
    const TDayKinds kinds = GetDayKinds(Y, M, D);
    int index = cfWeekday;
    if (kinds & dkSaturday)
        index = cfSaturday;
    else if (kinds & dkSunday)
        index = cfSunday;
    if (kinds & (dkHoliday | dkFurikae))
        index = cfHoliday;
    if (kinds & dkSpecialDay)
        index = cfSpecialDay;
    return FFonts.Font(index);
}

void TCustomCalendarEx::MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TCustomCalendarEx::KeyDown(int& Key, Qt::KeyboardModifiers Shift) {
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TCustomCalendarEx::KeyPress(char& Key) {
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

void TCustomCalendarEx::Click() {
    if (OnClick)
        OnClick(this);
}

void TCustomCalendarEx::DblClick() {
    if (OnDblClick)
        OnDblClick(this);
}

void TCustomCalendarEx::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (FClientEdge)
        qDrawWinPanel(&painter, rect(), palette(), true);
    if (!FBuffer.isNull())
        painter.drawImage(ClientRect().topLeft(), FBuffer);
}

void TCustomCalendarEx::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateBuffer();
}

void TCustomCalendarEx::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint() - ClientRect().topLeft();
    FClicking = event->button() == Qt::LeftButton;
    event->accept();
    MouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void TCustomCalendarEx::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !FClicking)
        return;
    FClicking = false;
    if (rect().contains(event->position().toPoint()))
        Click();
}

void TCustomCalendarEx::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press selects like the first; the double click follows it.
    const QPoint p = event->position().toPoint() - ClientRect().topLeft();
    FClicking = false;
    event->accept();
    MouseDown(event->button(), event->modifiers(), p.x(), p.y());
    if (event->button() == Qt::LeftButton)
        DblClick();
}

void TCustomCalendarEx::keyPressEvent(QKeyEvent* event) {
    // Every key stays with the control: arrows move the date, not the focus.
    event->accept();
    int key = event->key();
    KeyDown(key, event->modifiers());

    char ch = 0;
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).unicode() < 0x80) {
        ch = static_cast<char>(text.at(0).unicode());
    } else if (text.isEmpty()) {
        switch (event->key()) {
        case Qt::Key_Escape: ch = 27; break;
        case Qt::Key_Return:
        case Qt::Key_Enter: ch = 13; break;
        case Qt::Key_Backspace: ch = 8; break;
        default: break;
        }
    }
    if (ch != 0)
        KeyPress(ch);
}

// ---------------------------------------------------------------------------
// TMonthlyCalendar

TMonthlyCalendar::TMonthlyCalendar(QWidget* parent) : TCustomCalendarEx(parent) {}

void TMonthlyCalendar::SetAndRedraw(bool& Field, bool Value) {
    if (Field == Value)
        return;
    Field = Value;
    Redraw();
}

void TMonthlyCalendar::SetAndRedraw(TColor& Field, TColor Value) {
    if (Field == Value)
        return;
    Field = Value;
    Redraw();
}

void TMonthlyCalendar::SetFirstDayOfWeek(TDayOfWeek Value) {
    if (Value == FFirstDayOfWeek)
        return;
    FFirstDayOfWeek = Value;
    Redraw();
}

void TMonthlyCalendar::SetShowNeighbor(bool Value) { SetAndRedraw(FShowNeighbor, Value); }
void TMonthlyCalendar::SetNeighborColor(TColor Value) { SetAndRedraw(FNeighborColor, Value); }
void TMonthlyCalendar::SetAutoResize(bool Value) { SetAndRedraw(FAutoResize, Value); }
void TMonthlyCalendar::SetFirstRowFirstDay(bool Value) { SetAndRedraw(FFirstRowFirstDay, Value); }
void TMonthlyCalendar::SetLastRowLastDay(bool Value) { SetAndRedraw(FLastRowLastDay, Value); }
void TMonthlyCalendar::SetDayOfWeekBkColor(TColor Value) { SetAndRedraw(FDayOfWeekBkColor, Value); }
void TMonthlyCalendar::SetShowRokuyo(bool Value) { SetAndRedraw(FShowRokuyo, Value); }

int32_t TMonthlyCalendar::FirstCellDay() const {
    const int32_t first1 = DateToJulius(Year(), Month(), 1);
    const int offset = (JuliusDayOfWeek(first1) - (FFirstDayOfWeek + 1) + 7) % 7;  // 0..6
    const int32_t first = first1 - offset;
    // Without FirstRowFirstDay a month starting in the first column gets a
    // full leading week of the previous month.
    return (!FFirstRowFirstDay && first == first1) ? first1 - 7 : first;
}

int TMonthlyCalendar::RowCount() const {
    if (!FAutoResize)
        return 7;
    const int32_t y = Year();
    const uint8_t m = Month();
    const int32_t last = DateToJulius(y, m, DaysInMonth(y, m));
    const int32_t first = FirstCellDay();
    int rows = (last - first) / 7 + 2;  // week rows plus the header: 5..7
    if (!FLastRowLastDay && (last - first + 1) % 7 == 0)
        ++rows;
    return rows;
}

QRect TMonthlyCalendar::CellRectFor(int W, int H, int Rows, int ACol, int ARow) {
    // The products stay far below 2^31 for any widget size.
    const int left = W * ACol / 7;
    const int right = W * (ACol + 1) / 7;
    const int top = H * ARow / Rows;
    const int bottom = H * (ARow + 1) / Rows;
    return QRect(left, top, right - left, bottom - top);
}

TGridCell TMonthlyCalendar::CellAtFor(int W, int H, int Rows, int X, int Y) {
    // A control smaller than the grid has cells of zero size; count each
    // pixel as one cell then, so a click still lands somewhere.
    const int colWidth = std::max(1, W / 7);
    const int rowHeight = std::max(1, H / Rows);
    TGridCell cell;
    cell.Col = std::clamp(X / colWidth, 0, 6);
    cell.Row = std::clamp(Y / rowHeight, 0, Rows - 1);
    return cell;
}

QRect TMonthlyCalendar::CellRect(int ACol, int ARow) const {
    return CellRectFor(ClientWidth(), ClientHeight(), RowCount(), ACol, ARow);
}

TGridCell TMonthlyCalendar::CellAt(int X, int Y) const {
    return CellAtFor(ClientWidth(), ClientHeight(), RowCount(), X, Y);
}

void TMonthlyCalendar::UpdateBuffer() {
    TCustomCalendarEx::UpdateBuffer();
    if (!HasBuffer())
        return;
    const int W = FBuffer.width();
    const int H = FBuffer.height();
    const int rows = RowCount();
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < 7; ++j)
            DrawCell(j, i, CellRectFor(W, H, rows, j, i));
}

void TMonthlyCalendar::DrawCell(int ACol, int ARow, const QRect& Rect) {
    if (!HasBuffer())
        return;
    if (ARow == 0)
        DrawHeaderCell(ACol, Rect);
    else
        DrawDayCell(ACol, ARow, Rect);
}

void TMonthlyCalendar::DrawHeaderCell(int ACol, const QRect& Rect) {
    const TFont& font = Fonts().DayOfWeek();
    QPainter painter(&FBuffer);
    painter.fillRect(Rect, ToQColor(FDayOfWeekBkColor));
    painter.setFont(font.ToQFont());
    painter.setPen(ToQColor(font.Color()));
    painter.drawText(Rect, TextCentred | Qt::TextDontClip, ShortDayName(FFirstDayOfWeek + ACol));
}

void TMonthlyCalendar::DrawDayCell(int ACol, int ARow, const QRect& Rect) {
    const int32_t J = CellDay(ACol, ARow);
    int32_t y;
    uint8_t m, d;
    JuliusToDate(J, y, m, d);
    const TFont& font = GetDayFont(y, m, d);

    int32_t selYear;
    uint8_t selMonth, selDay;
    JuliusToDate(JuliusDay(), selYear, selMonth, selDay);
    const bool inMonth = m == selMonth;
    const bool selected = inMonth && y == selYear && d == selDay;
    if (!inMonth && !FShowNeighbor)
        return;

    const TColor fontColor = ColorToRGB(font.Color());
    const TColor neighborTint = ColorToRGB(FNeighborColor);
    QPainter painter(&FBuffer);
    if (selected) {
        painter.fillRect(Rect, ToQColor(fontColor));
        painter.setPen(ToQColor(FColor));
    } else if (!inMonth) {
        painter.setPen(ToQColor(fontColor | neighborTint));
    } else {
        painter.setPen(ToQColor(fontColor));
    }
    painter.setFont(font.ToQFont());
    const QString text = QString::number(d);

    const uint8_t rokuyo = FShowRokuyo ? JuliusToRokuyo(J) : 0;
    if (rokuyo == 0) {
        painter.drawText(Rect, TextCentred, text);
        return;
    }

    // The day number above, the rokuyo name in a strip as high as its font.
    const TFont& rokuyoFont = Fonts().Rokuyo();
    const int stripHeight = std::min(std::abs(rokuyoFont.Height()), Rect.height());
    const QRect dayRect(Rect.left(), Rect.top(), Rect.width(), Rect.height() - stripHeight);
    const QRect strip(Rect.left(), dayRect.top() + dayRect.height(), Rect.width(), stripHeight);
    painter.drawText(dayRect, TextCentred, text);

    painter.setFont(rokuyoFont.ToQFont());
    const TColor rokuyoColor = ColorToRGB(rokuyoFont.Color());
    if (selected) {
        painter.fillRect(strip, ToQColor(fontColor));
        painter.setPen(ToQColor(FColor));
    } else if (!inMonth) {
        painter.setPen(ToQColor(rokuyoColor | neighborTint));
    } else {
        painter.setPen(ToQColor(rokuyoColor));
    }
    painter.drawText(strip, TextCentred, QString::fromUtf8(RokuyoNames[rokuyo]));
}

void TMonthlyCalendar::MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
    TCustomCalendarEx::MouseDown(Button, Shift, X, Y);
    const TGridCell cell = CellAt(X, Y);
    if (cell.Row == 0)
        return;
    const int32_t J = CellDay(cell.Col, cell.Row);
    int32_t y;
    uint8_t m, d;
    JuliusToDate(J, y, m, d);
    if (m == Month() || FNeighborJump)
        SetJuliusDay(J);
}

void TMonthlyCalendar::KeyDown(int& Key, Qt::KeyboardModifiers Shift) {
    // The grid moves first; the key-down event follows.
    switch (Key) {
    case Qt::Key_Right: NextDay(); break;
    case Qt::Key_Left: PrevDay(); break;
    case Qt::Key_Up: SetJuliusDay(JuliusDay() - 7); break;
    case Qt::Key_Down: SetJuliusDay(JuliusDay() + 7); break;
    case Qt::Key_PageUp: PrevMonth(); break;
    case Qt::Key_PageDown: NextMonth(); break;
    default: break;
    }
    TCustomCalendarEx::KeyDown(Key, Shift);
}

// ---------------------------------------------------------------------------
// TWeeklyCalendar

TWeeklyCalendar::TWeeklyCalendar(QWidget* parent) : TCustomCalendarEx(parent) { FColor = clInfoBk; }

void TWeeklyCalendar::SetFirstDayOfWeek(TDayOfWeek Value) {
    if (Value == FFirstDayOfWeek)
        return;
    FFirstDayOfWeek = Value;
    Redraw();
}

void TWeeklyCalendar::SetBorderColor(TColor Value) {
    if (Value == FBorderColor)
        return;
    FBorderColor = Value;
    Redraw();
}

int32_t TWeeklyCalendar::FirstStripDay() const {
    const int32_t J = JuliusDay();
    return J - (JuliusDayOfWeek(J) - (FFirstDayOfWeek + 1) + 7) % 7;
}

QRect TWeeklyCalendar::RowRectFor(int W, int H, int Index) {
    const int top = H * Index / 7;
    const int bottom = H * (Index + 1) / 7;
    return QRect(0, top, W, bottom - top);
}

int TWeeklyCalendar::RowAtFor(int H, int Y) {
    if (H <= 0)
        return 0;
    return std::clamp(static_cast<int>(std::trunc(Y * 7.0 / H)), 0, 6);
}

QRect TWeeklyCalendar::RowRect(int Index) const { return RowRectFor(ClientWidth(), ClientHeight(), Index); }

void TWeeklyCalendar::UpdateBuffer() {
    TCustomCalendarEx::UpdateBuffer();
    if (!HasBuffer())
        return;
    for (int a = 0; a < 7; ++a)
        DrawCell(a, RowRectFor(FBuffer.width(), FBuffer.height(), a));
}

void TWeeklyCalendar::DrawCell(int Index, const QRect& Rect) {
    if (!HasBuffer())
        return;
    const int32_t J = FirstStripDay() + Index;
    int32_t y;
    uint8_t m, d;
    JuliusToDate(J, y, m, d);
    const TFont& font = GetDayFont(y, m, d);

    QPainter painter(&FBuffer);
    if (J == JuliusDay()) {
        painter.fillRect(Rect, ToQColor(font.Color()));
        painter.setPen(ToQColor(FColor));
    } else {
        painter.setPen(ToQColor(font.Color()));
    }
    painter.setFont(font.ToQFont());
    const QString text = QStringLiteral("%1/%2(%3) ").arg(int(m)).arg(int(d)).arg(ShortDayName(FFirstDayOfWeek + Index)) +
                         SjisToQString(GetDayNames(y, m, d));
    painter.drawText(Rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip, text);
    // The separator lies on the first pixel row of the next row, which is
    // drawn afterwards and covers it when selected.
    if (Index != 6)
        painter.fillRect(QRect(Rect.left(), Rect.top() + Rect.height(), Rect.width(), 1), ToQColor(FBorderColor));
}

void TWeeklyCalendar::MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
    TCustomCalendarEx::MouseDown(Button, Shift, X, Y);
    if (ClientHeight() <= 0)
        return;
    SetJuliusDay(FirstStripDay() + RowAtFor(ClientHeight(), Y));
}

void TWeeklyCalendar::KeyDown(int& Key, Qt::KeyboardModifiers Shift) {
    // The key-down event comes first, so a handler can cancel the move.
    TCustomCalendarEx::KeyDown(Key, Shift);
    switch (Key) {
    case Qt::Key_Up: PrevDay(); break;
    case Qt::Key_Down: NextDay(); break;
    case Qt::Key_PageUp: PrevWeek(); break;
    case Qt::Key_PageDown: NextWeek(); break;
    default: break;
    }
}

// ---------------------------------------------------------------------------
// TDailyCalendar

TDailyCalendar::TDailyCalendar(QWidget* parent) : TCustomCalendarEx(parent) {}

TDailyLayout TDailyCalendar::LayoutFor(int W, int H) {
    // Fractions of the height, truncated as the page was designed.
    const auto part = [H](double tenths) { return static_cast<int>(std::trunc(H * tenths / 10)); };
    TDailyLayout layout;
    layout.LineHeight = part(1.3);
    layout.FigureHeight = H * 7 / 10;
    const int lineTop = part(0.2);
    const int lineBottom = part(1.5);
    layout.TopLine = QRect(0, lineTop, W, lineBottom - lineTop);
    const int figureTop = H / 10;
    layout.Figure = QRect(0, figureTop, W, H * 9 / 10 - figureTop);
    layout.BottomLine = QRect(0, H - lineBottom, W, lineBottom - lineTop);
    return layout;
}

void TDailyCalendar::UpdateBuffer() {
    TCustomCalendarEx::UpdateBuffer();
    if (!HasBuffer())
        return;
    const TDailyLayout layout = LayoutFor(FBuffer.width(), FBuffer.height());
    int32_t y;
    uint8_t m, d;
    JuliusToDate(JuliusDay(), y, m, d);
    constexpr int flags = TextCentred | Qt::TextDontClip;

    QPainter painter(&FBuffer);
    // The heights change only on copies; the stored fonts keep theirs.
    TFont line = Fonts().Weekday();
    line.SetHeight(layout.LineHeight);
    painter.setFont(line.ToQFont());
    painter.setPen(ToQColor(line.Color()));
    painter.drawText(layout.TopLine, flags,
                     QStringLiteral("%1年%2月%3日 (%4)").arg(y).arg(int(m)).arg(int(d)).arg(
                         ShortDayName(JuliusDayOfWeek(JuliusDay()) - 1)));

    TFont figure = GetDayFont(y, m, d);
    figure.SetHeight(layout.FigureHeight);
    painter.setFont(figure.ToQFont());
    painter.setPen(ToQColor(figure.Color()));
    painter.drawText(layout.Figure, flags, QString::number(d));

    painter.setFont(line.ToQFont());
    painter.setPen(ToQColor(line.Color()));
    painter.drawText(layout.BottomLine, flags, SjisToQString(GetDayNames(y, m, d)));
}

void TDailyCalendar::KeyDown(int& Key, Qt::KeyboardModifiers Shift) {
    TCustomCalendarEx::KeyDown(Key, Shift);
    if (Key == Qt::Key_Up)
        PrevDay();
    else if (Key == Qt::Key_Down)
        NextDay();
}
