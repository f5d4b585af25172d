#include "platform/DateTime.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/SysUtils.h"

#include <gtest/gtest.h>

TEST(StrToInt, AcceptsDecimalWithSign) {
    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("04"), 4);
    EXPECT_EQ(StrToInt("-12"), -12);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
}

TEST(StrToInt, RefusesEverythingElseWithTheMessage) {
    for (const char* bad : {"", " 1", "1 ", "abc", "1.5", "-", "2147483648", "0x10", "$10"}) {
        try {
            StrToInt(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), std::string("'") + bad + "' は整数ではありません");
        }
    }
}

TEST(StrToIntDef, HexFormsAndDefault) {
    EXPECT_EQ(StrToIntDef("0x1F", -1), 31);
    EXPECT_EQ(StrToIntDef("$10", -1), 16);
    EXPECT_EQ(StrToIntDef("yes", -1), -1);
    EXPECT_EQ(StrToIntDef("", 5), 5);
}

TEST(FormatMsg, ReplacesInOrder) {
    EXPECT_EQ(FormatMsg("%s に書き込めません", {"/a/b.ini"}), "/a/b.ini に書き込めません");
    EXPECT_EQ(FormatMsg("%s-%sにログイン", {"h", "1"}), "h-1にログイン");
}

TEST(DateTime, EncodeDecodeKnownValues) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
}

TEST(DateTime, RoundTripEveryDay) {
    int y, m, d;
    for (double t = -693593; t <= 2958465; t += 1) {
        DecodeDate(t, y, m, d);
        ASSERT_EQ(EncodeDate(y, m, d), t);
    }
}

TEST(DateTime, RefusesOutsideTheCalendar) {
    for (auto [y, m, d] : {std::tuple{0, 1, 1}, {10000, 1, 1}, {2001, 2, 29}, {2001, 13, 1}, {2001, 4, 0}}) {
        try {
            EncodeDate(y, m, d);
            ADD_FAILURE() << y << "-" << m << "-" << d;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "日付に変換できない値が渡されました");
        }
    }
    EXPECT_EQ(EncodeDate(2000, 2, 29), 36585.0);
}

TEST(DateTime, ClockIsReplaceable) {
    using namespace std::chrono;
    // 2001-04-11 03:00:00.250 UTC = 12:00:00.250 in Tokyo (the tests' TZ).
    auto fixed = sys_days{year{2001} / 4 / 11} + hours{3} + milliseconds{250};
    SetClock([&] { return time_point_cast<system_clock::duration>(fixed); });
    EXPECT_EQ(UtcMillisecondsOfDay(), 3u * 3600000u + 250u);
    int y, m, d;
    DecodeDate(Date(), y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, 20010411);
    SetClock(nullptr);
}

TEST(Files, PathJoinAndSplitLines) {
    EXPECT_EQ(PathJoin("/a", "b"), "/a/b");
    EXPECT_EQ(PathJoin("/a/", "b"), "/a/b");
    EXPECT_EQ(ExtractFileDir("/a/b/c.txt"), "/a/b");
    EXPECT_EQ(SplitLines(""), std::vector<std::string>{});
    EXPECT_EQ(SplitLines("a\r\n"), std::vector<std::string>{"a"});
    EXPECT_EQ(SplitLines("\r\n\n"), (std::vector<std::string>{"", ""}));
}
