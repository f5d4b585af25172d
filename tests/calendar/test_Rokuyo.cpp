#include "calendar/Julius.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct RokuyoCase {
    const char* name;
    friend void PrintTo(const RokuyoCase& c, std::ostream* os) { *os << c.name; }
    int32_t j;
    int month, day;
    int rokuyo;
};

const RokuyoCase kCases[] = {
    {"before_table", 2447888, 0, 0, 0},   {"first_day", 2447889, 12, 1, 6},
    {"y2000_jan1", 2451545, 11, 25, 5},   {"new_year_2001", 2451934, 1, 1, 1},
    {"apr11_2001", 2452011, 3, 18, 2},    {"leap4_2001", 2452053, 104, 1, 4},
    {"last_covered", 2455536, 10, 30, 3}, {"closing_record", 2455537, 0, 0, 0},
    {"far_after", 5373484, 0, 0, 0},
};

class Rokuyo : public ::testing::TestWithParam<RokuyoCase> {};

TEST_P(Rokuyo, OldDateAndName) {
    const auto& c = GetParam();
    uint8_t m, d;
    JuliusToOldDate(c.j, m, d);
    EXPECT_EQ(m, c.month);
    EXPECT_EQ(d, c.day);
    EXPECT_EQ(JuliusToRokuyo(c.j), c.rokuyo);
}

INSTANTIATE_TEST_SUITE_P(Julius, Rokuyo, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

TEST(Rokuyo, Names) {
    EXPECT_STREQ(RokuyoNames[0], "不明");
    EXPECT_STREQ(RokuyoNames[1], "先勝");
    EXPECT_STREQ(RokuyoNames[5], "大安");
    EXPECT_STREQ(RokuyoNames[6], "赤口");
}

TEST(Rokuyo, FirstDaysOfMonthsFollowTheMonthNumber) {
    // Month n and n + 6 start on the same name; each day takes the next one.
    for (const auto& rec : OldMonthTable()) {
        if (rec.FirstDay == OldMonthTable().back().FirstDay)
            break;
        int m = rec.MonthCode > 100 ? rec.MonthCode - 100 : rec.MonthCode;
        EXPECT_EQ(JuliusToRokuyo(rec.FirstDay), (m - 1) % 6 + 1) << rec.FirstDay;
        EXPECT_EQ(JuliusToRokuyo(rec.FirstDay + 1), m % 6 + 1) << rec.FirstDay;
    }
}

TEST(MonthTable, CarriedTextIsExact) {
    const auto text = OldMonthTableText();
    EXPECT_EQ(text.size(), 2939u);
    EXPECT_EQ(text.substr(0, 12), "2447889,12\r\n");
    EXPECT_EQ(text.substr(text.size() - 12), "2455537,11\r\n");
    std::size_t crlf = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '\r') {
            EXPECT_EQ(text[i + 1], '\n');
            ++crlf;
        }
    EXPECT_EQ(crlf, 260u);
}

TEST(MonthTable, MatchesTheYearTable) {
    const auto& t = OldMonthTable();
    ASSERT_EQ(t.size(), 260u);
    EXPECT_EQ(t.front().FirstDay, 2447889);
    EXPECT_EQ(t.front().MonthCode, 12);
    EXPECT_EQ(t.back().FirstDay, 2455537);
    EXPECT_EQ(t.back().MonthCode, 11);

    // First day of each lunisolar year's month 1, 1990..2010.
    const int32_t newYears[] = {2447919, 2448303, 2448657, 2449011, 2449394, 2449749, 2450133,
                                2450488, 2450842, 2451226, 2451580, 2451934, 2452318, 2452672,
                                2453027, 2453411, 2453765, 2454150, 2454504, 2454858, 2455242};
    std::vector<int32_t> firsts;
    std::vector<int> leapCodes;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (i > 0) {
            int step = t[i].FirstDay - t[i - 1].FirstDay;
            EXPECT_TRUE(step == 29 || step == 30) << t[i].FirstDay;
        }
        if (t[i].MonthCode == 1)
            firsts.push_back(t[i].FirstDay);
        if (t[i].MonthCode > 100) {
            leapCodes.push_back(t[i].MonthCode);
            // The leap month follows the month it repeats.
            EXPECT_EQ(t[i - 1].MonthCode, t[i].MonthCode - 100);
        } else if (i > 0) {
            int prev = t[i - 1].MonthCode > 100 ? t[i - 1].MonthCode - 100 : t[i - 1].MonthCode;
            EXPECT_EQ(t[i].MonthCode, prev % 12 + 1) << t[i].FirstDay;
        }
    }
    EXPECT_EQ(firsts, std::vector<int32_t>(std::begin(newYears), std::end(newYears)));
    EXPECT_EQ(leapCodes, (std::vector<int>{105, 103, 108, 105, 104, 102, 107, 105}));
}
