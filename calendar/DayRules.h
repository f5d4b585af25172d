#pragma once
// Day-rule lines: the comma-text split, rule items, matching, and the
// classification of a date into its kinds and names over two rule lists.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/StringList.h"

// Cuts a line (code page 932 bytes) into fields: commas separate, a blank or
// control character also ends an unquoted field, "…" quotes with "" inside.
std::vector<std::string> CommaTextSplit(std::string_view line);
// Joins fields into one comma text, quoting a field that holds a blank, a
// control character, a comma or a double quote (doubling the quotes).
std::string CommaTextJoin(const std::vector<std::string>& fields);

constexpr int32_t NoYear = INT32_MIN;

struct TBinaryDayListItem {
    uint8_t Day = 0;        // 0 = any
    uint8_t Month = 0;      // 0 = any
    uint8_t DayOfWeek = 0;  // 1 = Sunday … 7; 0 = any
    uint8_t WeekNo = 0;     // occurrence of DayOfWeek in the month; 0 = any
    int32_t FromYear = NoYear;
    int32_t ToYear = NoYear;
    std::string Name;       // code page 932

    bool Match(int32_t Year, uint8_t Month, uint8_t Day) const;
};

using TDayList = std::vector<TBinaryDayListItem>;

// Rebuilds Items from Lines. A bad numeric field raises EConvertError; the
// lines before it are items, the bad line's item is in with what was read.
void ParseDayList(const std::vector<std::string>& Lines, TDayList& Items);
inline void ParseDayList(const TStringList& Lines, TDayList& Items) { ParseDayList(Lines.Lines(), Items); }

enum TDayKind : uint8_t {
    dkSunday = 1,
    dkSaturday = 2,
    dkHoliday = 4,
    dkFurikae = 8,
    dkSpecialDay = 16,
};
using TDayKinds = uint8_t;  // a set of TDayKind bits

// The classification over a holiday and a special-day rule list; the calendar
// controls derive from it, and the substitute-holiday test goes through the
// overridable GetDayKinds.
class TDayClassifier {
public:
    virtual ~TDayClassifier() = default;

    virtual TDayKinds GetDayKinds(int32_t Year, uint8_t Month, uint8_t Day);
    // The day's names as one comma text (code page 932).
    virtual std::string GetDayNames(int32_t Year, uint8_t Month, uint8_t Day);

    TDayList HolidayItems;
    TDayList SpecialDayItems;
    bool FAutoEquinox = true;
    bool FAutoFurikae = true;
};

// The main window's 15 default holiday lines (code page 932).
const std::vector<std::string>& DefaultHolidayLines();
