#include "platform/Sjis.h"

#include <gtest/gtest.h>

#include "tests/TestUtil.h"

TEST(Sjis, ConvertsBothWays) {
    EXPECT_EQ(S(u8"山田"), std::string("\x8E\x52\x93\x63"));
    EXPECT_EQ(S(u8"年"), std::string("\x94\x4E"));
    EXPECT_EQ(S(u8"ｼﾞｬﾝﾌﾟ"), std::string("\xBC\xDE\xAC\xDD\xCC\xDF"));
    EXPECT_EQ(SjisToUtf8(S(u8"くらろん！①")), std::string(reinterpret_cast<const char*>(u8"くらろん！①")));
    EXPECT_EQ(Sjis(std::string_view("abc,1")), "abc,1");
}

TEST(Sjis, LeadBytes) {
    EXPECT_TRUE(IsLeadByte('\x81'));
    EXPECT_TRUE(IsLeadByte('\x9F'));
    EXPECT_TRUE(IsLeadByte('\xE0'));
    EXPECT_TRUE(IsLeadByte('\xFC'));
    EXPECT_FALSE(IsLeadByte('\xA0'));  // half-width katakana are single bytes
    EXPECT_FALSE(IsLeadByte('\xDF'));
    EXPECT_FALSE(IsLeadByte('A'));
}

struct CompareCase {
    const char* name;
    friend void PrintTo(const CompareCase& c, std::ostream* os) { *os << c.name; }
    const char8_t* a;
    const char8_t* b;
    int sign;
};

class CompareTextTest : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CompareTextTest, Order) {
    const auto& c = GetParam();
    int r = CompareText(S(c.a), S(c.b));
    EXPECT_EQ((r > 0) - (r < 0), c.sign) << reinterpret_cast<const char*>(c.a) << " vs "
                                           << reinterpret_cast<const char*>(c.b);
    EXPECT_EQ(SameText(S(c.a), S(c.b)), c.sign == 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, CompareTextTest, ::testing::Values(
    CompareCase{"ascii_case", u8"abc", u8"ABC", 0},
    CompareCase{"fullwidth_case", u8"ａｂｃ", u8"ＡＢＣ", 0},      // full-width letters fold
    CompareCase{"katakana_vs_fullwidth_a", u8"ア", u8"ａ", 1},               // trail byte 0x41 of ア is not 'A'
    CompareCase{"same_katakana", u8"ア", u8"ア", 0},
    CompareCase{"prefix_shorter", u8"[山田]", u8"[山田年休]", -1},
    CompareCase{"dates_in_order", u8"2001年04月05日", u8"2001年04月10日", -1},
    CompareCase{"longer_after_empty", u8"a", u8"", 1},
    CompareCase{"both_empty", u8"", u8"", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Sjis, TrailByteIsNeverFolded) {
    // ア = 83 41, ャ = 83 61: their trail bytes are 'A' and 'a' but the characters differ.
    EXPECT_FALSE(SameText(S(u8"ア"), S(u8"ャ")));
    EXPECT_EQ(S(u8"ア")[1], 'A');
}
