#include "platform/Sjis.h"

#include <cerrno>
#include <iconv.h>

namespace {

// Converts with iconv, replacing what cannot be converted and going on.
std::string Convert(const char* to, const char* from, std::string_view in, std::string_view replacement) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string(in);
    std::string out;
    out.reserve(in.size() * 3 / 2 + 4);
    char buf[1024];
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    while (left > 0) {
        char* dst = buf;
        size_t room = sizeof buf;
        size_t r = iconv(cd, &src, &left, &dst, &room);
        out.append(buf, dst - buf);
        if (r == static_cast<size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            // EILSEQ or EINVAL: skip one byte (a whole UTF-8 sequence when converting from UTF-8).
            size_t skip = 1;
            if (std::string_view(from) == "UTF-8") {
                unsigned char c = static_cast<unsigned char>(*src);
                skip = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
            } else if (IsLeadByte(*src) && left >= 2) {
                skip = 2;
            }
            if (skip > left)
                skip = left;
            src += skip;
            left -= skip;
            out.append(replacement);
        }
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    iconv_close(cd);
    return out;
}

// Folds one character (given as its code) for comparison: ASCII a-z -> A-Z,
// full-width ａ-ｚ (0x8281-0x829A) -> Ａ-Ｚ (0x8260-0x8279).
unsigned Fold(unsigned code) {
    if (code >= 'a' && code <= 'z')
        return code - 0x20;
    if (code >= 0x8281 && code <= 0x829A)
        return code - 0x21;
    return code;
}

}  // namespace

std::string Sjis(std::string_view utf8) { return Convert("CP932", "UTF-8", utf8, "?"); }

std::string Sjis(std::u8string_view utf8) {
    return Sjis(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

std::string SjisToUtf8(std::string_view sjis) { return Convert("UTF-8", "CP932", sjis, "\xEF\xBF\xBD"); }

int CompareText(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        std::size_t la = CharLength(a, i), lb = CharLength(b, j);
        unsigned ca = la == 2 ? (static_cast<unsigned char>(a[i]) << 8) | static_cast<unsigned char>(a[i + 1])
                              : static_cast<unsigned char>(a[i]);
        unsigned cb = lb == 2 ? (static_cast<unsigned char>(b[j]) << 8) | static_cast<unsigned char>(b[j + 1])
                              : static_cast<unsigned char>(b[j]);
        ca = Fold(ca);
        cb = Fold(cb);
        if (ca != cb) {
            // Compare as the byte sequences would: first differing byte decides.
            unsigned char a0 = static_cast<unsigned char>(la == 2 ? ca >> 8 : ca);
            unsigned char b0 = static_cast<unsigned char>(lb == 2 ? cb >> 8 : cb);
            if (a0 != b0)
                return a0 < b0 ? -1 : 1;
            if (la != lb)
                return la < lb ? -1 : 1;
            return (ca & 0xFF) < (cb & 0xFF) ? -1 : 1;
        }
        i += la;
        j += lb;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}
