#include "calendar/DayRules.h"

#include "calendar/Julius.h"
#include "platform/Sjis.h"
#include "platform/SysUtils.h"

namespace {

// Bytes 1..32: control characters and the blank, skipped between fields.
inline bool IsBlank(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return u >= 1 && u <= 32;
}

// A byte that ends an unquoted field: a comma, or any byte of 32 or less.
inline bool EndsField(char c) { return c == ',' || static_cast<unsigned char>(c) <= 32; }

}  // namespace

std::vector<std::string> CommaTextSplit(std::string_view line) {
    // A NUL byte ends the text, as it ends a line read from a file.
    if (auto nul = line.find('\0'); nul != std::string_view::npos)
        line = line.substr(0, nul);
    std::vector<std::string> fields;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (i < n && IsBlank(line[i])) ++i;
    while (i < n) {
        std::string field;
        if (line[i] == '"') {
            ++i;
            while (i < n) {
                if (line[i] == '"') {
                    if (i + 1 < n && line[i + 1] == '"') {
                        field.push_back('"');
                        i += 2;
                        continue;
                    }
                    ++i;  // the closing quote
                    break;
                }
                std::size_t len = CharLength(line, i);
                field.append(line.substr(i, len));
                i += len;
            }
        } else {
            std::size_t start = i;
            while (i < n && !EndsField(line[i])) i += CharLength(line, i);
            field.assign(line.substr(start, i - start));
        }
        fields.push_back(std::move(field));
        while (i < n && IsBlank(line[i])) ++i;
        if (i < n && line[i] == ',') {
            ++i;
            while (i < n && IsBlank(line[i])) ++i;
        }
    }
    return fields;
}

std::string CommaTextJoin(const std::vector<std::string>& fields) {
    if (fields.size() == 1 && fields[0].empty())
        return "\"\"";
    std::string out;
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (k > 0)
            out.push_back(',');
        const std::string& f = fields[k];
        bool quote = false;
        for (char c : f)
            if (static_cast<unsigned char>(c) <= 32 || c == ',' || c == '"') quote = true;
        if (!quote) {
            out += f;
            continue;
        }
        out.push_back('"');
        for (char c : f) {
            if (c == '"')
                out.push_back('"');
            out.push_back(c);
        }
        out.push_back('"');
    }
    return out;
}

bool TBinaryDayListItem::Match(int32_t Year, uint8_t AMonth, uint8_t ADay) const {
    const bool hasFrom = FromYear != NoYear, hasTo = ToYear != NoYear;
    if (hasTo && !hasFrom) {
        if (Year > ToYear) return false;
    } else if (hasFrom && !hasTo) {
        if (Year < FromYear) return false;
    } else if (hasFrom && hasTo) {
        if (ToYear >= FromYear) {
            if (Year < FromYear || Year > ToYear) return false;
        } else if (Year < FromYear && Year > ToYear) {
            return false;  // inverted window: only the years strictly between fail
        }
    }
    if (Month != 0 && Month != AMonth) return false;
    if (Day != 0 && Day != ADay) return false;
    if (DayOfWeek == 0) return true;
    if (JuliusDayOfWeek(DateToJulius(Year, AMonth, ADay)) != DayOfWeek) return false;
    if (WeekNo == 0) return true;
    return WeekNo == (ADay - 1) / 7 + 1;
}

namespace {

// Numbers are read as signed 32-bit values; the 8-bit fields keep the low byte.
inline uint8_t Low8(const std::string& s) { return static_cast<uint8_t>(StrToInt(s)); }

void ReadYears(TBinaryDayListItem& item, const std::string& year, const std::string& mode) {
    if (mode == "0") {
        item.FromYear = item.ToYear = StrToInt(year);
    } else if (mode == "1") {
        item.ToYear = StrToInt(year);
    } else if (mode == "2") {
        item.FromYear = StrToInt(year);
    }
}

}  // namespace

void ParseDayList(const std::vector<std::string>& Lines, TDayList& Items) {
    Items.clear();
    for (const auto& line : Lines) {
        const auto f = CommaTextSplit(line);
        if (f.size() < 3 || f.size() > 7)
            continue;
        // The item is in the list before its numbers are read, so a bad field
        // leaves it there with what was read so far.
        Items.emplace_back();
        TBinaryDayListItem& item = Items.back();
        switch (f.size()) {
        case 3:
            item.Month = Low8(f[0]);
            item.Day = Low8(f[1]);
            item.Name = f[2];
            break;
        case 4:
            item.Month = Low8(f[0]);
            item.WeekNo = Low8(f[1]);
            item.DayOfWeek = Low8(f[2]);
            item.Name = f[3];
            break;
        case 5:
            item.Month = Low8(f[2]);
            item.Day = Low8(f[3]);
            item.Name = f[4];
            ReadYears(item, f[0], f[1]);
            break;
        case 6:
            item.Month = Low8(f[2]);
            item.WeekNo = Low8(f[3]);
            item.DayOfWeek = Low8(f[4]);
            item.Name = f[5];
            ReadYears(item, f[0], f[1]);
            break;
        case 7:
            if (!f[0].empty()) item.FromYear = StrToInt(f[0]);
            if (!f[1].empty()) item.ToYear = StrToInt(f[1]);
            if (!f[2].empty()) item.Month = Low8(f[2]);
            if (!f[3].empty()) item.Day = Low8(f[3]);
            if (!f[4].empty()) item.DayOfWeek = Low8(f[4]);
            if (!f[5].empty()) item.WeekNo = Low8(f[5]);
            item.Name = f[6];
            break;
        }
    }
}

TDayKinds TDayClassifier::GetDayKinds(int32_t Year, uint8_t Month, uint8_t Day) {
    TDayKinds kinds = 0;
    for (const auto& item : SpecialDayItems)
        if (item.Match(Year, Month, Day)) kinds |= dkSpecialDay;
    for (const auto& item : HolidayItems)
        if (item.Match(Year, Month, Day)) kinds |= dkHoliday;
    const int32_t j = DateToJulius(Year, Month, Day);
    const uint8_t w = JuliusDayOfWeek(j);
    if (w == 1) kinds |= dkSunday;
    if (w == 7) kinds |= dkSaturday;
    if (FAutoEquinox && (IsVernalEquinox(Year, Month, Day) || IsAutumnalEquinox(Year, Month, Day)))
        kinds |= dkHoliday;
    if (FAutoFurikae && w == 2 && !(kinds & dkHoliday)) {
        int32_t y;
        uint8_t m, d;
        JuliusToDate(j - 1, y, m, d);
        if (GetDayKinds(y, m, d) & dkHoliday)
            kinds |= dkFurikae;
    }
    return kinds;
}

std::string TDayClassifier::GetDayNames(int32_t Year, uint8_t Month, uint8_t Day) {
    static const std::string vernal = Sjis(u8"春分の日");
    static const std::string autumnal = Sjis(u8"秋分の日");
    static const std::string furikae = Sjis(u8"振替休日");
    std::vector<std::string> names;
    for (const auto& item : SpecialDayItems)
        if (item.Match(Year, Month, Day)) names.push_back(item.Name);
    for (const auto& item : HolidayItems)
        if (item.Match(Year, Month, Day)) names.push_back(item.Name);
    if (FAutoEquinox) {
        if (IsVernalEquinox(Year, Month, Day))
            names.push_back(vernal);
        else if (IsAutumnalEquinox(Year, Month, Day))
            names.push_back(autumnal);
    }
    if (FAutoFurikae && (GetDayKinds(Year, Month, Day) & dkFurikae))
        names.push_back(furikae);
    return CommaTextJoin(names);
}

const std::vector<std::string>& DefaultHolidayLines() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> v;
        for (const char8_t* l : {u8",,1,1,,,元旦", u8",1999,1,15,,,成人の日", u8"2000,,1,,2,2,成人の日",
                                 u8",,2,11,,,建国の日", u8",,4,29,,,みどりの日", u8",,5,3,,,憲法記念日",
                                 u8",,5,4,,,国民の休日", u8",,5,5,,,こどもの日", u8",,7,20,,,海の日",
                                 u8",,9,15,,,敬老の日", u8",1999,10,10,,,体育の日", u8"2000,,10,,2,2,体育の日",
                                 u8",,11,3,,,文化の日", u8",,11,23,,,勤労感謝の日", u8",,12,23,,,天皇誕生日"})
            v.push_back(Sjis(std::u8string_view(l)));
        return v;
    }();
    return lines;
}
