#include "app/Form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "app/Form3.h"
#include "app/Program.h"
#include "calendar/CalEx.h"
#include "calendar/DayRules.h"
#include "calendar/Julius.h"
#include "platform/BuiltinImages.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/IconTray.h"
#include "platform/ProListBox.h"
#include "platform/RgnBtn.h"
#include "platform/Shell.h"
#include "platform/TCPClient.h"
#include "platform/Toolbar97.h"
#include "settings/Form5.h"
#include "skins/Form4.h"

namespace {

TPanel* MakePanel(QWidget* parent, const QString& name, TBevel outer = TBevel::bvNone) {
    auto* panel = new TPanel(parent, name);
    panel->SetBevelOuter(outer);
    return panel;
}

TFont CalendarFont(int height, TColor color) {
    TFont font;
    font.SetName(QStringLiteral("ＭＳ Ｐゴシック"));
    font.SetHeight(height);
    font.SetColor(color);
    font.SetCharset(SHIFTJIS_CHARSET);
    return font;
}

}  // namespace

TForm1::TForm1(TProgram& program)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), IniGT1(program.IniFileName()), FProgram(program) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("くらろん！"));
    setWindowIcon(ProgramIcon());
    setFont(GothicFont(12));
    resize(DesignWidth, DesignHeight);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    CreateControls();
    CreateToolbars();
    CreateMenus();
    ConfigureCalendars();
    ConnectHandlers();
    FormCreate();
}

TForm1::~TForm1() { FormDestroy(); }

// The controls with their design-time places; FormCreate docks the rest.
void TForm1::CreateControls() {
    Panel11 = MakePanel(this, QStringLiteral("Panel11"));

    Panel13 = MakePanel(Panel11, QStringLiteral("Panel13"));
    Panel13->setGeometry(0, 0, DesignWidth, 23);
    SetAlign(Panel13, TAlign::alTop);
    Rgn1 = new TRgn(Panel13, QStringLiteral("Rgn1"));
    Rgn1->setGeometry(0, 0, 640, 23);
    Rgn1->SetRgnBitmap(BuiltinImage(QStringLiteral("caption.png")));
    Rgn1->SetRgnData({QRect(0, 0, 640, 22), QRect(1, 22, 639, 1)});
    Rgn1->PrepareRgn();
    const int buttonLefts[] = {7, 30, 53};
    TRgnBtn** titleButtons[] = {&RgnBtn1, &RgnBtn2, &RgnBtn3};
    for (int i = 0; i < 3; ++i) {
        TRgnBtn* b = new TRgnBtn(Panel13, QStringLiteral("RgnBtn%1").arg(i + 1));
        b->setGeometry(buttonLefts[i], 1, 19, 21);
        const QImage normal = BuiltinImage(QStringLiteral("button%1.png").arg(i + 1));
        b->SetGlyph(1, normal);
        b->SetGlyph(2, BuiltinImage(QStringLiteral("button%1b.png").arg(i + 1)));
        b->SetRgnData(OutlineOfImage(normal));
        b->RefreshRgn();
        b->hide();  // shown at the end of the activation
        *titleButtons[i] = b;
    }
    Label1 = new TLabel(Panel13, QStringLiteral("Label1"), QString());
    Label1->setFont(GothicFont(12, true));
    Label1->SetFontColor(Qt::white);
    Label1->SetCaption(QStringLiteral("くらろん！"));

    Panel12 = MakePanel(Panel11, QStringLiteral("Panel12"));
    SetAlign(Panel12, TAlign::alClient);

    Dock971 = new TDock97(Panel12, QStringLiteral("Dock971"));
    SetAlign(Dock971, TAlign::alTop);

    StatusBar1 = new TStatusBar(this, QStringLiteral("StatusBar1"));
    StatusBar1->resize(DesignWidth, 19);

    Panel2 = MakePanel(this, QStringLiteral("Panel2"));
    Panel2->resize(DesignWidth, 105);
    WeeklyCalendar1 = new TWeeklyCalendar(Panel2);
    WeeklyCalendar1->setObjectName(QStringLiteral("WeeklyCalendar1"));

    Panel1 = MakePanel(this, QStringLiteral("Panel1"));
    Panel5 = MakePanel(Panel1, QStringLiteral("Panel5"), TBevel::bvRaised);
    Panel5->setGeometry(0, 0, 213, 17);
    Panel5->SetColor(palette().color(QPalette::Base));
    MonthlyCalendar1 = new TMonthlyCalendar(Panel1);
    MonthlyCalendar1->setObjectName(QStringLiteral("MonthlyCalendar1"));
    // Button2 and Button3 belong to Panel1 and lie over the left end of Panel5.
    struct Nav {
        TButton*& Button;
        QWidget* Parent;
        const char* Name;
        const char* Caption;
    };
    const Nav navs[] = {{Button1, Panel5, "Button1", "<<"}, {Button2, Panel1, "Button2", "<"},
                        {Button3, Panel1, "Button3", "○"},  {Button4, Panel5, "Button4", ">"},
                        {Button5, Panel5, "Button5", ">>"}, {Button6, Panel5, "Button6", "□"}};
    int designLeft = 0;
    for (const Nav& n : navs) {
        n.Button = new TButton(n.Parent, QString::fromUtf8(n.Name), QString::fromUtf8(n.Caption));
        n.Button->setGeometry(designLeft, 0, 17, 17);
        n.Button->setFocusPolicy(Qt::NoFocus);
        designLeft += 17;
    }

    Panel6 = MakePanel(this, QStringLiteral("Panel6"));
    Panel8 = MakePanel(Panel6, QStringLiteral("Panel8"), TBevel::bvRaised);
    Panel8->resize(106, 17);
    Panel8->SetCaption(QStringLiteral("時計"));
    SetAlign(Panel8, TAlign::alTop);
    Panel7 = MakePanel(Panel6, QStringLiteral("Panel7"), TBevel::bvLowered);
    Panel7->resize(106, 97);
    SetAlign(Panel7, TAlign::alTop);
    Clock1 = new TClock(Panel7, QStringLiteral("Clock1"));
    Clock1->setGeometry(1, 1, 104, 95);
    Panel9 = MakePanel(Panel6, QStringLiteral("Panel9"), TBevel::bvLowered);
    Panel9->setFont(GothicFont(43));
    Panel10 = MakePanel(Panel9, QStringLiteral("Panel10"), TBevel::bvRaised);
    Panel10->setFont(GothicFont(12));
    Panel10->resize(106, 17);
    Panel10->SetCaption(QStringLiteral("運勢"));
    SetAlign(Panel10, TAlign::alTop);

    Panel3 = MakePanel(this, QStringLiteral("Panel3"));
    Panel4 = MakePanel(Panel3, QStringLiteral("Panel4"), TBevel::bvRaised);
    Panel4->SetBevelInner(TBevel::bvRaised);
    Panel4->resize(320, 17);
    Panel4->SetCaption(QStringLiteral("予定一覧"));
    ListBox1 = new TProListBox(Panel3, QStringLiteral("ListBox1"));
    DailyCalendar1 = new TDailyCalendar(Panel3);
    DailyCalendar1->setObjectName(QStringLiteral("DailyCalendar1"));
}

void TForm1::CreateToolbars() {
    for (int i = 0; i < 9; ++i) ImageList1.push_back(BuiltinImage(QStringLiteral("tool%1.png").arg(i)));
    Toolbar971 = new TToolbar97(Dock971, QStringLiteral("Toolbar971"), QStringLiteral("基本バー"), 0);
    Toolbar972 = new TToolbar97(Dock971, QStringLiteral("Toolbar972"), QStringLiteral("設定その他バー"), 125);
    auto make = [this](TToolbar97* bar, const char* name, int image, const char* hint) {
        return new TToolbarButton97(bar, QString::fromUtf8(name), ImageList1[image], QString::fromUtf8(hint));
    };
    ToolbarButton971 = make(Toolbar971, "ToolbarButton971", 0, "日めくりカレンダー表示");
    ToolbarButton974 = make(Toolbar971, "ToolbarButton974", 1, "予定入力");
    ToolbarButton975 = make(Toolbar971, "ToolbarButton975", 2, "削除");
    ToolbarButton976 = make(Toolbar971, "ToolbarButton976", 3, "修正");
    ToolbarButton979 = make(Toolbar971, "ToolbarButton979", 8, "");
    ToolbarButton972 = make(Toolbar972, "ToolbarButton972", 4, "設定");
    ToolbarButton973 = make(Toolbar972, "ToolbarButton973", 5, "スキン設定");
    ToolbarButton977 = make(Toolbar972, "ToolbarButton977", 7, "バージョン情報");
    ToolbarButton978 = make(Toolbar972, "ToolbarButton978", 6, "ヘルプ");
}

void TForm1::CreateMenus() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N1 = PopupMenu1->addAction(QStringLiteral("予定日へジャンプ(&J)"));
    N1->setObjectName(QStringLiteral("N1"));
    N1->setVisible(false);
    Delete1 = PopupMenu1->addAction(QStringLiteral("削除(&D)"));
    Delete1->setObjectName(QStringLiteral("Delete1"));
    U1 = PopupMenu1->addAction(QStringLiteral("修正(&U)"));
    U1->setObjectName(QStringLiteral("U1"));
    ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ListBox1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(ListBox1->viewport()->mapToGlobal(at)); });

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    N2 = PopupMenu2->addAction(QStringLiteral("バージョン情報(&V)"));
    N2->setObjectName(QStringLiteral("N2"));
    Exit1 = PopupMenu2->addAction(QStringLiteral("終了(&E)"));
    Exit1->setObjectName(QStringLiteral("Exit1"));

    IconTray1 = new TIconTray(this, QStringLiteral("IconTray1"));
    IconTray1->SetIcon(windowIcon());
    IconTray1->SetPopupMenu(PopupMenu2);
    IconTray1->Show();

    TCPClient1 = new TTCPClient(this);
    TCPClient1->setObjectName(QStringLiteral("TCPClient1"));
}

void TForm1::ConfigureCalendars() {
    TMonthlyCalendar* m = MonthlyCalendar1;
    m->SetFirstDayOfWeek(dowSun);
    m->SetNeighborColor(clSilver);
    m->SetDayOfWeekBkColor(clNavy);
    m->SetShowNeighbor(true);
    m->SetNeighborJump(true);
    m->SetAutoResize(true);
    m->SetFirstRowFirstDay(false);
    m->SetLastRowLastDay(false);
    m->SetShowRokuyo(true);
    m->SetColor(clWindow);
    m->Fonts().SetWeekday(CalendarFont(-12, clBlack));
    m->Fonts().SetSaturday(CalendarFont(-13, clBlue));
    m->Fonts().SetSunday(CalendarFont(-13, clRed));
    m->Fonts().SetDayOfWeek(CalendarFont(-13, clWhite));
    m->Fonts().SetHoliday(CalendarFont(-13, clRed));
    m->Fonts().SetSpecialDay(CalendarFont(-13, clGreen));
    m->Fonts().SetRokuyo(CalendarFont(-13, clBlack));
    m->HolidayList().Assign(DefaultHolidayLines());

    WeeklyCalendar1->SetFirstDayOfWeek(dowSun);
    WeeklyCalendar1->SetBorderColor(clInfoText);
    WeeklyCalendar1->SetColor(clInfoBk);
    DailyCalendar1->SetColor(clWindow);
    for (TCustomCalendarEx* c : {static_cast<TCustomCalendarEx*>(WeeklyCalendar1),
                                 static_cast<TCustomCalendarEx*>(DailyCalendar1)}) {
        c->Fonts().SetWeekday(CalendarFont(-12, clBlack));
        c->Fonts().SetSaturday(CalendarFont(-12, clBlue));
        c->Fonts().SetSunday(CalendarFont(-12, clRed));
        c->Fonts().SetDayOfWeek(CalendarFont(-12, clWhite));
        c->Fonts().SetHoliday(CalendarFont(-12, clRed));
        c->Fonts().SetSpecialDay(CalendarFont(-12, clGreen));
        c->Fonts().SetRokuyo(CalendarFont(-13, clBlack));
    }
}

void TForm1::ConnectHandlers() {
    connect(Rgn1, &TRgn::mousePressed, this, &TForm1::Rgn1MouseDown);
    connect(Label1, &TLabel::mousePressed, this, &TForm1::Rgn1MouseDown);
    connect(Rgn1, &TRgn::doubleClicked, this, &TForm1::Rgn1DblClick);
    connect(Label1, &TLabel::doubleClicked, this, &TForm1::Rgn1DblClick);
    Rgn1->installEventFilter(this);
    Label1->installEventFilter(this);
    connect(RgnBtn1, &TRgnBtn::clicked, this, &TForm1::RgnBtn1Click);
    connect(RgnBtn2, &TRgnBtn::clicked, this, &TForm1::RgnBtn2Click);
    connect(RgnBtn3, &TRgnBtn::clicked, this, &TForm1::RgnBtn3Click);

    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);

    MonthlyCalendar1->OnDayChange = [this](QObject*, int32_t y, uint8_t m, uint8_t d) {
        MonthlyCalendar1DayChange(y, m, d);
    };
    WeeklyCalendar1->OnDayChange = [this](QObject*, int32_t y, uint8_t m, uint8_t d) {
        WeeklyCalendar1DayChange(y, m, d);
    };
    MonthlyCalendar1->OnClick = [this](QObject*) { MonthlyCalendar1Click(); };
    WeeklyCalendar1->OnClick = [this](QObject*) { WeeklyCalendar1Click(); };
    DailyCalendar1->OnClick = [this](QObject*) { DailyCalendar1Click(); };
    MonthlyCalendar1->OnKeyPress = [this](QObject*, char& key) { ListBox1KeyPress(key); };
    WeeklyCalendar1->OnKeyPress = [this](QObject*, char& key) { ListBox1KeyPress(key); };
    DailyCalendar1->OnKeyPress = [this](QObject*, char& key) { DailyCalendar1KeyPress(key); };
    connect(ListBox1, &TProListBox::keyPressed, this, [this](int key) {
        char k = static_cast<char>(key);
        ListBox1KeyPress(k);
    });

    connect(ToolbarButton971, &QToolButton::clicked, this, &TForm1::ToolbarButton971Click);
    connect(ToolbarButton972, &QToolButton::clicked, this, &TForm1::ToolbarButton972Click);
    connect(ToolbarButton973, &QToolButton::clicked, this, &TForm1::ToolbarButton973Click);
    connect(ToolbarButton977, &QToolButton::clicked, this, &TForm1::ToolbarButton977Click);
    connect(ToolbarButton978, &QToolButton::clicked, this, &TForm1::ToolbarButton978Click);
    connect(ToolbarButton979, &QToolButton::clicked, this, &TForm1::ToolbarButton979Click);
    connect(N2, &QAction::triggered, this, &TForm1::N2Click);
    connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
    connect(Panel9, &TPanel::doubleClicked, this, &TForm1::Panel9DblClick);
    TCPClient1->OnConnect = [this](TTCPClient*) { TCPClient1Connect(); };
    TCPClient1->OnData = [this](TTCPClient*, const std::string& data) { TCPClient1Data(data); };
    TCPClient1->OnError = [this](TTCPClient*, int error, const std::string&) { TCPClient1Error(error); };
    TCPClient1->OnClose = [this](TTCPClient*) { TCPClient1Close(); };
    connect(IconTray1, &TIconTray::doubleClicked, this, &TForm1::IconTray1DblClick);
    ConnectListCommands();
}

void TForm1::FormCreate() {
    DailyCalendar1->hide();
    SetAlign(DailyCalendar1, TAlign::alClient);

    for (QWidget* w : std::initializer_list<QWidget*>{Panel1, Panel2, Panel3, Panel6, StatusBar1})
        w->setParent(Panel12);
    // The status bar lies below the week strip: docked to the bottom first.
    SetAlign(StatusBar1, TAlign::alBottom);

    SetAlign(Panel11, TAlign::alClient);
    SetAlign(Panel6, TAlign::alRight);
    SetAlign(Panel2, TAlign::alBottom);
    SetAlign(Panel1, TAlign::alLeft);
    SetAlign(Panel3, TAlign::alClient);
    SetAlign(Panel4, TAlign::alTop);
    SetAlign(Panel5, TAlign::alTop);
    SetAlign(Panel9, TAlign::alClient);
    Button2->raise();
    Button3->raise();

    Panel1->resize(width() / 3, Panel1->height());
    Panel6->resize(width() / 6, Panel6->height());
    Realign(Panel12);

    SetAlign(WeeklyCalendar1, TAlign::alClient);
    SetAlign(MonthlyCalendar1, TAlign::alClient);
    SetAlign(ListBox1, TAlign::alClient);
    SetAlign(Clock1, TAlign::alClient);

    // The views: each its own copy of the holiday list, all on today.
    WeeklyCalendar1->SetHolidayList(MonthlyCalendar1->HolidayList());
    DailyCalendar1->SetHolidayList(MonthlyCalendar1->HolidayList());
    DailyCalendar1->Today();
    WeeklyCalendar1->Today();
    MonthlyCalendar1->Today();
    SetMonthCaption();

    LoadSchedule();
}

void TForm1::PlaceControls() {
    Label1->move(Panel13->width() / 2 - Label1->width() / 2, Panel13->height() / 2 - Label1->height() / 2);
    Button1->move(Panel5->x(), Button1->y());
    Button2->move(Button1->x() + Button1->width(), Button2->y());
    Button3->move(Button2->x() + Button2->width(), Button3->y());
    Button6->move(Panel5->width() - 3 * Button6->width(), Button6->y());
    Button4->move(Panel5->width() - 2 * Button4->width(), Button4->y());
    Button5->move(Panel5->width() - Button5->width(), Button5->y());
    Panel7->resize(Panel7->width(), Panel7->width());
    Realign(Panel6);
}

void TForm1::SetMonthCaption() {
    Panel5->SetCaption(QStringLiteral("%1年%2月").arg(MonthlyCalendar1->Year()).arg(MonthlyCalendar1->Month()));
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The activation runs once, after the first show has been processed.
    if (!FActivationPosted) {
        FActivationPosted = true;
        QTimer::singleShot(0, this, &TForm1::FormActivate);
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    QWidget::closeEvent(event);
    if (event->isAccepted()) emit Closed();
}

// ---- title bar, tray, toolbar ----

void TForm1::Hide_proc() {
    // Without a notification area there would be no icon to bring the window
    // back: minimise instead.
    if (TIconTray::Available())
        hide();
    else
        showMinimized();
}

void TForm1::IconTray1DblClick() {
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void TForm1::N2Click() { ToolbarButton977Click(); }

void TForm1::ListBox1KeyPress(char& key) {
    if (key == 27) Hide_proc();
}

void TForm1::DailyCalendar1KeyPress(char& key) {
    if (key == 27) Hide_proc();
}

void TForm1::Rgn1MouseDown(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // The window goes to the system's move loop once the mouse moves with the
    // button down; handing it over at the press itself would swallow the
    // title's double click on some desktops.
    FDragFrom = event->globalPosition().toPoint();
    FDragArmed = true;
    FDragManual = false;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Rgn1 && watched != Label1) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove && FDragArmed) {
        auto* e = static_cast<QMouseEvent*>(event);
        const QPoint at = e->globalPosition().toPoint();
        if (!(e->buttons() & Qt::LeftButton)) {
            FDragArmed = false;
        } else if (FDragManual) {
            move(pos() + at - FDragFrom);
            FDragFrom = at;
        } else if ((at - FDragFrom).manhattanLength() >= QApplication::startDragDistance()) {
            QWindow* w = windowHandle();
            if (w && w->startSystemMove())
                FDragArmed = false;
            else  // no system move loop here: follow the mouse ourselves
                FDragManual = true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        FDragArmed = false;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::Rgn1DblClick() { RgnBtn2Click(); }

void TForm1::RgnBtn1Click() { close(); }

void TForm1::RgnBtn2Click() {
    if (height() == Panel13->height())
        resize(width(), UnshadedHeight);
    else
        resize(width(), Panel13->height());
}

void TForm1::RgnBtn3Click() {
    const bool visible = Dock971->isHidden();
    Dock971->setVisible(visible);
    Toolbar971->setVisible(visible);
    Toolbar972->setVisible(visible);
}

void TForm1::ToolbarButton972Click() { ShowModal(FProgram.Form5()); }

void TForm1::ToolbarButton973Click() {
    TForm4& skin = FProgram.Form4();
    skin.RgnBtn1->move(RgnBtn1->pos());
    skin.RgnBtn2->move(RgnBtn2->pos());
    skin.RgnBtn3->move(RgnBtn3->pos());
    ShowModal(skin);
}

void TForm1::ToolbarButton977Click() {
    ShowAboutBox(this, QStringLiteral("くらろん！ Ver 1.00"), windowIcon());
}

void TForm1::ToolbarButton978Click() {
    ShellOpen(PathJoin(FProgram.FileName("help"), "Kuralo.htm"));
}

void TForm1::ToolbarButton979Click() { close(); }

// ---- date navigation ----

void TForm1::FollowMonthView() {
    WeeklyCalendar1->SetJuliusDay(MonthlyCalendar1->JuliusDay());
    DailyCalendar1->SetJuliusDay(MonthlyCalendar1->JuliusDay());
    SetMonthCaption();
}

void TForm1::MonthlyCalendar1DayChange(int32_t, uint8_t, uint8_t) { FollowMonthView(); }

void TForm1::WeeklyCalendar1DayChange(int32_t, uint8_t, uint8_t) {
    DailyCalendar1->SetJuliusDay(WeeklyCalendar1->JuliusDay());
    MonthlyCalendar1->SetJuliusDay(WeeklyCalendar1->JuliusDay());
}

namespace {

// The month view's date, for the navigation buttons.
struct Ymd {
    int32_t Y;
    int M;
    int D;
};

Ymd MonthDate(TMonthlyCalendar* m) { return {m->Year(), m->Month(), m->Day()}; }

}  // namespace

// The buttons leave the day number as it is; SetDate rolls over what does
// not exist (31 February is 3 March).
void TForm1::Button1Click() {
    const Ymd t = MonthDate(MonthlyCalendar1);
    if (t.Y == 1900 && t.M == 1) return SetMonthCaption();
    MonthlyCalendar1->SetDate(t.Y, static_cast<uint8_t>(t.M - 1), static_cast<uint8_t>(t.D));
    FollowMonthView();
}

void TForm1::Button2Click() {
    const Ymd t = MonthDate(MonthlyCalendar1);
    if (t.Y == 1900 && t.M == 1 && t.D == 1) return SetMonthCaption();
    MonthlyCalendar1->SetDate(t.Y, static_cast<uint8_t>(t.M), static_cast<uint8_t>(t.D - 1));
    FollowMonthView();
}

void TForm1::Button3Click() {
    MonthlyCalendar1->Today();
    FollowMonthView();
}

void TForm1::Button4Click() {
    const Ymd t = MonthDate(MonthlyCalendar1);
    if (t.Y == 9999 && t.M == 12 && t.D == 31) return SetMonthCaption();
    MonthlyCalendar1->SetDate(t.Y, static_cast<uint8_t>(t.M), static_cast<uint8_t>(t.D + 1));
    FollowMonthView();
}

void TForm1::Button5Click() {
    const Ymd t = MonthDate(MonthlyCalendar1);
    if (t.Y == 9999 && t.M == 12) return SetMonthCaption();
    MonthlyCalendar1->SetDate(t.Y, static_cast<uint8_t>(t.M + 1), static_cast<uint8_t>(t.D));
    FollowMonthView();
}

void TForm1::Button6Click() {
    TForm3& jump = FProgram.Form3();
    jump.SetPickedDate(JuliusToDateTime(MonthlyCalendar1->JuliusDay()));
    ShowModal(jump);
    SetMonthCaption();
}

void TForm1::MonthlyCalendar1Click() { MonthlyCalendar1->setFocus(); }
void TForm1::WeeklyCalendar1Click() { WeeklyCalendar1->setFocus(); }
void TForm1::DailyCalendar1Click() { DailyCalendar1->setFocus(); }

void TForm1::ToolbarButton971Click() {
    if (!DailyCalendar1->isHidden()) {
        DailyCalendar1->hide();
        ListBox1->show();
        Panel4->SetCaption(QStringLiteral("予定一覧"));
    } else {
        DailyCalendar1->show();
        ListBox1->hide();
        Panel4->SetCaption(QStringLiteral("日めくりカレンダ"));
    }
}
