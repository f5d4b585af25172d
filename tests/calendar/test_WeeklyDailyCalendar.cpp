// The week strip and the day page: layout, drawing, mouse and keys.
#include <string>

#include "calendar/Julius.h"
#include "tests/TestUtil.h"
#include "tests/calendar/CalExFixture.h"

namespace {

struct StripCase {
    const char* name;
    int y, m, d;
    TDayOfWeek firstDay;
    int fy, fm, fd;
    friend void PrintTo(const StripCase& c, std::ostream* os) { *os << c.name; }
};

class WeekStrip : public ::testing::TestWithParam<StripCase> {
protected:
    FixedToday today{2001, 4, 11};
};

TEST_P(WeekStrip, FirstDay) {
    const auto& c = GetParam();
    TWeeklyCalendar cal;
    cal.SetDate(c.y, c.m, c.d);
    cal.SetFirstDayOfWeek(c.firstDay);
    EXPECT_EQ(cal.FirstStripDay(), J(c.fy, c.fm, c.fd));
}

INSTANTIATE_TEST_SUITE_P(Weekly, WeekStrip, ::testing::Values(
    StripCase{"WednesdayFromSunday", 2001, 4, 11, dowSun, 2001, 4, 8},
    StripCase{"WednesdayFromMonday", 2001, 4, 11, dowMon, 2001, 4, 9},
    StripCase{"SaturdayIsLastFromSunday", 2001, 4, 14, dowSun, 2001, 4, 8},
    StripCase{"SaturdayIsFirstFromSaturday", 2001, 4, 14, dowSat, 2001, 4, 14},
    StripCase{"SundayFromMonday", 2001, 4, 15, dowMon, 2001, 4, 9}),
    CaseName);

TEST(WeeklyGeometry, RowsOf73Pixels) {
    const int tops[] = {0, 10, 20, 31, 41, 52, 62};
    for (int a = 0; a < 7; ++a)
        EXPECT_EQ(TWeeklyCalendar::RowRectFor(150, 73, a).top(), tops[a]) << a;
    const QRect last = TWeeklyCalendar::RowRectFor(150, 73, 6);
    EXPECT_EQ(last.top() + last.height(), 73);
    EXPECT_EQ(last.width(), 150);

    EXPECT_EQ(TWeeklyCalendar::RowAtFor(73, 0), 0);
    EXPECT_EQ(TWeeklyCalendar::RowAtFor(73, 72), 6);
    EXPECT_EQ(TWeeklyCalendar::RowAtFor(73, 31), 2) << "31 x 7 / 73 = 2.97";
    EXPECT_EQ(TWeeklyCalendar::RowAtFor(0, 5), 0);
}

class Weekly : public ::testing::Test {
protected:
    FixedToday today{2001, 4, 11};
    std::unique_ptr<TWeeklyCalendar> cal = MakeCalendar<TWeeklyCalendar>(200, 73);
};

TEST_F(Weekly, DefaultsAreTooltipColours) {
    EXPECT_EQ(cal->Color(), clInfoBk);
    EXPECT_EQ(cal->BorderColor(), clInfoText);
    EXPECT_EQ(cal->FirstDayOfWeek(), dowSun);
}

TEST_F(Weekly, SelectedRowInvertedAndSeparatorsBetweenRows) {
    cal->SetColor(clWhite);
    cal->SetBorderColor(clRed);
    // The right edge holds no text: only fills and separators.
    for (int y = 0; y < 73; ++y) {
        QRgb expected = Rgb(clWhite);
        if (y == 10 || y == 20 || y == 41 || y == 52 || y == 62)
            expected = Rgb(clRed);          // on the first pixel row of the next row
        else if (y >= 31 && y <= 40)
            expected = Rgb(clBlack);        // 11 April, a Wednesday, in the weekday font's colour
        EXPECT_EQ(cal->Buffer().pixel(199, y), expected) << "y=" << y;
    }
}

TEST_F(Weekly, RowsReadLeftAlignedWithTheDaysNames) {
    auto big = MakeCalendar<TWeeklyCalendar>(600, 350);  // rows of 50
    UseLargeFonts(*big, 30);
    big->SetColor(clWhite);
    big->SpecialDayList().Add(S(u8"2001,2001,04,12,,,[山田年休]"));
    const QRgb white = Rgb(clWhite);
    // Below each row's first pixel row, which carries the separator.
    const QRect withName = InkBounds(big->Buffer(), big->RowRect(4).adjusted(0, 1, 0, 0), white);  // 4/12(木) [山田年休]
    const QRect without = InkBounds(big->Buffer(), big->RowRect(5).adjusted(0, 1, 0, 0), white);   // 4/13(金)
    EXPECT_LE(without.left(), 3);
    EXPECT_GT(withName.right(), without.right() + 100);
    EXPECT_GT(CountColour(big->Buffer(), big->RowRect(4), Rgb(clGreen)), 0) << "special-day font";
    // The selected row's text is in the background colour on its own fill.
    const QRect selected = big->RowRect(3);
    EXPECT_GT(CountColour(big->Buffer(), selected, white), 0);
    EXPECT_EQ(big->Buffer().pixel(599, selected.top() + 1), Rgb(clBlack));
}

TEST_F(Weekly, ClicksPickTheRowAndKeepTheWeek) {
    cal->SetClientEdge(true);
    cal->resize(204, 77);  // client 200 x 73
    QApplication::processEvents();
    int downs = 0;
    cal->OnMouseDown = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++downs; };

    QTest::mouseClick(cal.get(), Qt::LeftButton, {}, QPoint(50, 2 + 72));
    EXPECT_EQ(Ymd(*cal), std::make_tuple(2001, 4, 14));
    QTest::mouseClick(cal.get(), Qt::RightButton, {}, QPoint(50, 2 + 0));
    EXPECT_EQ(Ymd(*cal), std::make_tuple(2001, 4, 8));
    EXPECT_EQ(cal->FirstStripDay(), J(2001, 4, 8));
    EXPECT_EQ(downs, 2);
}

class WeeklyKeys : public ::testing::TestWithParam<KeyCase> {
protected:
    FixedToday today{2001, 4, 11};
};

TEST_P(WeeklyKeys, EventThenMove) {
    const auto& c = GetParam();
    auto cal = MakeCalendar<TWeeklyCalendar>(200, 73);
    cal->SetDate(c.y, c.m, c.d);
    int events = 0;
    cal->OnKeyDown = [&](QObject*, int&, Qt::KeyboardModifiers) {
        ++events;
        EXPECT_EQ(Ymd(*cal), std::make_tuple(c.y, c.m, c.d)) << "the event comes before the move";
    };
    QTest::keyClick(cal.get(), c.key);
    EXPECT_EQ(events, 1);
    EXPECT_EQ(Ymd(*cal), std::make_tuple(c.ey, c.em, c.ed));
}

INSTANTIATE_TEST_SUITE_P(Weekly, WeeklyKeys, ::testing::Values(
    KeyCase{"Down", 2001, 4, 11, Qt::Key_Down, 2001, 4, 12},
    KeyCase{"UpFromTopRowToPreviousWeek", 2001, 4, 8, Qt::Key_Up, 2001, 4, 7},
    KeyCase{"PageDownKeepsTheRow", 2001, 4, 11, Qt::Key_PageDown, 2001, 4, 18},
    KeyCase{"PageUp", 2001, 4, 11, Qt::Key_PageUp, 2001, 4, 4},
    KeyCase{"LeftDoesNothing", 2001, 4, 11, Qt::Key_Left, 2001, 4, 11},
    KeyCase{"RightDoesNothing", 2001, 4, 11, Qt::Key_Right, 2001, 4, 11}),
    CaseName);

TEST_F(Weekly, KeyDownHandlerCanCancelTheMove) {
    cal->OnKeyDown = [](QObject*, int& key, Qt::KeyboardModifiers) { key = 0; };
    QTest::keyClick(cal.get(), Qt::Key_Down);
    EXPECT_EQ(Ymd(*cal), std::make_tuple(2001, 4, 11));

    // Up on the top row moves into the previous week's last row.
    cal->OnKeyDown = nullptr;
    cal->SetDate(2001, 4, 8);
    QTest::keyClick(cal.get(), Qt::Key_Up);
    EXPECT_EQ(cal->FirstStripDay(), J(2001, 4, 1));
    EXPECT_EQ(cal->JuliusDay() - cal->FirstStripDay(), 6);
}

TEST(DailyGeometry, PageOf100Pixels) {
    const TDailyLayout l = TDailyCalendar::LayoutFor(160, 100);
    EXPECT_EQ(l.TopLine, QRect(0, 2, 160, 13));      // y 2 to 15
    EXPECT_EQ(l.Figure, QRect(0, 10, 160, 80));      // y 10 to 90
    EXPECT_EQ(l.BottomLine, QRect(0, 85, 160, 13));  // y 85 to 98
    EXPECT_EQ(l.LineHeight, 13);
    EXPECT_EQ(l.FigureHeight, 70);
}

class Daily : public ::testing::Test {
protected:
    FixedToday today{2001, 4, 8};  // a Sunday: the figure is red, the lines black
    std::unique_ptr<TDailyCalendar> cal = [] {
        auto c = MakeCalendar<TDailyCalendar>(300, 100);
        c->SetColor(clWhite);
        return c;
    }();

    // Rows holding grey (line text) and red (figure) ink.
    void Ink(QRect& grey, QRect& red) const {
        grey = red = QRect();
        const QImage& b = cal->Buffer();
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x) {
                const QRgb p = b.pixel(x, y);
                if (p == Rgb(clWhite)) continue;
                (qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) ? grey : red) |= QRect(x, y, 1, 1);
            }
    }
};

TEST_F(Daily, TextsStayInTheirRectangles) {
    QRect grey, red;
    Ink(grey, red);
    EXPECT_GT(CountColour(cal->Buffer(), cal->Buffer().rect(), Rgb(clRed)), 0) << "the figure in the Sunday font";
    EXPECT_GE(red.top(), 10);
    EXPECT_LT(red.bottom(), 90);
    EXPECT_GT(red.height(), 40) << "a 70-pixel font";
    // Top line only: the day has no names.
    EXPECT_GE(grey.top(), 2);
    EXPECT_LE(grey.bottom(), 15) << "at most antialiasing touches the row under it";
    EXPECT_EQ(cal->Fonts().Weekday().Height(), -12) << "stored fonts keep their heights";
    EXPECT_EQ(cal->Fonts().Sunday().Height(), -12);
}

TEST_F(Daily, BottomLineShowsTheNames) {
    TStringList holidays;
    holidays.Assign(DefaultHolidayLines());
    cal->SetHolidayList(holidays);
    cal->SetDate(2001, 4, 29);  // みどりの日, a Sunday
    QRect grey, red;
    Ink(grey, red);
    EXPECT_GE(grey.bottom(), 85);
    EXPECT_LT(grey.bottom(), 98);
}

TEST_F(Daily, OnlyUpAndDownMove) {
    int events = 0;
    cal->OnKeyDown = [&](QObject*, int&, Qt::KeyboardModifiers) { ++events; };
    for (auto key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown})
        QTest::keyClick(cal.get(), key);
    EXPECT_EQ(Ymd(*cal), std::make_tuple(2001, 4, 8));
    QTest::keyClick(cal.get(), Qt::Key_Up);
    EXPECT_EQ(Ymd(*cal), std::make_tuple(2001, 4, 7));
    QTest::keyClick(cal.get(), Qt::Key_Down);
    QTest::keyClick(cal.get(), Qt::Key_Down);
    EXPECT_EQ(Ymd(*cal), std::make_tuple(2001, 4, 9));
    EXPECT_EQ(events, 7);
}

}  // namespace
