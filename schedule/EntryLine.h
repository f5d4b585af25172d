#pragma once
// Schedule entries: the entry line stored in yotei.dat (a seven-field day rule,
// 2001,2001,04,05,,,[山田年休]) and its list line (2001年04月05日[山田年休]),
// mapped back by fixed byte positions. All texts are code page 932 bytes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/StringList.h"

// Longest text a list line maps back, in bytes.
constexpr std::size_t ListTextMaxBytes = 255;

// year,year,mm,dd,,,[text]: year without leading zeros, month and day as two digits.
std::string MakeEntryLine(int32_t year, int month, int day, std::string_view text);

// field1年field3月field4日field7 of a store line; nothing for a line of fewer than
// seven fields (an empty line or a shorter day rule), which has no list line.
std::optional<std::string> ListLineOf(std::string_view storeLine);
// The list lines of the store lines that have one, in store order (unsorted).
std::vector<std::string> ListLinesOf(const std::vector<std::string>& storeLines);

// A list line cut at its fixed byte positions (1-based: 1-4, 7-8, 11-12, 15 on).
struct TListLineParts {
    std::string Year;   // bytes 1-4
    std::string Month;  // bytes 7-8
    std::string Day;    // bytes 11-12
    std::string Text;   // bytes 15 on, at most 255 bytes
};
// Cuts a list line; parts beyond its end are empty or short.
TListLineParts SplitListLine(std::string_view listLine);
// The entry line a list line stands for: Year,Year,Month,Day,,,Text from its parts.
std::string EntryLineOfListLine(std::string_view listLine);
// Index of the first store line equal (SameText) to the list line's entry line, or -1.
int FindEntryOfListLine(const TStringList& store, std::string_view listLine);

// A list line's date as numbers; raises EConvertError when a part is not a
// number (a hand-written line of another shape).
struct TListLineDate {
    int32_t Year;
    int32_t Month;
    int32_t Day;
};
TListLineDate ListLineDate(std::string_view listLine);
// The list line's text without its first and last byte: the person and
// content inside the brackets the entry dialog put around them.
std::string ListLineContent(std::string_view listLine);

// Why a person + content text cannot go into an entry line.
enum class TEntryTextFault {
    None,
    Comma,    // a comma would split the line's text field
    Blank,    // a half-width space (or a control character) would end it
    TooLong,  // "[" + text + "]" longer than a list line maps back
};
// Scans the text byte by byte from its start: the first comma or blank byte
// decides; otherwise the length. Trail bytes of double-byte characters are
// never commas or blanks, so they never trip the scan.
TEntryTextFault CheckEntryText(std::string_view text);

// A store line the calendars cannot read as a day rule: a numeric field that
// is not a number. Index counts from 0; Message is the conversion error's text.
struct TUnreadableLine {
    int Index = -1;
    std::string Message;
};
// The first unreadable line of the store, or nothing when every line reads.
std::optional<TUnreadableLine> FirstUnreadableLine(const std::vector<std::string>& storeLines);
// The text shown when yotei.dat holds such a line (UTF-8): which line, why,
// and that the calendars stop at it while the file keeps every line.
std::string UnreadableLineText(const TUnreadableLine& bad);
