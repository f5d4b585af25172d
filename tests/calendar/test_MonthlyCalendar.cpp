// The month grid: geometry, the rows of a month, drawing colours, rokuyo
// strips, clicks and keys.
#include <string>
#include <vector>

#include "calendar/Julius.h"
#include "tests/TestUtil.h"
#include "tests/calendar/CalExFixture.h"

namespace {

// The cell that shows day j in the current grid.
TGridCell CellOf(const TMonthlyCalendar& cal, int32_t j) {
    const int index = j - cal.FirstCellDay();
    return {index % 7, index / 7 + 1};
}

QRect RectOf(const TMonthlyCalendar& cal, int32_t j) {
    const TGridCell c = CellOf(cal, j);
    return cal.CellRect(c.Col, c.Row);
}

QImage Crop(const TMonthlyCalendar& cal, int col, int row) { return cal.Buffer().copy(cal.CellRect(col, row)); }

class CountingGrid : public TMonthlyCalendar {
public:
    void UpdateBuffer() override {
        TMonthlyCalendar::UpdateBuffer();
        ++draws;
    }
    int draws = 0;
};

TEST(MonthlyGeometry, CellsTileTheClientArea) {
    for (auto [w, h, rows] : {std::tuple{213, 180, 7}, {100, 70, 6}, {7, 5, 5}, {300, 301, 7}, {50, 13, 6}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        for (int row = 0; row < rows; ++row) {
            for (int col = 0; col < 7; ++col) {
                const QRect r = TMonthlyCalendar::CellRectFor(w, h, rows, col, row);
                const QRect left = col ? TMonthlyCalendar::CellRectFor(w, h, rows, col - 1, row) : QRect(0, 0, 0, 0);
                const QRect above = row ? TMonthlyCalendar::CellRectFor(w, h, rows, col, row - 1) : QRect(0, 0, 0, 0);
                EXPECT_EQ(r.left(), left.left() + left.width());
                EXPECT_EQ(r.top(), above.top() + above.height());
            }
        }
        const QRect last = TMonthlyCalendar::CellRectFor(w, h, rows, 6, rows - 1);
        EXPECT_EQ(last.left() + last.width(), w);
        EXPECT_EQ(last.top() + last.height(), h);
    }
    // 213 wide, 180 high, seven rows: columns at 0 30 60 91 121 152 182, rows at 0 25 51 77 102 128 154.
    EXPECT_EQ(TMonthlyCalendar::CellRectFor(213, 180, 7, 3, 3), QRect(91, 77, 30, 25));
    EXPECT_EQ(TMonthlyCalendar::CellRectFor(213, 180, 7, 6, 6), QRect(182, 154, 31, 26));
}

TEST(MonthlyGeometry, PointsMapToCells) {
    using G = TGridCell;
    EXPECT_EQ(TMonthlyCalendar::CellAtFor(213, 180, 7, 0, 0), (G{0, 0}));
    EXPECT_EQ(TMonthlyCalendar::CellAtFor(213, 180, 7, 29, 25), (G{0, 1}));
    EXPECT_EQ(TMonthlyCalendar::CellAtFor(213, 180, 7, 30, 24), (G{1, 0}));
    // Beyond seven column widths (7 x 30) and seven row heights (7 x 25).
    EXPECT_EQ(TMonthlyCalendar::CellAtFor(213, 180, 7, 212, 179), (G{6, 6}));
    // Cells of zero size still give a cell inside the grid.
    EXPECT_EQ(TMonthlyCalendar::CellAtFor(5, 3, 7, 4, 2), (G{4, 2}));
    EXPECT_EQ(TMonthlyCalendar::CellAtFor(0, 0, 6, 0, 0), (G{0, 0}));
}

struct GridCase {
    const char* name;
    int y, m;
    bool autoResize, firstRowFirstDay, lastRowLastDay;
    TDayOfWeek firstDay;
    int fy, fm, fd;  // first cell
    int rows;
    int ly, lm, ld;  // last cell
    friend void PrintTo(const GridCase& c, std::ostream* os) { *os << c.name; }
};

class MonthGrid : public ::testing::TestWithParam<GridCase> {
protected:
    FixedToday today{2001, 4, 11};
};

TEST_P(MonthGrid, RowsAndDays) {
    const auto& c = GetParam();
    auto cal = MakeCalendar<TMonthlyCalendar>(210, 210);
    cal->SetDate(c.y, c.m, 10);
    cal->SetAutoResize(c.autoResize);
    cal->SetFirstRowFirstDay(c.firstRowFirstDay);
    cal->SetLastRowLastDay(c.lastRowLastDay);
    cal->SetFirstDayOfWeek(c.firstDay);

    EXPECT_EQ(cal->RowCount(), c.rows);
    EXPECT_EQ(cal->FirstCellDay(), J(c.fy, c.fm, c.fd));
    EXPECT_EQ(cal->CellDay(6, c.rows - 1), J(c.ly, c.lm, c.ld));

    // The drawing uses the same rows: the navy header is one row high.
    const int headerHeight = 210 / c.rows;
    EXPECT_EQ(cal->Buffer().pixel(0, headerHeight - 1), Rgb(clNavy));
    EXPECT_NE(cal->Buffer().pixel(0, headerHeight), Rgb(clNavy));
}

INSTANTIATE_TEST_SUITE_P(Monthly, MonthGrid, ::testing::Values(
    GridCase{"Feb2015", 2015, 2, true, false, false, dowSun, 2015, 1, 25, 7, 2015, 3, 7},
    GridCase{"Feb2015BothFlags", 2015, 2, true, true, true, dowSun, 2015, 2, 1, 5, 2015, 2, 28},
    GridCase{"Feb2015FirstRowFirstDay", 2015, 2, true, true, false, dowSun, 2015, 2, 1, 6, 2015, 3, 7},
    GridCase{"Feb2015LastRowLastDay", 2015, 2, true, false, true, dowSun, 2015, 1, 25, 6, 2015, 2, 28},
    GridCase{"Mar2025", 2025, 3, true, false, false, dowSun, 2025, 2, 23, 7, 2025, 4, 5},
    GridCase{"Mar2025BothFlags", 2025, 3, true, true, true, dowSun, 2025, 2, 23, 7, 2025, 4, 5},
    GridCase{"Mar2025FirstRowFirstDay", 2025, 3, true, true, false, dowSun, 2025, 2, 23, 7, 2025, 4, 5},
    GridCase{"Mar2025LastRowLastDay", 2025, 3, true, false, true, dowSun, 2025, 2, 23, 7, 2025, 4, 5},
    GridCase{"Feb2015FixedRows", 2015, 2, false, false, true, dowSun, 2015, 1, 25, 7, 2015, 3, 7},
    GridCase{"Feb2015FixedRowsFirstDay", 2015, 2, false, true, true, dowSun, 2015, 2, 1, 7, 2015, 3, 14},
    GridCase{"Feb2015Monday", 2015, 2, true, false, false, dowMon, 2015, 1, 26, 6, 2015, 3, 1}),
    CaseName);

class Monthly : public ::testing::Test {
protected:
    FixedToday today{2001, 4, 11};
    // 60 pixels per column; seven rows of 60 pixels.
    std::unique_ptr<TMonthlyCalendar> cal = [] {
        auto c = MakeCalendar<TMonthlyCalendar>(420, 420);
        UseLargeFonts(*c);
        return c;
    }();
};

TEST_F(Monthly, HeaderNamesFollowFirstDayOfWeek) {
    auto mon = MakeCalendar<TMonthlyCalendar>(420, 420);
    UseLargeFonts(*mon);
    mon->SetFirstDayOfWeek(dowMon);
    EXPECT_EQ(Crop(*mon, 0, 0), Crop(*cal, 1, 0)) << "Monday first";
    EXPECT_EQ(Crop(*mon, 6, 0), Crop(*cal, 0, 0)) << "Sunday last";
    EXPECT_NE(Crop(*cal, 0, 0), Crop(*cal, 1, 0));
    EXPECT_GT(CountColour(cal->Buffer(), cal->CellRect(0, 0), Rgb(clNavy)), 0);
    EXPECT_GT(CountColour(cal->Buffer(), cal->CellRect(0, 0), Rgb(clWhite)), 0) << "white names";

    cal->SetDayOfWeekBkColor(clMaroon);
    EXPECT_EQ(cal->Buffer().pixel(0, 0), Rgb(clMaroon));
}

TEST_F(Monthly, SelectedCellIsInvertedInItsFontColour) {
    cal->SetColor(clYellow);
    TStringList holidays;
    holidays.Assign(DefaultHolidayLines());
    cal->SetHolidayList(holidays);
    cal->SpecialDayList().Add(S(u8"2001,2001,04,12,,,[会議]"));

    struct Case { int day; TColor fill; } cases[] = {
        {11, clBlack},   // Wednesday
        {8, clRed},      // Sunday
        {14, clBlue},    // Saturday
        {30, clRed},     // substitute for みどりの日
        {12, clGreen},   // schedule entry
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.day);
        cal->SetDate(2001, 4, c.day);
        const QRect r = RectOf(*cal, cal->JuliusDay());
        for (QPoint p : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
            EXPECT_EQ(cal->Buffer().pixel(p), Rgb(c.fill));
        EXPECT_GT(CountColour(cal->Buffer(), r, Rgb(clYellow)), 0) << "the number in the background colour";
        // Other cells keep the background.
        const QRect next = RectOf(*cal, cal->JuliusDay() + (c.day > 20 ? -7 : 7));
        EXPECT_EQ(cal->Buffer().pixel(next.topLeft()), Rgb(clYellow));
    }
}

TEST_F(Monthly, NeighbourDaysAreTintedOrBlank) {
    cal->SetShowNeighbor(true);
    cal->HolidayList().Add(S(u8",,1,25,,,休"));  // 2015-01-25 is a Sunday
    cal->SpecialDayList().Add("2015,2015,3,2,,,[x]");
    cal->SetColor(clWhite);
    cal->SetDate(2015, 2, 10);
    const QRect sundayHoliday = RectOf(*cal, J(2015, 1, 25));
    const QRect plainMonday = RectOf(*cal, J(2015, 3, 3));
    const QRect specialMonday = RectOf(*cal, J(2015, 3, 2));
    const QImage& b = cal->Buffer();

    EXPECT_GT(CountColour(b, sundayHoliday, Rgb(255, 192, 192)), 0);
    EXPECT_GT(CountColour(b, plainMonday, Rgb(192, 192, 192)), 0) << "black OR silver";
    EXPECT_GT(CountColour(b, specialMonday, Rgb(192, 192, 192)), 0) << "green OR silver";
    // Nothing darker than the tint: the plain colours are not used.
    for (const QRect& r : {sundayHoliday, plainMonday, specialMonday})
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QRgb p = b.pixel(x, y);
                EXPECT_TRUE(qGreen(p) >= 192 && qBlue(p) >= 192) << x << "," << y;
            }

    cal->SetShowNeighbor(false);
    EXPECT_EQ(InkCount(cal->Buffer(), sundayHoliday, Rgb(clWhite)), 0);
    EXPECT_EQ(InkCount(cal->Buffer(), plainMonday, Rgb(clWhite)), 0);
    EXPECT_GT(InkCount(cal->Buffer(), RectOf(*cal, J(2015, 2, 2)), Rgb(clWhite)), 0);
}

TEST_F(Monthly, RokuyoStripUnderTheDay) {
    auto tall = MakeCalendar<TMonthlyCalendar>(280, 280);  // cells 40 x 40
    tall->SetColor(clWhite);
    const QRgb white = Rgb(clWhite);
    const auto strip = [&](int32_t day) {
        const QRect r = RectOf(*tall, day);
        return QRect(r.left(), r.bottom() - 12, r.width(), 13);  // the Rokuyo font is 13 high
    };
    const auto upper = [&](int32_t day) {
        const QRect r = RectOf(*tall, day);
        return QRect(r.left(), r.top(), r.width(), r.height() - 13);
    };
    const int32_t day = J(2001, 4, 18);

    EXPECT_EQ(InkCount(tall->Buffer(), strip(day), white), 0) << "off by default";
    // How far the ink's middle lies below the cell's middle.
    const auto drop = [&](int32_t d) {
        return InkBounds(tall->Buffer(), RectOf(*tall, d), white).center().y() - RectOf(*tall, d).center().y();
    };
    const int centredDrop = drop(day);
    EXPECT_LE(std::abs(centredDrop), 2);

    tall->SetShowRokuyo(true);
    EXPECT_GT(InkCount(tall->Buffer(), strip(day), white), 0);
    const QRect raised = InkBounds(tall->Buffer(), upper(day), white);
    EXPECT_LT(raised.center().y(), RectOf(*tall, day).center().y() - 4) << "the number moves up";

    // A neighbour's rokuyo is tinted like its number.
    tall->SetShowNeighbor(true);
    const int32_t neighbour = J(2001, 3, 25);
    EXPECT_GT(InkCount(tall->Buffer(), strip(neighbour), white), 0);
    EXPECT_EQ(CountColour(tall->Buffer(), strip(neighbour), Rgb(clBlack)), 0);

    // Before the lunisolar table: no strip, the number centred in the full cell.
    tall->SetDate(1989, 11, 15);
    const int32_t old = J(1989, 11, 22);
    EXPECT_EQ(InkCount(tall->Buffer(), strip(old), white), 0);
    EXPECT_EQ(drop(old), centredDrop);
}

TEST_F(Monthly, SettersRedrawOnlyOnChange) {
    auto grid = MakeCalendar<CountingGrid>(210, 210);
    grid->draws = 0;
    grid->SetShowRokuyo(false);
    grid->SetFirstDayOfWeek(dowSun);
    grid->SetNeighborColor(clSilver);
    grid->SetNeighborJump(true);
    grid->SetNeighborJump(false);
    EXPECT_EQ(grid->draws, 0);
    grid->SetShowRokuyo(true);
    grid->SetShowNeighbor(true);
    grid->SetAutoResize(false);
    grid->SetLastRowLastDay(true);
    grid->SetFirstRowFirstDay(true);
    grid->SetFirstDayOfWeek(dowSat);
    grid->SetDayOfWeekBkColor(clBlack);
    grid->SetNeighborColor(clGray);
    EXPECT_EQ(grid->draws, 8);
}

TEST_F(Monthly, DayChangeFiresAfterTheNewDayIsDrawn) {
    int fired = 0;
    cal->OnDayChange = [&](QObject*, int32_t y, uint8_t m, uint8_t d) {
        ++fired;
        EXPECT_EQ(std::make_tuple(y, int(m), int(d)), std::make_tuple(2001, 5, 2));
        const QRect r = RectOf(*cal, J(2001, 5, 2));
        EXPECT_EQ(cal->Buffer().pixel(r.topLeft()), Rgb(clBlack)) << "already inverted";
    };
    cal->SetDate(2001, 5, 2);
    cal->SetDate(2001, 5, 2);
    EXPECT_EQ(fired, 1);
}

class MonthlyClicks : public ::testing::Test {
protected:
    FixedToday today{2001, 4, 11};
    std::unique_ptr<TMonthlyCalendar> cal = [] {
        // With the sunken edge: a 213 x 180 client area inside 217 x 184.
        auto c = MakeCalendar<TMonthlyCalendar>(217, 184);
        c->SetClientEdge(true);
        c->SetDate(2015, 2, 10);  // grid from 2015-01-25, seven rows of 25 pixels
        return c;
    }();
    void Click(int clientX, int clientY, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(cal.get(), button, {}, QPoint(clientX + 2, clientY + 2));
    }
};

TEST_F(MonthlyClicks, LastPixelColumnSelectsColumnSix) {
    ASSERT_EQ(cal->ClientRect().size(), QSize(213, 180));
    Click(212, 2 * 25 + 3);
    EXPECT_EQ(Ymd(*cal), std::make_tuple(2015, 2, 7));
    Click(0, 5 * 25 + 24, Qt::RightButton);  // any button
    EXPECT_EQ(Ymd(*cal), std::make_tuple(2015, 2, 22));
}

TEST_F(MonthlyClicks, HeaderOnlyFiresMouseDown) {
    int downs = 0, changes = 0;
    cal->OnMouseDown = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++downs; };
    cal->OnDayChange = [&](QObject*, int32_t, uint8_t, uint8_t) { ++changes; };
    Click(100, 24);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(Ymd(*cal), std::make_tuple(2015, 2, 10));
}

TEST_F(MonthlyClicks, NeighbourDaysNeedNeighborJump) {
    const int x = 4 * 30 + 5, y = 179;  // the last pixel row: Thursday 2015-03-05
    Click(x, y);
    EXPECT_EQ(Ymd(*cal), std::make_tuple(2015, 2, 10));

    cal->SetNeighborJump(true);  // even with the neighbour days blank
    Click(x, y);
    EXPECT_EQ(Ymd(*cal), std::make_tuple(2015, 3, 5));
    EXPECT_EQ(cal->FirstCellDay(), J(2015, 2, 22));
}

class MonthlyKeys : public ::testing::TestWithParam<KeyCase> {
protected:
    FixedToday today{2001, 4, 11};
};

TEST_P(MonthlyKeys, MoveThenEvent) {
    const auto& c = GetParam();
    auto cal = MakeCalendar<TMonthlyCalendar>(210, 210);
    cal->SetDate(c.y, c.m, c.d);
    int events = 0;
    cal->OnKeyDown = [&](QObject*, int& key, Qt::KeyboardModifiers) {
        ++events;
        EXPECT_EQ(key, c.key);
        EXPECT_EQ(Ymd(*cal), std::make_tuple(c.ey, c.em, c.ed)) << "moved before the event";
        key = 0;  // too late to cancel
    };
    QTest::keyClick(cal.get(), c.key);
    EXPECT_EQ(events, 1);
    EXPECT_EQ(Ymd(*cal), std::make_tuple(c.ey, c.em, c.ed));
}

INSTANTIATE_TEST_SUITE_P(Monthly, MonthlyKeys, ::testing::Values(
    KeyCase{"Right", 2001, 4, 30, Qt::Key_Right, 2001, 5, 1},
    KeyCase{"Left", 2001, 4, 11, Qt::Key_Left, 2001, 4, 10},
    KeyCase{"Down", 2001, 4, 28, Qt::Key_Down, 2001, 5, 5},
    KeyCase{"UpInto28DayMonth", 2001, 3, 3, Qt::Key_Up, 2001, 2, 24},
    KeyCase{"UpInto29DayMonth", 2000, 3, 3, Qt::Key_Up, 2000, 2, 25},
    KeyCase{"UpInto30DayMonth", 2001, 5, 3, Qt::Key_Up, 2001, 4, 26},
    KeyCase{"UpInto31DayMonth", 2001, 4, 3, Qt::Key_Up, 2001, 3, 27},
    KeyCase{"PageUp", 2001, 3, 31, Qt::Key_PageUp, 2001, 2, 28},
    KeyCase{"PageDown", 2001, 12, 15, Qt::Key_PageDown, 2002, 1, 15},
    KeyCase{"OtherKey", 2001, 4, 11, Qt::Key_Home, 2001, 4, 11}),
    CaseName);

}  // namespace
