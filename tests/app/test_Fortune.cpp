#include "app/Fortune.h"

#include <gtest/gtest.h>

#include "platform/DateTime.h"

namespace {

using namespace std::chrono;

// Stops the program's clock at a UTC time of day (on 2001-04-05) for one test.
class StoppedClock {
public:
    explicit StoppedClock(milliseconds timeOfDay) {
        const auto at = sys_days(year(2001) / 4 / 5) + timeOfDay;
        SetClock([at] { return system_clock::time_point(at); });
    }
    ~StoppedClock() { SetClock({}); }
};

TEST(Fortune, WordBoundaries) {
    const std::pair<uint32_t, const char*> cases[] = {
        {0, "大吉"}, {5, "大吉"}, {6, "小吉"}, {20, "小吉"}, {21, "末吉"}, {35, "末吉"},
        {36, "吉"}, {80, "吉"}, {81, "凶"}, {95, "凶"}, {96, "大凶"}, {99, "大凶"}};
    for (auto [draw, word] : cases)
        EXPECT_EQ(FortuneWord(draw), word) << draw;
}

TEST(Fortune, GeneratorSequence) {
    TFortune f;
    f.RandSeed = 45296789;
    // seed' = seed * 134775813 + 1 mod 2^32; the draw is (range * seed') >> 32.
    const std::tuple<uint32_t, uint32_t, uint32_t> steps[] = {
        {100, 2099557098u, 48}, {100, 1162356371u, 27}, {15, 1524927712u, 5},
        {15, 102383713u, 0}, {1000000, 2998748646u, 698200}};
    for (auto [range, seed, draw] : steps) {
        EXPECT_EQ(f.Random(range), draw);
        EXPECT_EQ(f.RandSeed, seed);
    }
    f.RandSeed = 0xFFFFFFFFu;  // wraps modulo 2^32
    f.Random(2);
    EXPECT_EQ(f.RandSeed, static_cast<uint32_t>(0xFFFFFFFFull * 134775813ull + 1));
}

TEST(Fortune, SeedIsTheUtcTimeOfDay) {
    StoppedClock clock(hours(12) + minutes(34) + seconds(56) + milliseconds(789));
    TFortune f;
    f.Randomize();
    EXPECT_EQ(f.RandSeed, ((12u * 60 + 34) * 60 + 56) * 1000 + 789);
    EXPECT_EQ(f.DrawWord(), "吉");  // draw 48
}

TEST(Fortune, StoppedClockGivesOneRow) {
    const std::string LFCR = "\n\r";
    {
        StoppedClock clock(milliseconds(0));  // seed 0: every draw is 0
        TFortune f;
        EXPECT_EQ(f.DrawWord(), "大吉");
        EXPECT_EQ(f.DrawMessage(), "<ラッキーカラー>" + LFCR + "赤色" + LFCR + "<ラッキーアイテム>" + LFCR + "紅茶" +
                                       LFCR + "<今日の運勢>" + LFCR +
                                       "今日はあまり外に出ず家で過ごした方がいいでしょう。");
    }
    {
        StoppedClock clock(hours(12) + minutes(34) + seconds(56) + milliseconds(789));  // row 7
        TFortune f;
        EXPECT_EQ(f.DrawMessage(), FortuneMessage(7, 7, 7));
        EXPECT_NE(FortuneMessage(7, 7, 7).find(LFCR + "うぐいす色" + LFCR), std::string::npos);
        EXPECT_NE(FortuneMessage(7, 7, 7).find(LFCR + "花" + LFCR), std::string::npos);
    }
}

TEST(Fortune, MessageRowsAreIndependent) {
    const std::string m = FortuneMessage(14, 0, 13);
    EXPECT_EQ(m, "<ラッキーカラー>\n\r深緑色\n\r<ラッキーアイテム>\n\r紅茶\n\r<今日の運勢>\n\r"
                 "不思議な一日です。気がつけば大変なことになっているかも。。。");
}

}  // namespace
