// The common calendar base: date and navigation, setters and their redraws,
// the day-change event, rule lists, fonts, keys and tiny sizes.
#include <QLineEdit>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "calendar/Julius.h"
#include "platform/Exception.h"
#include "tests/TestUtil.h"
#include "tests/calendar/CalExFixture.h"

namespace {

// Records redraws and day changes in the order they happen.
class ProbeCalendar : public TCustomCalendarEx {
public:
    ProbeCalendar() {
        OnDayChange = [this](QObject* sender, int32_t y, uint8_t m, uint8_t d) {
            EXPECT_EQ(sender, this);
            log.push_back("change " + std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d));
        };
    }
    void UpdateBuffer() override {
        TCustomCalendarEx::UpdateBuffer();
        log.push_back("draw");
    }
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

class CalendarBase : public ::testing::Test {
protected:
    FixedToday today{2001, 4, 11};
    std::unique_ptr<ProbeCalendar> cal = MakeCalendar<ProbeCalendar>(140, 100);
    void SetUp() override { cal->log.clear(); }
};

TEST_F(CalendarBase, StartsOnTodayWithDefaults) {
    EXPECT_EQ(cal->JuliusDay(), 2452011);
    EXPECT_EQ(Ymd(*cal), std::make_tuple(2001, 4, 11));
    EXPECT_EQ(cal->Color(), clWindow);
    EXPECT_TRUE(cal->AutoEquinox());
    EXPECT_TRUE(cal->AutoFurikae());
    EXPECT_EQ(cal->HolidayList().Count(), 0);
    EXPECT_EQ(cal->SpecialDayList().Count(), 0);
    EXPECT_EQ(cal->focusPolicy(), Qt::StrongFocus);
    EXPECT_TRUE(cal->testAttribute(Qt::WA_OpaquePaintEvent));

    auto& f = cal->Fonts();
    EXPECT_EQ(f.Weekday().Color(), clBlack);
    EXPECT_EQ(f.Saturday().Color(), clBlue);
    EXPECT_EQ(f.Sunday().Color(), clRed);
    EXPECT_EQ(f.DayOfWeek().Color(), clWhite);
    EXPECT_EQ(f.Holiday().Color(), clRed);
    EXPECT_EQ(f.SpecialDay().Color(), clGreen);
    EXPECT_EQ(f.Rokuyo().Color(), clBlack);
    EXPECT_EQ(f.Rokuyo().Height(), -13);  // 10 points
    EXPECT_FALSE(f.Synchronize());
}

TEST_F(CalendarBase, BufferIsTheClientAreaFilledWithColor) {
    EXPECT_EQ(cal->Buffer().size(), QSize(140, 100));
    EXPECT_EQ(cal->Buffer().pixel(70, 50), Rgb(clWindow));

    cal->SetClientEdge(true);
    EXPECT_EQ(cal->ClientRect(), QRect(2, 2, 136, 96));
    EXPECT_EQ(cal->Buffer().size(), QSize(136, 96));

    cal->resize(60, 30);
    QApplication::processEvents();
    EXPECT_EQ(cal->Buffer().size(), QSize(56, 26));
}

TEST_F(CalendarBase, EqualDateDoesNothing) {
    cal->SetJuliusDay(2452011);
    cal->SetDate(2001, 4, 11);
    cal->Today();
    EXPECT_EQ(cal->log, Log{});
}

TEST_F(CalendarBase, NewDateRedrawsThenFiresOnce) {
    cal->SetJuliusDay(2452012);
    EXPECT_EQ(cal->log, (Log{"draw", "change 2001-4-12"}));
}

TEST_F(CalendarBase, PartSettersRefuseImpossibleDatesSilently) {
    cal->SetDay(31);      // 2001-04-31
    cal->SetMonth(2);     // 2001-02-11 exists, so this one moves
    cal->SetMonth(4);
    EXPECT_EQ(cal->log, (Log{"draw", "change 2001-2-11", "draw", "change 2001-4-11"}));
    cal->log.clear();

    cal->SetDay(30);
    EXPECT_EQ(cal->log, (Log{"draw", "change 2001-4-30"}));

    cal->SetDate(2000, 2, 29);
    cal->log.clear();
    cal->SetYear(2001);   // 2001-02-29
    cal->SetMonth(13);
    cal->SetDay(0);
    EXPECT_EQ(cal->log, Log{});
    EXPECT_EQ(Ymd(*cal), std::make_tuple(2000, 2, 29));
}

TEST_F(CalendarBase, MissingOctober1582RaisesAndKeepsTheDate) {
    cal->SetDate(1582, 10, 4);
    EXPECT_THROW(cal->SetDay(10), EJuliusError);
    EXPECT_THROW(cal->SetDate(1582, 10, 5), EJuliusError);
    EXPECT_EQ(Ymd(*cal), std::make_tuple(1582, 10, 4));
}

struct NavCase {
    const char* name;
    int y, m, d;
    void (TCustomCalendarEx::*step)();
    int ey, em, ed;
    friend void PrintTo(const NavCase& c, std::ostream* os) { *os << c.name; }
};

class Navigation : public ::testing::TestWithParam<NavCase> {
protected:
    FixedToday today{2001, 4, 11};
};

TEST_P(Navigation, Lands) {
    const auto& c = GetParam();
    TCustomCalendarEx cal;
    cal.SetDate(c.y, c.m, c.d);
    (cal.*c.step)();
    EXPECT_EQ(Ymd(cal), std::make_tuple(c.ey, c.em, c.ed));
}

INSTANTIATE_TEST_SUITE_P(Base, Navigation, ::testing::Values(
    NavCase{"NextMonthClampsTo28", 2001, 1, 31, &TCustomCalendarEx::NextMonth, 2001, 2, 28},
    NavCase{"NextMonthLeapFebruary", 2000, 1, 31, &TCustomCalendarEx::NextMonth, 2000, 2, 29},
    NavCase{"NextMonthIntoNewYear", 2001, 12, 15, &TCustomCalendarEx::NextMonth, 2002, 1, 15},
    NavCase{"PrevMonthClamps", 2001, 3, 31, &TCustomCalendarEx::PrevMonth, 2001, 2, 28},
    NavCase{"PrevMonthIntoOldYear", 2001, 1, 10, &TCustomCalendarEx::PrevMonth, 2000, 12, 10},
    NavCase{"NextDayCrossesMonth", 2001, 4, 30, &TCustomCalendarEx::NextDay, 2001, 5, 1},
    NavCase{"PrevDayCrossesYear", 2001, 1, 1, &TCustomCalendarEx::PrevDay, 2000, 12, 31},
    NavCase{"NextWeek", 2001, 4, 28, &TCustomCalendarEx::NextWeek, 2001, 5, 5},
    NavCase{"PrevWeek", 2001, 4, 3, &TCustomCalendarEx::PrevWeek, 2001, 3, 27}),
    CaseName);

TEST_F(CalendarBase, SetDateRollsOverAndTodayReturns) {
    cal->SetDate(2001, 13, 1);
    EXPECT_EQ(Ymd(*cal), std::make_tuple(2002, 1, 1));
    cal->SetDate(2001, 3, 0);
    EXPECT_EQ(Ymd(*cal), std::make_tuple(2001, 2, 28));
    cal->Today();
    EXPECT_EQ(cal->JuliusDay(), 2452011);
}

TEST_F(CalendarBase, DisplaySettersRedrawOnlyOnChange) {
    cal->SetColor(clWindow);
    cal->SetAutoEquinox(true);
    cal->SetAutoFurikae(true);
    cal->Fonts().Weekday().SetColor(clBlack);
    EXPECT_EQ(cal->log, Log{});

    cal->SetColor(clYellow);
    EXPECT_EQ(cal->Buffer().pixel(0, 0), Rgb(255, 255, 0));
    cal->SetAutoEquinox(false);
    cal->SetAutoFurikae(false);
    cal->Fonts().Weekday().SetColor(clGray);
    EXPECT_EQ(cal->log, (Log{"draw", "draw", "draw", "draw"}));
}

TEST_F(CalendarBase, SynchronizedFontsCopyIntoAllSevenWithOneRedraw) {
    TFont big;
    big.SetHeight(-20);
    big.SetColor(clPurple);
    cal->Fonts().SetSunday(big);
    EXPECT_EQ(cal->Fonts().Sunday(), big);
    EXPECT_NE(cal->Fonts().Weekday(), big);
    cal->log.clear();

    cal->Fonts().SetSynchronize(true);
    cal->Fonts().SetHoliday(big);
    for (int i = 0; i < cfCount; ++i)
        EXPECT_EQ(cal->Fonts().Font(i), big) << i;
    EXPECT_EQ(cal->log, Log{"draw"});
}

TEST_F(CalendarBase, DayFontFollowsTheKinds) {
    TStringList holidays;
    holidays.Assign(DefaultHolidayLines());
    auto& f = cal->Fonts();
    EXPECT_EQ(&cal->GetDayFont(2001, 2, 11), &f.Sunday()) << "no rules yet";

    cal->SetHolidayList(holidays);
    EXPECT_EQ(&cal->GetDayFont(2001, 2, 11), &f.Holiday());   // Sunday and 建国の日
    EXPECT_EQ(&cal->GetDayFont(2001, 2, 12), &f.Holiday());   // its substitute
    EXPECT_EQ(&cal->GetDayFont(2001, 2, 10), &f.Saturday());
    EXPECT_EQ(&cal->GetDayFont(2001, 2, 13), &f.Weekday());
    cal->SpecialDayList().Add(S(u8"2001,2001,02,11,,,[会議]"));
    EXPECT_EQ(&cal->GetDayFont(2001, 2, 11), &f.SpecialDay());

    EXPECT_EQ(&cal->GetDayFont(2001, 3, 20), &f.Holiday());   // vernal equinox
    EXPECT_EQ(&cal->GetDayFont(2001, 9, 24), &f.Holiday());   // after the Sunday equinox
    cal->SetAutoEquinox(false);
    EXPECT_EQ(&cal->GetDayFont(2001, 3, 20), &f.Weekday());
    EXPECT_EQ(&cal->GetDayFont(2001, 9, 24), &f.Weekday());
    EXPECT_EQ(cal->GetDayNames(2001, 3, 20), "");
}

TEST_F(CalendarBase, ListEditsReparseAndRedrawAtOnce) {
    cal->SpecialDayList().Add(S(u8"2001,2001,04,12,,,[山田年休]"));
    EXPECT_EQ(cal->log, Log{"draw"});
    EXPECT_EQ(cal->GetDayNames(2001, 4, 12), S(u8"[山田年休]"));
    EXPECT_TRUE(cal->GetDayKinds(2001, 4, 12) & dkSpecialDay);

    cal->log.clear();
    cal->SpecialDayList().BeginUpdate();
    cal->SpecialDayList().Add(S(u8"2001,2001,04,13,,,[a]"));
    cal->SpecialDayList().Delete(0);
    cal->SpecialDayList().EndUpdate();
    EXPECT_EQ(cal->log, Log{"draw"});
    EXPECT_EQ(cal->GetDayNames(2001, 4, 12), "");
    EXPECT_EQ(cal->GetDayNames(2001, 4, 13), "[a]");

    cal->HolidayList().Add(S(u8",,4,14,,,休"));
    EXPECT_EQ(cal->GetDayNames(2001, 4, 14), S(u8"休"));
    cal->HolidayList().Clear();
    EXPECT_EQ(cal->GetDayNames(2001, 4, 14), "");
}

TEST_F(CalendarBase, ListAssignmentCopiesTheLines) {
    TStringList source;
    source.Add("2001,2001,04,12,,,[x]");
    cal->SetSpecialDayList(source);
    EXPECT_EQ(cal->GetDayNames(2001, 4, 12), "[x]");

    source.Add("2001,2001,04,13,,,[y]");
    EXPECT_EQ(cal->SpecialDayList().Count(), 1);
    EXPECT_EQ(cal->GetDayNames(2001, 4, 13), "");

    // Copying one calendar's list into another, as the views are fed.
    TCustomCalendarEx other;
    other.SetSpecialDayList(cal->SpecialDayList());
    EXPECT_EQ(other.GetDayNames(2001, 4, 12), "[x]");
}

TEST_F(CalendarBase, BadRuleLineRaisesAfterShowingWhatParsed) {
    cal->SetColor(clWhite);
    cal->log.clear();
    TStringList lines;
    lines.Add(",,4,12,,,ok");
    lines.Add("x,4,1,bad");
    lines.Add(",,4,13,,,later");
    EXPECT_THROW(cal->SetHolidayList(lines), EConvertError);
    EXPECT_EQ(cal->log, Log{"draw"});
    EXPECT_EQ(cal->HolidayList().Count(), 3);
    ASSERT_EQ(cal->HolidayItems.size(), 2u) << "the good line and the bad one, not the one after";
    EXPECT_EQ(cal->HolidayItems[0].Name, "ok");
}

TEST_F(CalendarBase, ArrowsStayWithTheControlAndTabLeaves) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* grid = new TMonthlyCalendar;
    auto* edit = new QLineEdit;
    layout->addWidget(grid);
    layout->addWidget(edit);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    grid->setFocus();
    ASSERT_TRUE(grid->hasFocus());

    for (auto key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up})
        QTest::keyClick(grid, key);
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(Ymd(*grid), std::make_tuple(2001, 4, 11));

    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(Ymd(*grid), std::make_tuple(2001, 4, 12));
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_TRUE(edit->hasFocus());
}

TEST_F(CalendarBase, KeyPressEventsCarryTheCharacter) {
    std::vector<int> chars;
    cal->OnKeyPress = [&](QObject*, char& key) { chars.push_back(key); };
    QTest::keyClick(cal.get(), Qt::Key_Escape);
    QTest::keyClick(cal.get(), Qt::Key_A);
    QTest::keyClick(cal.get(), Qt::Key_Right);  // no character
    EXPECT_EQ(chars, (std::vector<int>{27, 'a'}));
}

TEST_F(CalendarBase, ClickAndDoubleClickEvents) {
    int clicks = 0, doubles = 0;
    std::vector<QPoint> downs;
    cal->OnClick = [&](QObject*) { ++clicks; };
    cal->OnDblClick = [&](QObject*) { ++doubles; };
    cal->OnMouseDown = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) { downs.emplace_back(x, y); };
    cal->SetClientEdge(true);
    QTest::mouseClick(cal.get(), Qt::LeftButton, {}, QPoint(10, 20));
    QTest::mouseClick(cal.get(), Qt::RightButton, {}, QPoint(10, 20));
    // A double click arrives as press, release, double-click press, release.
    QTest::mouseClick(cal.get(), Qt::LeftButton, {}, QPoint(10, 20));
    QTest::mouseDClick(cal.get(), Qt::LeftButton, {}, QPoint(10, 20));
    QTest::mouseRelease(cal.get(), Qt::LeftButton, {}, QPoint(10, 20));
    EXPECT_EQ(clicks, 2);  // the double click's second release is no click
    EXPECT_EQ(doubles, 1);
    ASSERT_EQ(downs.size(), 4u);
    EXPECT_EQ(downs[0], QPoint(8, 18)) << "client coordinates, inside the edge";
}

TEST(CalendarTiny, DrawsAndTakesClicksAtAnySize) {
    FixedToday today{2001, 4, 11};
    for (QSize size : {QSize(0, 0), QSize(1, 1), QSize(3, 2), QSize(6, 5), QSize(7, 3)}) {
        SCOPED_TRACE(QString("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        std::vector<std::unique_ptr<TCustomCalendarEx>> cals;
        cals.push_back(MakeCalendar<TMonthlyCalendar>(size.width(), size.height()));
        cals.push_back(MakeCalendar<TWeeklyCalendar>(size.width(), size.height()));
        cals.push_back(MakeCalendar<TDailyCalendar>(size.width(), size.height()));
        for (auto& cal : cals) {
            cal->SetClientEdge(true);  // leaves no client area at all
            cal->SetClientEdge(false);
            if (auto* grid = dynamic_cast<TMonthlyCalendar*>(cal.get())) {
                grid->SetShowRokuyo(true);
                grid->SetShowNeighbor(true);
                grid->SetNeighborJump(true);
            }
            cal->NextMonth();
            EXPECT_EQ(cal->Buffer().size(), cal->size().isEmpty() ? QSize(0, 0) : cal->size());
            QTest::mouseClick(cal.get(), Qt::LeftButton, {}, QPoint(0, 0));
            QTest::mouseClick(cal.get(), Qt::LeftButton, {},
                              QPoint(std::max(0, size.width() - 1), std::max(0, size.height() - 1)));
            QTest::keyClick(cal.get(), Qt::Key_Down);
        }
    }
}

}  // namespace
