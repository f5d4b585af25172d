// Date navigation: the six buttons, the views kept in step, the jump dialog
// and the day calendar toggle.
#include <QDateEdit>

#include "app/Form3.h"
#include "platform/Controls.h"
#include "platform/RgnBtn.h"
#include "tests/app/MainWindowFixture.h"

namespace {

struct MainNavCase {
    const char* Name;
    int Y, M, D;
    int Button;  // 1 "<<", 2 "<", 3 "○", 4 ">", 5 ">>"
    const char* Expected;
};

const MainNavCase kMainNavCases[] = {
    {"PrevMonthFrom31MarchRollsOverTo3March", 2001, 3, 31, 1, "2001-3-3"},
    {"PrevMonthFrom31MarchInLeapYear", 2000, 3, 31, 1, "2000-3-2"},
    {"PrevMonthFrom31May", 2001, 5, 31, 1, "2001-5-1"},
    {"PrevMonthFromJanuaryIsDecember", 2001, 1, 15, 1, "2000-12-15"},
    {"NextMonthFrom31JanuaryRollsOverTo3March", 2001, 1, 31, 5, "2001-3-3"},
    {"NextMonthFrom31October", 2001, 10, 31, 5, "2001-12-1"},
    {"NextMonthFromDecemberIsJanuary", 2001, 12, 15, 5, "2002-1-15"},
    {"PrevDayFrom1March", 2001, 3, 1, 2, "2001-2-28"},
    {"NextDayFrom28February", 2001, 2, 28, 4, "2001-3-1"},
    {"TodayFromAnywhere", 1999, 7, 7, 3, "2001-4-11"},
    {"PrevDayStopsAt1January1900", 1900, 1, 1, 2, "1900-1-1"},
    {"PrevMonthStopsInJanuary1900", 1900, 1, 20, 1, "1900-1-20"},
    {"PrevMonthWorksBefore1900", 1899, 12, 15, 1, "1899-11-15"},
    {"NextDayStopsAt31December9999", 9999, 12, 31, 4, "9999-12-31"},
    {"NextMonthStopsInDecember9999", 9999, 12, 5, 5, "9999-12-5"},
};

struct MainNavigation : MainWindowFixture, ::testing::WithParamInterface<MainNavCase> {};

}  // namespace

TEST_P(MainNavigation, MovesAllThreeViewsAndTheCaption) {
    const MainNavCase& c = GetParam();
    form->MonthlyCalendar1->SetDate(c.Y, c.M, c.D);
    form->Panel5->SetCaption("stale");  // the caption is set again even when the date stops
    TButton* buttons[] = {form->Button1, form->Button2, form->Button3, form->Button4, form->Button5};
    QTest::mouseClick(buttons[c.Button - 1], Qt::LeftButton);
    EXPECT_EQ(Views(), Same(c.Expected));
    EXPECT_EQ(Caption(), QStringLiteral("%1年%2月").arg(form->MonthlyCalendar1->Year()).arg(form->MonthlyCalendar1->Month()));
    EXPECT_TRUE(script.Log().empty());
}

INSTANTIATE_TEST_SUITE_P(Buttons, MainNavigation, ::testing::ValuesIn(kMainNavCases),
                         [](const auto& info) { return std::string(info.param.Name); });

using MainNavigationErrors = MainWindowFixture;

TEST_F(MainNavigationErrors, TheMissingDaysOf1582ShowTheErrorAndChangeNothing) {
    const struct {
        int Y, M, D;
        TButton* Button;
    } cases[] = {{1582, 10, 15, form->Button2}, {1582, 11, 10, form->Button1}, {1582, 9, 10, form->Button5},
                 {1582, 10, 4, form->Button4}};
    for (const auto& c : cases) {
        form->MonthlyCalendar1->SetDate(c.Y, c.M, c.D);
        const std::string before = Views();
        form->Panel5->SetCaption("unchanged");
        script.Press();
        QTest::mouseClick(c.Button, Qt::LeftButton);
        EXPECT_EQ(Views(), before);
        EXPECT_EQ(Caption(), "unchanged");
        ASSERT_FALSE(script.Log().empty());
        EXPECT_EQ(script.Log().back().Text, "1582/10/5-10/14は存在しません。");
        EXPECT_EQ(script.Log().back().Type, TMsgDlgType::mtError);
    }
    EXPECT_EQ(script.Log().size(), 4u);
}

using MainSynchronisation = MainWindowFixture;

TEST_F(MainSynchronisation, AClickInTheWeekStripMovesTheMonthViewAndCaption) {
    form->resize(640, 423);
    form->MonthlyCalendar1->SetDate(2001, 4, 30);  // week of Sunday 29 April
    TWeeklyCalendar* week = form->WeeklyCalendar1;
    const QPoint row3 = week->ClientRect().topLeft() + week->RowRect(3).center();  // Wednesday 2 May
    QTest::mouseClick(week, Qt::LeftButton, {}, row3);
    EXPECT_EQ(Views(), Same("2001-5-2"));
    EXPECT_EQ(Caption(), "2001年5月");
    EXPECT_EQ(form->focusWidget(), week);
}

TEST_F(MainSynchronisation, KeysInTheDayViewMoveOnlyTheDayView) {
    form->ToolbarButton971->click();
    EXPECT_FALSE(form->DailyCalendar1->isHidden());
    EXPECT_TRUE(form->ListBox1->isHidden());
    EXPECT_EQ(form->Panel4->Caption(), "日めくりカレンダ");
    EXPECT_EQ(form->DailyCalendar1->geometry(), form->Panel3->rect().adjusted(0, 17, 0, 0));

    QTest::keyClick(form->DailyCalendar1, Qt::Key_Down);
    QTest::keyClick(form->DailyCalendar1, Qt::Key_Down);
    QTest::keyClick(form->DailyCalendar1, Qt::Key_Up);
    EXPECT_EQ(Views(), "2001-4-11 2001-4-11 2001-4-12");
    EXPECT_EQ(Caption(), "2001年4月");

    // The next change of the month view brings the day view back in step.
    QTest::mouseClick(form->Button4, Qt::LeftButton);
    EXPECT_EQ(Views(), Same("2001-4-12"));

    form->ToolbarButton971->click();
    EXPECT_TRUE(form->DailyCalendar1->isHidden());
    EXPECT_FALSE(form->ListBox1->isHidden());
    EXPECT_EQ(form->Panel4->Caption(), "予定一覧");
}

using JumpDialog = MainWindowFixture;

TEST_F(JumpDialog, EnterJumpsToThePickedDate) {
    TForm3& jump = program->Form3();
    QDate shown;
    script.Act([&](QDialog&) {
        shown = jump.DateTimePicker1->date();
        jump.DateTimePicker1->setDate(QDate(2003, 2, 14));
        QTest::keyClick(jump.DateTimePicker1, Qt::Key_Return);
    });
    QTest::mouseClick(form->Button6, Qt::LeftButton);
    EXPECT_EQ(shown, QDate(2001, 4, 11));
    EXPECT_EQ(Views(), Same("2003-2-14"));
    EXPECT_EQ(Caption(), "2003年2月");
    EXPECT_FALSE(jump.isVisible());
    EXPECT_EQ(script.Texts(), QStringList({"ジャンプ"}));
}

TEST_F(JumpDialog, EscapeAndCancelLeaveEverythingAsItWas) {
    TForm3& jump = program->Form3();
    script.Act([&](QDialog&) {
        jump.DateTimePicker1->setDate(QDate(2003, 2, 14));
        QTest::keyClick(jump.DateTimePicker1, Qt::Key_Escape);
    });
    script.Act([&](QDialog&) {
        jump.DateTimePicker1->setDate(QDate(2003, 2, 14));
        QTest::mouseClick(jump.Label2, Qt::LeftButton);  // the caption ｷｬﾝｾﾙ over Button2
    });
    for (int i = 0; i < 2; ++i) {
        QTest::mouseClick(form->Button6, Qt::LeftButton);
        EXPECT_EQ(Views(), Same("2001-4-11"));
        EXPECT_EQ(Caption(), "2001年4月");
        EXPECT_FALSE(jump.isVisible());
    }
    EXPECT_EQ(script.Pending(), 0);
}

TEST_F(JumpDialog, TheJumpButtonAndItsCaptionBothJump) {
    TForm3& jump = program->Form3();
    EXPECT_EQ(jump.Label3->text(), "ｼﾞｬﾝﾌﾟ");
    EXPECT_EQ(jump.Button1->geometry(), QRect(216, 8, 61, 20));
    EXPECT_EQ(jump.DateTimePicker1->geometry(), QRect(8, 32, 186, 20));
    script.Act([&](QDialog&) {
        jump.DateTimePicker1->setDate(QDate(1995, 1, 17));
        QTest::mouseClick(jump.Label3, Qt::LeftButton);
    });
    QTest::mouseClick(form->Button6, Qt::LeftButton);
    EXPECT_EQ(Views(), Same("1995-1-17"));
}
