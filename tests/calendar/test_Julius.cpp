#include "calendar/Julius.h"

#include <gtest/gtest.h>

#include "platform/Exception.h"

namespace {

struct DateCase {
    const char* name;
    friend void PrintTo(const DateCase& c, std::ostream* os) { *os << c.name; }
    int32_t y;
    int m, d;
    int32_t j;
};

const DateCase kFixedPoints[] = {
    {"jd0", -4712, 1, 1, 0},
    {"last_julian", 1582, 10, 4, 2299160},
    {"first_gregorian", 1582, 10, 15, 2299161},
    {"y1900", 1900, 1, 1, 2415021},
    {"y2000", 2000, 1, 1, 2451545},
    {"apr11_2001", 2001, 4, 11, 2452011},
    {"y9999_end", 9999, 12, 31, 5373484},
    {"year0", 0, 1, 1, 1721058},
    {"year_minus1_end", -1, 12, 31, 1721057},
    {"feb29_4000", 4000, 2, 29, 3182089},
};

class FixedPoint : public ::testing::TestWithParam<DateCase> {};

TEST_P(FixedPoint, ConvertsBothWays) {
    const auto& c = GetParam();
    EXPECT_EQ(DateToJulius(c.y, c.m, c.d), c.j);
    int32_t y;
    uint8_t m, d;
    JuliusToDate(c.j, y, m, d);
    EXPECT_EQ(y, c.y);
    EXPECT_EQ(m, c.m);
    EXPECT_EQ(d, c.d);
}

INSTANTIATE_TEST_SUITE_P(Julius, FixedPoint, ::testing::ValuesIn(kFixedPoints),
                         [](const auto& info) { return std::string(info.param.name); });

// Out-of-range months and days roll over; the navigation buttons rely on it.
const DateCase kLenient[] = {
    {"month0", 2001, 0, 15, 0},  {"month13", 2001, 13, 15, 0}, {"month14", 2001, 14, 15, 0},
    {"day0_common", 2001, 3, 0, 0}, {"day0_leap", 2000, 3, 0, 0}, {"jan32", 2001, 1, 32, 0},
    {"dec32", 2001, 12, 32, 0},     {"feb31", 2001, 2, 31, 0},
};
const int32_t kLenientExpected[][3] = {{2000, 12, 15}, {2002, 1, 15}, {2002, 2, 15}, {2001, 2, 28},
                                       {2000, 2, 29},  {2001, 2, 1},  {2002, 1, 1},  {2001, 3, 3}};

}  // namespace

TEST(Julius, LenientMonthsAndDaysRollOver) {
    for (std::size_t i = 0; i < std::size(kLenient); ++i) {
        const auto& c = kLenient[i];
        const auto* e = kLenientExpected[i];
        EXPECT_EQ(DateToJulius(c.y, c.m, c.d), DateToJulius(e[0], e[1], e[2])) << c.name;
    }
}

TEST(Julius, GapOf1582RaisesAndNeighboursDoNot) {
    for (int d = 5; d <= 14; ++d) {
        try {
            DateToJulius(1582, 10, d);
            ADD_FAILURE() << d;
        } catch (const EJuliusError& e) {
            EXPECT_EQ(e.Message(), "1582/10/5-10/14は存在しません。");
        }
    }
    EXPECT_EQ(DateToJulius(1582, 10, 15) - DateToJulius(1582, 10, 4), 1);
    EXPECT_THROW(IsValidDate(1582, 10, 10), EJuliusError);
}

TEST(Julius, RoundTripEveryDateOfYears1To9999) {
    int32_t prev = DateToJulius(1, 1, 1) - 1;
    for (int32_t y = 1; y <= 9999; ++y)
        for (int m = 1; m <= 12; ++m) {
            // The Julian/Gregorian conversions know nothing of the 4000-year rule.
            int len = DaysInMonth(y, m) + (m == 2 && y % 4000 == 0 ? 1 : 0);
            for (int d = 1; d <= len; ++d) {
                if (y == 1582 && m == 10 && d >= 5 && d <= 14)
                    continue;
                int32_t j = DateToJulius(y, m, d);
                ASSERT_EQ(j, prev + 1) << y << "-" << m << "-" << d;
                prev = j;
                int32_t ry;
                uint8_t rm, rd;
                JuliusToDate(j, ry, rm, rd);
                ASSERT_TRUE(ry == y && rm == m && rd == d) << y << "-" << m << "-" << d;
            }
        }
    EXPECT_EQ(prev, 5373484);
}

TEST(Julius, LeapYearsAndMonthLengths) {
    const std::pair<int, bool> leap[] = {{1500, true}, {1580, true}, {1581, false}, {1600, true}, {1700, false},
                                         {1900, false}, {2000, true}, {2001, false}, {4000, false}, {8000, false},
                                         {0, true},    {-4, true}};
    for (auto [y, expected] : leap) EXPECT_EQ(IsLeapYear(y), expected) << y;
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(4000, 2), 28);
    EXPECT_EQ(DaysInMonth(1582, 10), 31);
    EXPECT_EQ(DaysInMonth(2001, 4), 30);
    EXPECT_EQ(DaysInMonth(2001, 12), 31);
}

TEST(Julius, ValidDates) {
    EXPECT_TRUE(IsValidDate(2001, 4, 30));
    EXPECT_TRUE(IsValidDate(4000, 2, 29));
    EXPECT_TRUE(IsValidDate(1582, 10, 15));
    for (auto [y, m, d] : {std::tuple{2001, 0, 1}, {2001, 13, 1}, {2001, 1, 0}, {2001, 2, 29}, {2001, 4, 31},
                           {1900, 2, 29}})
        EXPECT_FALSE(IsValidDate(y, m, d)) << y << "-" << m << "-" << d;
}

TEST(Julius, DayOfWeek) {
    EXPECT_EQ(JuliusDayOfWeek(2451545), 7);  // 2000-01-01, Saturday
    EXPECT_EQ(JuliusDayOfWeek(2452011), 4);  // 2001-04-11, Wednesday
    EXPECT_EQ(JuliusDayOfWeek(2299160), 5);  // 1582-10-04, Thursday
    EXPECT_EQ(JuliusDayOfWeek(2299161), 6);  // 1582-10-15, Friday
    EXPECT_EQ(JuliusDayOfWeek(0), 2);        // a Monday
}

TEST(Julius, DateTimeConversions) {
    EXPECT_EQ(DateTimeToJulius(EncodeDate(2000, 1, 1)), 2451545);
    EXPECT_EQ(DateTimeToJulius(EncodeDate(2001, 4, 11) + 0.75), 2452011);  // time of day ignored
    EXPECT_EQ(JuliusToDateTime(2451545), EncodeDate(2000, 1, 1));
    EXPECT_EQ(JuliusToDateTime(5373484), EncodeDate(9999, 12, 31));
    try {
        JuliusToDateTime(5373485);  // 10000-01-01
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "日付に変換できない値が渡されました");
    }
}
