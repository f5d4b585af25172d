#pragma once
// Code page 932 text. Program data is held as bytes of code page 932 in
// std::string; conversion to and from UTF-8 happens only at the edges.
#include <string>
#include <string_view>

// True for a byte that starts a two-byte character (0x81-0x9F, 0xE0-0xFC).
inline bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
inline bool IsLeadByte(char c) { return IsLeadByte(static_cast<unsigned char>(c)); }

// Length in bytes of the character starting at s[i] (1 or 2; a lead byte at
// the very end counts as one byte).
inline std::size_t CharLength(std::string_view s, std::size_t i) {
    return (IsLeadByte(s[i]) && i + 1 < s.size()) ? 2 : 1;
}

// UTF-8 -> code page 932. Characters that code page 932 lacks become '?'.
std::string Sjis(std::string_view utf8);
std::string Sjis(std::u8string_view utf8);
// Code page 932 -> UTF-8. Bytes that do not decode become U+FFFD.
std::string SjisToUtf8(std::string_view sjis);

// Case-insensitive comparison by character: ASCII and full-width Latin
// letters fold, everything else compares by byte. <0, 0, >0.
int CompareText(std::string_view a, std::string_view b);
inline bool SameText(std::string_view a, std::string_view b) { return CompareText(a, b) == 0; }
