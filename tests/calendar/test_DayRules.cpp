#include "calendar/DayRules.h"

#include <gtest/gtest.h>

#include "calendar/Julius.h"
#include "platform/Exception.h"
#include "tests/TestUtil.h"

using Fields = std::vector<std::string>;

struct SplitCase {
    const char* name;
    friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }
    const char8_t* line;
    std::vector<const char8_t*> fields;
};

class Split : public ::testing::TestWithParam<SplitCase> {};

TEST_P(Split, Fields) {
    const auto& c = GetParam();
    Fields expected;
    for (auto f : c.fields) expected.push_back(S(f));
    EXPECT_EQ(CommaTextSplit(S(c.line)), expected);
}

INSTANTIATE_TEST_SUITE_P(CommaText, Split, ::testing::Values(
    SplitCase{"holiday_line", u8",,1,1,,,元旦", {u8"", u8"", u8"1", u8"1", u8"", u8"", u8"元旦"}},
    SplitCase{"entry_line", u8"2001,2001,04,11,,,[会議]", {u8"2001", u8"2001", u8"04", u8"11", u8"", u8"", u8"[会議]"}},
    SplitCase{"blank_splits", u8"2001,2001,04,11,,,[a b]",
              {u8"2001", u8"2001", u8"04", u8"11", u8"", u8"", u8"[a", u8"b]"}},
    SplitCase{"trailing_comma_adds_none", u8"a,", {u8"a"}},
    SplitCase{"two_trailing_commas", u8"a,,", {u8"a", u8""}},
    SplitCase{"empty", u8"", {}},
    SplitCase{"only_blanks", u8"  \t ", {}},
    SplitCase{"leading_blanks_and_around_comma", u8"  a ,  b", {u8"a", u8"b"}},
    SplitCase{"quoted", u8"\"a b\",\"say \"\"hi\"\"\",c", {u8"a b", u8"say \"hi\"", u8"c"}},
    SplitCase{"quoted_empty", u8"\"\"", {u8""}},
    SplitCase{"unclosed_quote_runs_to_end", u8"\"abc", {u8"abc"}},
    SplitCase{"sjis_trail_bytes_kept", u8"ア,ソ表,ー", {u8"ア", u8"ソ表", u8"ー"}},
    SplitCase{"wire_message", u8"1,,2001,2001,04,05,,,[山田年休]",
              {u8"1", u8"", u8"2001", u8"2001", u8"04", u8"05", u8"", u8"", u8"[山田年休]"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommaText, JoinQuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(CommaTextJoin({S(u8"[会議]"), S(u8"元旦")}), S(u8"[会議],元旦"));
    EXPECT_EQ(CommaTextJoin({"a b", "x,y", "q\"q", "\t"}), "\"a b\",\"x,y\",\"q\"\"q\",\"\t\"");
    EXPECT_EQ(CommaTextJoin({""}), "\"\"");
    EXPECT_EQ(CommaTextJoin({"", "x"}), ",x");
    EXPECT_EQ(CommaTextJoin({}), "");
    // What the join writes, the split reads back.
    Fields f{"a b", "q\"q", S(u8"ソ"), "z"};
    EXPECT_EQ(CommaTextSplit(CommaTextJoin(f)), f);
}

namespace {

TDayList Parse(std::initializer_list<const char8_t*> lines) {
    std::vector<std::string> v;
    for (auto l : lines) v.push_back(S(l));
    TDayList items;
    ParseDayList(v, items);
    return items;
}

}  // namespace

TEST(ParseDayList, Layouts) {
    auto items = Parse({u8"5,3,憲法記念日", u8"1,2,2,成人の日", u8"2001,0,4,11,x", u8"2001,1,4,2,7,y",
                        u8"2001,2,4,11,z", u8"1999,9,4,11,w", u8"2001,2001,04,11,,,[会議]"});
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(items[0].Month, 5);
    EXPECT_EQ(items[0].Day, 3);
    EXPECT_EQ(items[0].Name, S(u8"憲法記念日"));
    EXPECT_EQ(items[1].Month, 1);
    EXPECT_EQ(items[1].WeekNo, 2);
    EXPECT_EQ(items[1].DayOfWeek, 2);
    EXPECT_EQ(items[2].FromYear, 2001);
    EXPECT_EQ(items[2].ToYear, 2001);
    EXPECT_EQ(items[3].FromYear, NoYear);  // mode 1: up to the year
    EXPECT_EQ(items[3].ToYear, 2001);
    EXPECT_EQ(items[3].WeekNo, 2);
    EXPECT_EQ(items[3].DayOfWeek, 7);
    EXPECT_EQ(items[4].FromYear, 2001);  // mode 2: from the year
    EXPECT_EQ(items[4].ToYear, NoYear);
    EXPECT_EQ(items[5].FromYear, NoYear);  // any other mode: every year
    EXPECT_EQ(items[5].ToYear, NoYear);
    EXPECT_EQ(items[6].FromYear, 2001);
    EXPECT_EQ(items[6].Month, 4);
    EXPECT_EQ(items[6].Day, 11);
    EXPECT_EQ(items[6].DayOfWeek, 0);
    EXPECT_EQ(items[6].Name, S(u8"[会議]"));
}

TEST(ParseDayList, IgnoredLinesAndOddForms) {
    auto items = Parse({u8"", u8"a", u8"1,2", u8"1,2,3,4,5,6,7,8", u8"2001,2001,04,11,,,[a b]",
                        u8"2001,2001,4,11,,", u8"abc,00,4,11,x", u8"5,3,"});
    // The 5-field line's mode is the text "2001"; "00" is not "0"; "5,3," has 2 fields.
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].FromYear, NoYear);
    EXPECT_EQ(items[0].Month, 4);
    EXPECT_EQ(items[0].Day, 11);
    EXPECT_EQ(items[0].Name, "");
    EXPECT_TRUE(items[0].Match(1999, 4, 11));
    EXPECT_EQ(items[1].FromYear, NoYear);  // Year not read for an unknown mode
}

TEST(ParseDayList, NumbersKeepTheirLowByte) {
    auto items = Parse({u8"260,1,x"});
    EXPECT_EQ(items[0].Month, 4);
}

TEST(ParseDayList, BadNumberLeavesTheItemsReadSoFar) {
    TDayList items = Parse({u8"1,1,old"});
    std::vector<std::string> lines{S(u8",,1,1,,,元旦"), S(u8"2001,,5,x,,,bad"), S(u8",,2,11,,,建国の日")};
    try {
        ParseDayList(lines, items);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'x' は整数ではありません");
    }
    ASSERT_EQ(items.size(), 2u);  // the old items are gone; the line after the bad one is unread
    EXPECT_EQ(items[0].Name, S(u8"元旦"));
    EXPECT_EQ(items[1].FromYear, 2001);  // converted before the bad field
    EXPECT_EQ(items[1].Month, 5);
    EXPECT_EQ(items[1].Day, 0);
    EXPECT_EQ(items[1].Name, "");

    EXPECT_THROW(Parse({u8"5,,x"}), EConvertError);  // empty field in a short layout
}

struct MatchCase {
    const char* name;
    friend void PrintTo(const MatchCase& c, std::ostream* os) { *os << c.name; }
    const char8_t* line;
    int32_t y;
    int m, d;
    bool match;
};

class Match : public ::testing::TestWithParam<MatchCase> {};

TEST_P(Match, Date) {
    const auto& c = GetParam();
    auto items = Parse({c.line});
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].Match(c.y, c.m, c.d), c.match);
}

INSTANTIATE_TEST_SUITE_P(DayRules, Match, ::testing::Values(
    MatchCase{"entry_on_its_day", u8"2001,2001,04,11,,,[会議]", 2001, 4, 11, true},
    MatchCase{"entry_other_year", u8"2001,2001,04,11,,,[会議]", 2002, 4, 11, false},
    MatchCase{"everything", u8",,,,,,x", 1950, 7, 3, true},
    MatchCase{"second_monday_2000", u8"2000,,1,,2,2,成人の日", 2000, 1, 10, true},
    MatchCase{"second_monday_2001", u8"2000,,1,,2,2,成人の日", 2001, 1, 8, true},
    MatchCase{"first_monday_2001", u8"2000,,1,,2,2,成人の日", 2001, 1, 1, false},
    MatchCase{"third_monday_2001", u8"2000,,1,,2,2,成人の日", 2001, 1, 15, false},
    MatchCase{"before_from_year", u8"2000,,1,,2,2,成人の日", 1999, 1, 11, false},
    MatchCase{"up_to_1999", u8",1999,1,15,,,成人の日", 1999, 1, 15, true},
    MatchCase{"after_to_year", u8",1999,1,15,,,成人の日", 2000, 1, 15, false},
    MatchCase{"inverted_low", u8"2005,2000,,,,,x", 1999, 6, 1, true},
    MatchCase{"inverted_high", u8"2005,2000,,,,,x", 2006, 6, 1, true},
    MatchCase{"inverted_between", u8"2005,2000,,,,,x", 2003, 6, 1, false},
    MatchCase{"inverted_edges", u8"2005,2000,,,,,x", 2000, 6, 1, true},
    MatchCase{"weekno_without_dow", u8",,4,,,5,x", 2001, 4, 2, true},
    MatchCase{"dow_only", u8",,,,4,,x", 2001, 4, 11, true},
    MatchCase{"dow_other", u8",,,,4,,x", 2001, 4, 12, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DayRules, MatchOfGapDateWithWeekdayRaises) {
    auto items = Parse({u8",,10,,6,,x", u8",,10,,,,y"});
    EXPECT_THROW(items[0].Match(1582, 10, 8), EJuliusError);
    EXPECT_TRUE(items[1].Match(1582, 10, 8));  // no weekday test, no conversion
}

struct EquinoxCase {
    const char* name;
    friend void PrintTo(const EquinoxCase& c, std::ostream* os) { *os << c.name; }
    int32_t y;
    int m, d;
};

class Equinox : public ::testing::TestWithParam<EquinoxCase> {};

TEST_P(Equinox, IsAHolidayOnlyWithAutoEquinox) {
    const auto& c = GetParam();
    TDayClassifier cal;
    ParseDayList(DefaultHolidayLines(), cal.HolidayItems);
    const std::string name = S(c.m == 3 ? u8"春分の日" : u8"秋分の日");
    EXPECT_TRUE(c.m == 3 ? IsVernalEquinox(c.y, c.m, c.d) : IsAutumnalEquinox(c.y, c.m, c.d));
    EXPECT_TRUE(cal.GetDayKinds(c.y, c.m, c.d) & dkHoliday);
    EXPECT_NE(cal.GetDayNames(c.y, c.m, c.d).find(name), std::string::npos);
    // The day before is not the equinox.
    EXPECT_FALSE(c.m == 3 ? IsVernalEquinox(c.y, c.m, c.d - 1) : IsAutumnalEquinox(c.y, c.m, c.d - 1));
    cal.FAutoEquinox = false;
    EXPECT_FALSE(cal.GetDayKinds(c.y, c.m, c.d) & dkHoliday);
    EXPECT_EQ(cal.GetDayNames(c.y, c.m, c.d).find(name), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(DayRules, Equinox, ::testing::Values(
    EquinoxCase{"vernal_2000", 2000, 3, 20}, EquinoxCase{"autumnal_2000", 2000, 9, 23},
    EquinoxCase{"autumnal_2012", 2012, 9, 22}, EquinoxCase{"autumnal_1979", 1979, 9, 24},
    EquinoxCase{"vernal_2092", 2092, 3, 19}, EquinoxCase{"vernal_2001", 2001, 3, 20}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DayRules, EquinoxDayNumbers) {
    EXPECT_EQ(VernalEquinoxDay(2000), DateToJulius(2000, 3, 20));
    EXPECT_EQ(AutumnalEquinoxDay(2001), DateToJulius(2001, 9, 23));
}

namespace {

struct DefaultCalendar : TDayClassifier {
    DefaultCalendar() { ParseDayList(DefaultHolidayLines(), HolidayItems); }
};

}  // namespace

TEST(DayRules, SubstituteHolidays) {
    DefaultCalendar cal;
    const std::string furikae = S(u8"振替休日");
    for (auto [m, d] : {std::pair{2, 12}, {4, 30}, {12, 24}}) {
        EXPECT_EQ(cal.GetDayKinds(2001, m, d), dkFurikae) << m << "/" << d;
        EXPECT_EQ(cal.GetDayNames(2001, m, d), furikae);
    }
    // The Monday after the Sunday autumnal equinox, only with AutoEquinox.
    EXPECT_EQ(cal.GetDayKinds(2001, 9, 24), dkFurikae);
    cal.FAutoEquinox = false;
    EXPECT_EQ(cal.GetDayKinds(2001, 9, 24), 0);
    EXPECT_EQ(cal.GetDayNames(2001, 9, 24), "");
    cal.FAutoEquinox = true;
    // 2003-05-05 is itself a holiday: no substitute, and none moves to Tuesday.
    EXPECT_EQ(cal.GetDayKinds(2003, 5, 5), dkHoliday);
    EXPECT_EQ(cal.GetDayNames(2003, 5, 5), S(u8"こどもの日"));
    EXPECT_EQ(cal.GetDayKinds(2003, 5, 6), 0);
    cal.FAutoFurikae = false;
    EXPECT_EQ(cal.GetDayKinds(2001, 2, 12), 0);
    EXPECT_EQ(cal.GetDayNames(2001, 2, 12), "");
}

TEST(DayRules, KindsCombine) {
    DefaultCalendar cal;
    EXPECT_EQ(cal.GetDayKinds(2001, 2, 11), dkSunday | dkHoliday);
    EXPECT_EQ(cal.GetDayKinds(2001, 2, 10), dkSaturday);
    EXPECT_EQ(cal.GetDayKinds(2001, 4, 11), 0);
    ParseDayList(std::vector<std::string>{S(u8"2001,2001,01,01,,,[会議]"), S(u8"2001,2001,02,12,,,[出張]")},
                 cal.SpecialDayItems);
    EXPECT_EQ(cal.GetDayKinds(2001, 1, 1), dkHoliday | dkSpecialDay);
    EXPECT_EQ(cal.GetDayNames(2001, 1, 1), S(u8"[会議],元旦"));
    // A special day never counts as the holiday behind a substitute.
    ParseDayList(std::vector<std::string>{S(u8"2001,2001,04,08,,,[x]")}, cal.SpecialDayItems);
    EXPECT_EQ(cal.GetDayKinds(2001, 4, 9), 0);
}

TEST(DayRules, SubstituteTestGoesThroughTheOverride) {
    struct EverySundayHoliday : DefaultCalendar {
        TDayKinds GetDayKinds(int32_t y, uint8_t m, uint8_t d) override {
            TDayKinds k = DefaultCalendar::GetDayKinds(y, m, d);
            return (k & dkSunday) ? k | dkHoliday : k;
        }
    } cal;
    EXPECT_TRUE(cal.GetDayKinds(2001, 4, 16) & dkFurikae);
    EXPECT_EQ(cal.GetDayNames(2001, 4, 16), S(u8"振替休日"));
}

TEST(DayRules, NamesAreQuotedWhenNeeded) {
    TDayClassifier cal;
    ParseDayList(std::vector<std::string>{"5,3,\"a b\"", "5,3,\"\"", "5,3,c"}, cal.SpecialDayItems);
    EXPECT_EQ(cal.GetDayNames(2001, 5, 3), "\"a b\",,c");
    ParseDayList(std::vector<std::string>{"5,3,\"\""}, cal.SpecialDayItems);
    EXPECT_EQ(cal.GetDayNames(2001, 5, 3), "\"\"");
}

TEST(DayRules, DefaultHolidayList) {
    const auto& lines = DefaultHolidayLines();
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines.front(), S(u8",,1,1,,,元旦"));
    EXPECT_EQ(lines[2], S(u8"2000,,1,,2,2,成人の日"));
    EXPECT_EQ(lines.back(), S(u8",,12,23,,,天皇誕生日"));
    DefaultCalendar cal;
    EXPECT_EQ(cal.HolidayItems.size(), 15u);
    EXPECT_EQ(cal.GetDayNames(2000, 10, 9), S(u8"体育の日"));
    EXPECT_EQ(cal.GetDayNames(1999, 10, 10), S(u8"体育の日"));
    EXPECT_EQ(cal.GetDayNames(2000, 10, 10), "");
}
