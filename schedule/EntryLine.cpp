#include "schedule/EntryLine.h"

#include "calendar/DayRules.h"
#include "platform/Exception.h"
#include "platform/Sjis.h"
#include "platform/SysUtils.h"

namespace {

const std::string& Nen() {
    static const std::string s = Sjis(u8"年");
    return s;
}
const std::string& Gatsu() {
    static const std::string s = Sjis(u8"月");
    return s;
}
const std::string& Nichi() {
    static const std::string s = Sjis(u8"日");
    return s;
}

std::string TwoDigits(int n) {
    std::string s = IntToStr(n);
    return s.size() < 2 ? "0" + s : s;
}

// Bytes from 1-based position `from`, at most `count`, as much as there is.
std::string Bytes(std::string_view s, std::size_t from, std::size_t count) {
    return from - 1 < s.size() ? std::string(s.substr(from - 1, count)) : std::string();
}

}  // namespace

std::string MakeEntryLine(int32_t year, int month, int day, std::string_view text) {
    const std::string y = IntToStr(year);
    return y + "," + y + "," + TwoDigits(month) + "," + TwoDigits(day) + ",,,[" + std::string(text) + "]";
}

std::optional<std::string> ListLineOf(std::string_view storeLine) {
    const auto f = CommaTextSplit(storeLine);
    if (f.size() < 7)
        return std::nullopt;
    return f[0] + Nen() + f[2] + Gatsu() + f[3] + Nichi() + f[6];
}

std::vector<std::string> ListLinesOf(const std::vector<std::string>& storeLines) {
    std::vector<std::string> lines;
    for (const auto& line : storeLines)
        if (auto l = ListLineOf(line))
            lines.push_back(std::move(*l));
    return lines;
}

TListLineParts SplitListLine(std::string_view listLine) {
    return {Bytes(listLine, 1, 4), Bytes(listLine, 7, 2), Bytes(listLine, 11, 2),
            Bytes(listLine, 15, ListTextMaxBytes)};
}

std::string EntryLineOfListLine(std::string_view listLine) {
    const TListLineParts p = SplitListLine(listLine);
    return p.Year + "," + p.Year + "," + p.Month + "," + p.Day + ",,," + p.Text;
}

int FindEntryOfListLine(const TStringList& store, std::string_view listLine) {
    return store.IndexOf(EntryLineOfListLine(listLine));
}

TListLineDate ListLineDate(std::string_view listLine) {
    const TListLineParts p = SplitListLine(listLine);
    return {StrToInt(p.Year), StrToInt(p.Month), StrToInt(p.Day)};
}

std::string ListLineContent(std::string_view listLine) {
    const std::string text = SplitListLine(listLine).Text;
    return text.size() < 2 ? std::string() : text.substr(1, text.size() - 2);
}

TEntryTextFault CheckEntryText(std::string_view text) {
    for (const char c : text) {
        if (c == ',')
            return TEntryTextFault::Comma;
        // The comma-text split ends a field at any byte up to the blank; a
        // line break would also split the file line.
        if (static_cast<unsigned char>(c) <= 0x20)
            return TEntryTextFault::Blank;
    }
    if (text.size() + 2 > ListTextMaxBytes)
        return TEntryTextFault::TooLong;
    return TEntryTextFault::None;
}

std::optional<TUnreadableLine> FirstUnreadableLine(const std::vector<std::string>& storeLines) {
    TDayList items;
    for (std::size_t i = 0; i < storeLines.size(); ++i) {
        try {
            ParseDayList(std::vector<std::string>{storeLines[i]}, items);
        } catch (const EConvertError& e) {
            return TUnreadableLine{static_cast<int>(i), e.Message()};
        }
    }
    return std::nullopt;
}

std::string UnreadableLineText(const TUnreadableLine& bad) {
    return "yotei.dat の " + IntToStr(bad.Index + 1) + " 行目を読めません（" + bad.Message +
           "）。\nカレンダーにはこの行より前の予定だけが表示されます。予定一覧とファイルには全ての行が残ります。";
}
