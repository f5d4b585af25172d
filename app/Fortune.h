#pragma once
// The fortune of the day: a small linear congruential generator re-seeded from
// the time of day, the fortune word and the lucky colour, item and sentence.
// Every text here is UTF-8: it is only ever shown, never stored.
#include <cstdint>
#include <string>

class TFortune {
public:
    // The generator's state; one per program, shared by all its draws.
    uint32_t RandSeed = 0;

    // RandSeed := milliseconds since midnight UTC, from the program's clock.
    void Randomize();
    // RandSeed := RandSeed * 134775813 + 1; answers the upper 32 bits of range * RandSeed (0 … range-1).
    uint32_t Random(uint32_t range);

    // Re-seeds, draws below 100 and answers the word for the draw (for the panel).
    std::string DrawWord();
    // Re-seeds before each of three draws below 15 and answers the message (for the message box).
    std::string DrawMessage();
};

// The word for a draw of 0 … 99: 大吉 (0-5), 小吉 (6-20), 末吉 (21-35), 吉 (36-80), 凶 (81-95), 大凶 (96-99).
std::string FortuneWord(uint32_t draw);
// The message for colour, item and sentence rows 0 … 14, its lines parted by LF CR (0x0A 0x0D).
std::string FortuneMessage(uint32_t colour, uint32_t item, uint32_t sentence);
