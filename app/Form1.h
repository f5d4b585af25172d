#pragma once
// The main window: a borderless window with its own title strip, the month,
// week and day calendars kept on one date, the schedule list, the clock and
// fortune column, the toolbar, the status bar and the tray icon.
//
// Every control is a public member under its given name (and objectName), so
// the other windows and later sequences reach them through the program:
// program.Form1().MonthlyCalendar1, program.Form1().StatusBar1 …
#include <QImage>
#include <QMenu>
#include <QWidget>
#include <vector>

#include "app/Fortune.h"
#include "platform/Controls.h"
#include "settings/IniFile.h"

class TClock;
class TDailyCalendar;
class TDock97;
class TIconTray;
class TMonthlyCalendar;
class TProListBox;
class TProgram;
class TRgn;
class TRgnBtn;
class TToolbar97;
class TTCPClient;
class TToolbarButton97;
class TWeeklyCalendar;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(TProgram& program);
    ~TForm1() override;

    TProgram& Program() const { return FProgram; }

    // Design client size.
    static constexpr int DesignWidth = 640;
    static constexpr int DesignHeight = 423;
    // The height the shade button rolls the window down to.
    static constexpr int UnshadedHeight = 450;

    // ---- controls, in their nesting order ----
    TPanel* Panel11;          // fill: everything
    TPanel* Panel13;          // top, 23: the title strip
    TRgn* Rgn1;               //   the title picture
    TRgnBtn* RgnBtn1;         //   close
    TRgnBtn* RgnBtn2;         //   shade
    TRgnBtn* RgnBtn3;         //   toolbar on/off
    TLabel* Label1;           //   the title text
    TPanel* Panel12;          // fill
    TDock97* Dock971;         //   top: the toolbar dock
    TToolbar97* Toolbar971;   //     基本バー
    TToolbar97* Toolbar972;   //     設定その他バー
    TStatusBar* StatusBar1;   //   bottom, 19: the status text in panel 0
    TPanel* Panel2;           //   bottom: the week strip
    TWeeklyCalendar* WeeklyCalendar1;
    TPanel* Panel1;           //   left, width div 3: caption row and month grid
    TPanel* Panel5;           //     top, 17: the month caption
    TButton* Button1;         //     <<   (Button1, 4, 5, 6 in Panel5;
    TButton* Button2;         //     <     Button2, 3 in Panel1 over it)
    TButton* Button3;         //     ○
    TButton* Button4;         //     >
    TButton* Button5;         //     >>
    TButton* Button6;         //     □
    TMonthlyCalendar* MonthlyCalendar1;
    TPanel* Panel6;           //   right, width div 6: clock and fortune
    TPanel* Panel8;           //     top, 17: 時計
    TPanel* Panel7;           //     top: the clock, made square by the placement step
    TClock* Clock1;
    TPanel* Panel9;           //     fill: the fortune word
    TPanel* Panel10;          //       top, 17: 運勢
    TPanel* Panel3;           //   fill: list or day calendar
    TPanel* Panel4;           //     top, 17: 予定一覧 / 日めくりカレンダ
    TProListBox* ListBox1;
    TDailyCalendar* DailyCalendar1;

    TToolbarButton97* ToolbarButton971;  // 日めくりカレンダー表示
    TToolbarButton97* ToolbarButton974;  // 予定入力
    TToolbarButton97* ToolbarButton975;  // 削除
    TToolbarButton97* ToolbarButton976;  // 修正
    TToolbarButton97* ToolbarButton979;  // exit
    TToolbarButton97* ToolbarButton972;  // 設定
    TToolbarButton97* ToolbarButton973;  // スキン設定
    TToolbarButton97* ToolbarButton977;  // バージョン情報
    TToolbarButton97* ToolbarButton978;  // ヘルプ
    std::vector<QImage> ImageList1;      // the nine toolbar images

    QMenu* PopupMenu1;  // on the list
    QAction* N1;        //   予定日へジャンプ(&J), hidden
    QAction* Delete1;   //   削除(&D)
    QAction* U1;        //   修正(&U)
    QMenu* PopupMenu2;  // on the tray icon
    QAction* N2;        //   バージョン情報(&V)
    QAction* Exit1;     //   終了(&E)
    TIconTray* IconTray1;
    TTCPClient* TCPClient1;  // the link to the schedule server (network mode)
    TIniGT IniGT1;           // the settings file (TProgram::IniFileName)
    TFortune Fortune1;       // the program's one fortune generator

    // ---- operations ----
    void FormCreate();
    // Centres the title text, places the navigation buttons and makes the
    // clock square. Run once by the activation sequence.
    void PlaceControls();
    // The month view's year and month as the caption of Panel5.
    void SetMonthCaption();
    // Activation: runs once, right after the window is first shown: User.dat,
    // the settings (or the settings dialog), local work or the server link,
    // placement, the fortune, the saved skin, the clock column, the title buttons.
    void FormActivate();
    bool Activated() const { return FActivated; }
    // Close sequence, at every close: the link closed (network mode), then the
    // skin name and the window position written. A failed write is shown and
    // the window closes all the same.
    void FormClose();
    // The tray menu's exit: the close writes, then the window closes.
    void Exit1Click();
    // Releases the server link.
    void FormDestroy();
    // The fortune message of the day in a message box.
    void Panel9DblClick();

    // ---- the schedule store: the month view's special-day list ----
    // The creation step's load: yotei.dat (when present) into the month view,
    // copied into the week and day views, then the list fill.
    void LoadSchedule();
    // One list line per store line that has one, each at its sorted place.
    void FillList();
    // Appends an entry line to the store, copies it to the other views and
    // rebuilds the list. Saving is the caller's (local add, received message).
    void AddEntryLine(const std::string& entryLine);
    // Removes the store line a list line stands for (looked up in the week
    // view's list) and that list line at `position`; false when not found,
    // in which case nothing changes.
    bool RemoveByListLine(const std::string& listLine, int position);
    // Writes the store to yotei.dat (whole file, CR LF, atomic).
    void SaveSchedule();
    // Removes the first store line equal (SameText) to `entryLine` and
    // rebuilds the list; false, and nothing changes, when there is none.
    bool RemoveEntryLine(const std::string& entryLine);
    // Local mode: the settings dialog's "ローカルで使用する".
    bool LocalMode() const;

    // ---- the server link ----
    void TCPClient1Connect();
    // One received message: a data message is applied to the store, a notice
    // names who changed the schedule; either is saved and shown in the status.
    void TCPClient1Data(const std::string& data);
    void TCPClient1Error(int error);
    void TCPClient1Close();

    // ---- handlers ----
    void Hide_proc();
    void IconTray1DblClick();
    void N2Click();
    void ListBox1KeyPress(char& key);
    void DailyCalendar1KeyPress(char& key);
    void Rgn1MouseDown(QMouseEvent* event);
    void Rgn1DblClick();
    void RgnBtn1Click();
    void RgnBtn2Click();
    void RgnBtn3Click();
    void ToolbarButton972Click();
    void ToolbarButton973Click();
    void ToolbarButton977Click();
    void ToolbarButton978Click();
    void ToolbarButton979Click();

    void MonthlyCalendar1DayChange(int32_t y, uint8_t m, uint8_t d);
    void WeeklyCalendar1DayChange(int32_t y, uint8_t m, uint8_t d);
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void MonthlyCalendar1Click();
    void WeeklyCalendar1Click();
    void DailyCalendar1Click();
    void ToolbarButton971Click();

    // ---- the list commands ----
    // New entry on the month view's date (double click on the month or week
    // view, ToolbarButton974).
    void MonthlyCalendar1DblClick();
    // Modify the selected entry (list double click, U1, ToolbarButton976).
    void U1Click();
    // Delete the selected entry (Delete1, ToolbarButton975).
    void Delete1Click();
    // Jump to the selected entry's date (a click on a list line, N1).
    void N1Click();
    // List-only view on and off (double click on Panel4).
    void Panel4DblClick();
    void ToolbarButton974Click() { MonthlyCalendar1DblClick(); }
    void ToolbarButton975Click() { Delete1Click(); }
    void ToolbarButton976Click() { U1Click(); }

signals:
    // The window has closed; the program ends with it.
    void Closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateToolbars();
    void CreateMenus();
    void ConfigureCalendars();
    void ConnectHandlers();
    void ConnectListCommands();
    // Week and day views to the month view's day, then the caption.
    void FollowMonthView();
    // The close writes; false (after the error box) when the file could not be written.
    bool WriteExitSettings();
    // The month view's list into the week and day views.
    void CopyMonthToViews();
    // Deletes store line `index` in the week view and copies the result on.
    void DeleteStoreLine(int index);

    TProgram& FProgram;
    bool FActivated = false;
    bool FActivationPosted = false;
    // What went wrong loading yotei.dat, shown when the window first activates.
    QString FLoadError;
    // The exit command's writes failed: the close does not try again.
    bool FExitWritesFailed = false;
    // Dragging the window by its title.
    bool FDragArmed = false;
    bool FDragManual = false;
    QPoint FDragFrom;
};
