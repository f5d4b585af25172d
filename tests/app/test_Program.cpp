// The program object and the main window's layout.
#include <QApplication>
#include <QDialog>

#include "app/Form3.h"
#include "platform/Controls.h"
#include "platform/ProListBox.h"
#include "platform/RgnBtn.h"
#include "platform/Toolbar97.h"
#include "schedule/Form2.h"
#include "settings/Form5.h"
#include "skins/Form4.h"
#include "tests/app/MainWindowFixture.h"

using MainProgram = MainWindowFixture;

TEST_F(MainProgram, CreatesTheFiveWindowsWithTheirCaptionsAndSizes) {
    EXPECT_EQ(form->windowTitle(), "くらろん！");
    EXPECT_EQ(form->size(), QSize(640, 423));
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(form->isVisible());
    const struct {
        QDialog* Dialog;
        const char* Caption;
        QSize Size;
    } dialogs[] = {{&program->Form2(), "予定入力", {340, 130}},
                   {&program->Form3(), "ジャンプ", {285, 67}},
                   {&program->Form4(), "スキン設定", {640, 165}},
                   {&program->Form5(), "設定", {385, 199}}};
    for (const auto& d : dialogs) {
        EXPECT_EQ(d.Dialog->windowTitle(), QString::fromUtf8(d.Caption));
        EXPECT_EQ(d.Dialog->size(), d.Size) << d.Caption;
        EXPECT_FALSE(d.Dialog->isVisible());
    }
}

TEST_F(MainProgram, TwoProgramsInOneProcessKeepTheirOwnFoldersAndWindows) {
    TempFolder other;
    TProgram second(other.Path());
    EXPECT_EQ(program->ProgramFolder(), tmp.Path());
    EXPECT_EQ(second.FileName("yotei.dat"), other.File("yotei.dat"));
    EXPECT_NE(&second.Form1(), form);
    // A date change in one program leaves the other where it was.
    second.Form1().MonthlyCalendar1->SetDate(2002, 1, 1);
    EXPECT_EQ(Views(), Same("2001-4-11"));
    EXPECT_EQ(&second.Form3().Program(), &second);
}

TEST_F(MainProgram, LaysOutThePanelsAtTheirDesignSizes) {
    auto geometryIn = [&](QWidget* w) { return QRect(w->mapTo(form, QPoint(0, 0)), w->size()); };
    EXPECT_EQ(geometryIn(form->Panel13), QRect(0, 0, 640, 23));
    EXPECT_EQ(form->Panel1->width(), 213);
    EXPECT_EQ(form->Panel6->width(), 106);
    EXPECT_EQ(geometryIn(form->StatusBar1), QRect(0, 404, 640, 19));
    EXPECT_EQ(geometryIn(form->Panel2).bottom(), 403);
    EXPECT_EQ(geometryIn(form->Panel3).left(), 213);
    EXPECT_EQ(geometryIn(form->Panel3).right(), 640 - 106 - 1);
    EXPECT_EQ(form->Panel5->geometry(), QRect(0, 0, 213, 17));
    EXPECT_EQ(form->Panel4->geometry(), QRect(0, 0, 640 - 213 - 106, 17));
    EXPECT_EQ(form->ListBox1->geometry(), form->Panel3->rect().adjusted(0, 17, 0, 0));
    EXPECT_EQ(form->WeeklyCalendar1->geometry(), form->Panel2->rect());
    EXPECT_EQ(form->Panel7->height(), form->Panel7->width());  // the clock is square
    EXPECT_EQ(form->Panel4->Caption(), "予定一覧");
    EXPECT_TRUE(form->DailyCalendar1->isHidden());
    EXPECT_FALSE(form->ListBox1->isHidden());

    // The navigation row: <<, <, ○ at the left; □, >, >> at the right.
    const int lefts[] = {0, 17, 34, 179, 196, 162};
    TButton* buttons[] = {form->Button1, form->Button2, form->Button3, form->Button4, form->Button5, form->Button6};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(geometryIn(buttons[i]), QRect(lefts[i], 51, 17, 17)) << i + 1;
    // The title text is centred on the strip.
    const QRect title = form->Label1->geometry();
    EXPECT_EQ(title.left(), 320 - title.width() / 2);
    EXPECT_EQ(title.top(), 11 - title.height() / 2);
}

TEST_F(MainProgram, EveryControlHasItsGivenName) {
    for (const char* name :
         {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6", "Panel7", "Panel8", "Panel9", "Panel10",
          "Panel11", "Panel12", "Panel13", "Rgn1", "RgnBtn1", "RgnBtn2", "RgnBtn3", "Label1", "Dock971",
          "Toolbar971", "Toolbar972", "StatusBar1", "MonthlyCalendar1", "WeeklyCalendar1", "DailyCalendar1",
          "ListBox1", "Clock1", "Button1", "Button6", "ToolbarButton971", "ToolbarButton979", "PopupMenu1",
          "PopupMenu2"})
        EXPECT_NE(form->findChild<QObject*>(QString::fromUtf8(name)), nullptr) << name;
    EXPECT_EQ(form->ToolbarButton971->toolTip(), "日めくりカレンダー表示");
    EXPECT_EQ(form->ToolbarButton978->toolTip(), "ヘルプ");
    EXPECT_EQ(form->Toolbar972->DockPos(), 125);
    EXPECT_FALSE(form->N1->isVisible());
}
