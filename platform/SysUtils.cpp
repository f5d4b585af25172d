#include "platform/SysUtils.h"

#include "platform/Exception.h"
#include "platform/Sjis.h"

#include <charconv>
#include <initializer_list>

namespace {

bool ParseDecimal(std::string_view text, int32_t& out) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return false;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL)
            return false;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX || value < INT32_MIN)
        return false;
    out = static_cast<int32_t>(value);
    return true;
}

bool ParseHex(std::string_view digits, bool negative, int32_t& out) {
    if (digits.empty() || digits.size() > 8)
        return false;
    uint32_t value = 0;
    auto [p, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (ec != std::errc() || p != digits.data() + digits.size())
        return false;
    out = static_cast<int32_t>(negative ? 0u - value : value);
    return true;
}

}  // namespace

int32_t StrToInt(std::string_view text) {
    int32_t v;
    if (!ParseDecimal(text, v))
        throw EConvertError("'" + SjisToUtf8(text) + "' は整数ではありません");
    return v;
}

int32_t StrToIntDef(std::string_view text, int32_t def) {
    int32_t v;
    if (ParseDecimal(text, v))
        return v;
    bool negative = false;
    std::string_view t = text;
    if (!t.empty() && (t[0] == '-' || t[0] == '+')) {
        negative = t[0] == '-';
        t.remove_prefix(1);
    }
    if (t.size() > 1 && t[0] == '$' && ParseHex(t.substr(1), negative, v))
        return v;
    if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X') && ParseHex(t.substr(2), negative, v))
        return v;
    return def;
}

std::string IntToStr(long long value) { return std::to_string(value); }

std::string FormatMsg(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    auto it = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's' && it != args.end()) {
            out.append(*it++);
            ++i;
        } else {
            out.push_back(pattern[i]);
        }
    }
    return out;
}
