#include "schedule/EntryLine.h"

#include <gtest/gtest.h>

#include "platform/Exception.h"
#include "tests/TestUtil.h"

namespace {

TEST(EntryLine, BuildsTheSevenFieldLine) {
    EXPECT_EQ(MakeEntryLine(2001, 4, 5, S(u8"山田年休")), S(u8"2001,2001,04,05,,,[山田年休]"));
    EXPECT_EQ(MakeEntryLine(987, 12, 31, "x"), "987,987,12,31,,,[x]");
    EXPECT_EQ(MakeEntryLine(2001, 10, 1, ""), "2001,2001,10,01,,,[]");
}

struct ListCase {
    const char* name;
    friend void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }
    const char8_t* storeLine;
    const char8_t* listLine;  // nullptr: no list line
};

class ListLine : public ::testing::TestWithParam<ListCase> {};

TEST_P(ListLine, FromStoreLine) {
    const auto& c = GetParam();
    const auto got = ListLineOf(S(c.storeLine));
    if (c.listLine == nullptr)
        EXPECT_FALSE(got.has_value()) << *got;
    else
        EXPECT_EQ(got.value_or("<none>"), S(c.listLine));
}

INSTANTIATE_TEST_SUITE_P(
    Store, ListLine,
    ::testing::Values(ListCase{"entry", u8"2001,2001,04,05,,,[山田年休]", u8"2001年04月05日[山田年休]"},
                      ListCase{"hand_written_may_day", u8",,5,1,,,メーデー", u8"年5月1日メーデー"},
                      ListCase{"quoted_text", u8"2001,2001,04,05,,,\"[a b]\"", u8"2001年04月05日[a b]"},
                      ListCase{"eight_fields", u8"2001,2001,04,05,,,[a],x", u8"2001年04月05日[a]"},
                      ListCase{"blank_splits_the_text", u8"2001,2001,04,05,,,[a b]", u8"2001年04月05日[a"},
                      ListCase{"six_fields", u8"2001,1,4,2,1,春", nullptr},
                      ListCase{"three_fields", u8"1,1,元旦", nullptr},
                      ListCase{"empty_line", u8"", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EntryLine, ListLinesSkipShortRulesAndKeepStoreOrder) {
    const std::vector<std::string> store = {S(u8"2001,2001,04,10,,,[b]"), "", "1,1,x",
                                            S(u8"2001,2001,04,05,,,[a]")};
    EXPECT_EQ(ListLinesOf(store),
              (std::vector<std::string>{S(u8"2001年04月10日[b]"), S(u8"2001年04月05日[a]")}));
}

TEST(EntryLine, ListLineMapsBackByBytePositions) {
    const std::string list = S(u8"2001年04月05日[山田年休]");
    const TListLineParts p = SplitListLine(list);
    EXPECT_EQ(p.Year, "2001");
    EXPECT_EQ(p.Month, "04");
    EXPECT_EQ(p.Day, "05");
    EXPECT_EQ(p.Text, S(u8"[山田年休]"));
    EXPECT_EQ(EntryLineOfListLine(list), S(u8"2001,2001,04,05,,,[山田年休]"));

    // A short line gives what its bytes hold.
    const TListLineParts shortLine = SplitListLine("2001xx0");
    EXPECT_EQ(shortLine.Year, "2001");
    EXPECT_EQ(shortLine.Month, "0");
    EXPECT_EQ(shortLine.Day, "");
    EXPECT_EQ(shortLine.Text, "");
    EXPECT_EQ(EntryLineOfListLine(""), ",,,,,,");
}

TEST(EntryLine, TextIsCutAt255Bytes) {
    const std::string text255 = "[" + std::string(253, 'x') + "]";
    const std::string text256 = "[" + std::string(254, 'x') + "]";
    const std::string entry255 = "2001,2001,04,05,,," + text255;
    const std::string entry256 = "2001,2001,04,05,,," + text256;
    EXPECT_EQ(EntryLineOfListLine(*ListLineOf(entry255)), entry255);
    EXPECT_EQ(EntryLineOfListLine(*ListLineOf(entry256)), entry256.substr(0, entry256.size() - 1));

    TStringList store;
    store.Assign(std::vector<std::string>{entry256, entry255});
    EXPECT_EQ(FindEntryOfListLine(store, *ListLineOf(entry255)), 1);
    EXPECT_EQ(FindEntryOfListLine(store, *ListLineOf(entry256)), -1) << "a longer text is never found";
}

TEST(EntryLine, LookupFindsTheFirstLineIgnoringCase) {
    TStringList store;
    store.Assign(std::vector<std::string>{S(u8"2001,2001,04,05,,,[山田ABC]"), S(u8"2001,2001,04,05,,,[山田abc]"),
                                          S(u8"2001,2001,04,05,,,[山田ＡＢＣ]"), ",,5,1,,,メーデー"});
    EXPECT_EQ(FindEntryOfListLine(store, S(u8"2001年04月05日[山田abc]")), 0);
    EXPECT_EQ(FindEntryOfListLine(store, S(u8"2001年04月05日[山田ABC]")), 0);
    EXPECT_EQ(FindEntryOfListLine(store, S(u8"2001年04月05日[山田ａｂｃ]")), 2);
    // The hand-written line's list line does not map back to it: nothing is found.
    EXPECT_EQ(FindEntryOfListLine(store, *ListLineOf(store[3])), -1);
    EXPECT_EQ(FindEntryOfListLine(store, S(u8"2001年04月06日[山田abc]")), -1);
}

TEST(EntryLine, DateAndContentOfAListLine) {
    const std::string list = S(u8"2001年04月05日[山田年休]");
    const TListLineDate d = ListLineDate(list);
    EXPECT_EQ((std::vector<int>{d.Year, d.Month, d.Day}), (std::vector<int>{2001, 4, 5}));
    EXPECT_EQ(ListLineContent(list), S(u8"山田年休"));
    EXPECT_EQ(ListLineContent(S(u8"2001年04月05日[]")), "");
    EXPECT_EQ(ListLineContent(S(u8"2001年04月05日x")), "");
    // A hand-written line: its date positions are no numbers.
    try {
        ListLineDate(S(u8"年5月1日メーデー"));
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        // The cut-off lead byte of 月 shows as a replacement character.
        EXPECT_EQ(e.Message(), "'年5\uFFFD' は整数ではありません");
    }
}

struct TextCase {
    const char* name;
    friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
    std::string text;
    TEntryTextFault fault;
};

class EntryText : public ::testing::TestWithParam<TextCase> {};

TEST_P(EntryText, Check) { EXPECT_EQ(CheckEntryText(GetParam().text), GetParam().fault); }

INSTANTIATE_TEST_SUITE_P(
    Dialog, EntryText,
    ::testing::Values(TextCase{"plain", S(u8"山田年休"), TEntryTextFault::None},
                      TextCase{"full_width_space", S(u8"山田　年休"), TEntryTextFault::None},
                      TextCase{"trail_bytes_like_ascii", S(u8"ア表ソ"), TEntryTextFault::None},
                      TextCase{"comma", S(u8"山田,年休"), TEntryTextFault::Comma},
                      TextCase{"space", S(u8"山 田"), TEntryTextFault::Blank},
                      TextCase{"comma_before_space", "a,b c", TEntryTextFault::Comma},
                      TextCase{"space_before_comma", "a b,c", TEntryTextFault::Blank},
                      TextCase{"tab", "a\tb", TEntryTextFault::Blank},
                      TextCase{"line_break", "a\r\nb", TEntryTextFault::Blank},
                      TextCase{"longest", std::string(253, 'x'), TEntryTextFault::None},
                      TextCase{"one_byte_too_long", std::string(254, 'x'), TEntryTextFault::TooLong},
                      TextCase{"comma_in_a_long_text", std::string(300, 'x') + ",", TEntryTextFault::Comma}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
