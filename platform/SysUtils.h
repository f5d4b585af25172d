#pragma once
// Small conversions shared by the whole program.
#include <cstdint>
#include <string>
#include <string_view>

// Decimal with an optional sign; anything else (empty, blanks, overflow of
// 32 bits) raises EConvertError "'<text>' は整数ではありません".
int32_t StrToInt(std::string_view text);
// Like StrToInt, also "0x…"/"$…" hexadecimal; answers def when it cannot convert.
int32_t StrToIntDef(std::string_view text, int32_t def);
std::string IntToStr(long long value);

// Replaces each "%s" in pattern by the next argument, in order.
std::string FormatMsg(std::string_view pattern, std::initializer_list<std::string_view> args);
