#include "app/Fortune.h"

#include "platform/DateTime.h"

#include <array>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 15> kColours = {
    "赤色", "緑色", "紫色", "青色", "水色", "黄色", "ピンク色", "うぐいす色",
    "どどめ色", "茶色", "白色", "金色", "銀色", "肌色", "深緑色"};

constexpr std::array<std::string_view, 15> kItems = {
    "紅茶", "ゲーム", "ダンボール", "クリップ", "鞄", "靴", "リボン", "花",
    "パソコン", "時計", "鉛筆", "電車", "めがね", "ガム", "キャンディ"};

constexpr std::array<std::string_view, 15> kSentences = {
    "今日はあまり外に出ず家で過ごした方がいいでしょう。",
    "最高の一日です。何をするにも今日しかありません。行動しましょう。",
    "最悪の一日です。もう何もしたくなくなるかもしれません。でも明日がありますから。",
    "特に何もない一日です。こういう日もありますね。",
    "すてきな出会いがあります。きっかけを見落とさないように。",
    "電子機器に運が向いています。メールや携帯電話を使ってみましょう。",
    "体を動かすといいことがありそうです。無理の無い程度に動いてみましょう。",
    "喧嘩しそうな一日です。今日はおとなしくしておいたほうがいいかも。",
    "新しい発見がありそうです。廻りに注意して過ごしてましょう。",
    "金運が上昇中です。思わぬ収入があるかも。",
    "健康運が停滞気味です。あまり無理をして動かないように。",
    "相談されやすい一日です。頼りがいがあるのかも。",
    "憂鬱な一日です。気分を変えて元気よくいきましょう。",
    "不思議な一日です。気がつけば大変なことになっているかも。。。",
    "楽しいことが続きそうな雰囲気の一日です。"};

// The message parts its lines with LF then CR, in this order.
constexpr std::string_view kBreak = "\n\r";

}  // namespace

void TFortune::Randomize() { RandSeed = UtcMillisecondsOfDay(); }

uint32_t TFortune::Random(uint32_t range) {
    RandSeed = RandSeed * 134775813u + 1u;  // modulo 2^32
    return static_cast<uint32_t>((static_cast<uint64_t>(range) * RandSeed) >> 32);
}

std::string TFortune::DrawWord() {
    Randomize();
    return FortuneWord(Random(100));
}

std::string TFortune::DrawMessage() {
    // Each draw re-seeds first; within one millisecond the three rows agree.
    Randomize();
    const uint32_t c = Random(15);
    Randomize();
    const uint32_t i = Random(15);
    Randomize();
    const uint32_t s = Random(15);
    return FortuneMessage(c, i, s);
}

std::string FortuneWord(uint32_t draw) {
    if (draw <= 5) return "大吉";
    if (draw <= 20) return "小吉";
    if (draw <= 35) return "末吉";
    if (draw <= 80) return "吉";
    if (draw <= 95) return "凶";
    return "大凶";
}

std::string FortuneMessage(uint32_t colour, uint32_t item, uint32_t sentence) {
    std::string m = "<ラッキーカラー>";
    for (std::string_view part : {kBreak, kColours.at(colour), kBreak, std::string_view("<ラッキーアイテム>"), kBreak,
                                  kItems.at(item), kBreak, std::string_view("<今日の運勢>"), kBreak,
                                  kSentences.at(sentence)})
        m += part;
    return m;
}
