#include "calendar/Julius.h"

#include <cmath>
#include <string_view>

#include "calendar/DayRules.h"
#include "platform/Files.h"
#include "platform/SysUtils.h"

extern const std::string_view JDOLDCAL;

namespace {

// Conversion of a double to an integer dropping the fraction, toward zero.
inline int64_t Trunc(double x) { return static_cast<int64_t>(x); }

const uint8_t kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

int32_t DateToJulius(int32_t Year, uint8_t Month, uint8_t Day) {
    bool gregorian;
    if (Year != 1582)
        gregorian = Year > 1582;
    else if (Month != 10)
        gregorian = Month > 10;
    else if (Day < 5)
        gregorian = false;
    else if (Day > 14)
        gregorian = true;
    else
        throw EJuliusError("1582/10/5-10/14は存在しません。");

    // January and February count as months 13 and 14 of the previous year.
    double y = Month < 3 ? Year - 1.0 : Year;
    int m = Month < 3 ? Month + 12 : Month;
    // |365.25 y| < 3.7e6 for the years in use: exact in a double.
    int64_t c = Year <= 0 ? Trunc(365.25 * y - 0.75) : Trunc(365.25 * y);
    int64_t d = Trunc(30.6001 * (m + 1));
    int64_t j = c + d + Day + 1720995;
    if (gregorian) {
        int64_t a = Trunc(y / 100);
        j += 2 - a + Trunc(a / 4.0);
    }
    return static_cast<int32_t>(j);
}

void JuliusToDate(int32_t J, int32_t& Year, uint8_t& Month, uint8_t& Day) {
    double b;
    if (J < 2299161) {
        b = J + 1524.0;
    } else {
        int64_t alpha = Trunc((J - 1867216.25) / 36524.25);
        b = J + alpha - Trunc(alpha / 4.0) + 1525.0;
    }
    int64_t c = Trunc((b - 122.1) / 365.25);
    int64_t d = Trunc(365.25 * c);
    int64_t e = Trunc((b - d) / 30.6001);
    Day = static_cast<uint8_t>(static_cast<int64_t>(b) - d - Trunc(30.6001 * e));
    Month = static_cast<uint8_t>(e < 13.5 ? e - 1 : e - 13);
    Year = static_cast<int32_t>(Month > 2.5 ? c - 4716 : c - 4715);
}

uint8_t JuliusDayOfWeek(int32_t J) { return static_cast<uint8_t>((J + 1) % 7 + 1); }

bool IsLeapYear(int32_t Year) {
    if (Year < 1582)
        return (static_cast<int64_t>(Year) + 4712) % 4 == 0;
    if (Year % 4 != 0)
        return false;
    if (Year % 100 != 0)
        return true;
    if (Year % 400 != 0)
        return false;
    return Year % 4000 != 0;
}

uint8_t DaysInMonth(int32_t Year, uint8_t Month) {
    return kMonthDays[Month - 1] + (Month == 2 && IsLeapYear(Year) ? 1 : 0);
}

bool IsValidDate(int32_t Year, uint8_t Month, uint8_t Day) {
    int32_t y;
    uint8_t m, d;
    JuliusToDate(DateToJulius(Year, Month, Day), y, m, d);
    return y == Year && m == Month && d == Day;
}

int32_t DateTimeToJulius(TDateTime T) {
    int y, m, d;
    DecodeDate(T, y, m, d);
    return DateToJulius(y, static_cast<uint8_t>(m), static_cast<uint8_t>(d));
}

TDateTime JuliusToDateTime(int32_t J) {
    int32_t y;
    uint8_t m, d;
    JuliusToDate(J, y, m, d);
    return EncodeDate(y, m, d);
}

namespace {

double SinDeg(double x) { return std::sin(x / 180.0 * M_PI); }

}  // namespace

int32_t VernalEquinoxDay(int32_t Year) {
    const double b = Year - 2000.0;
    const double p = 0.002 * (SinDeg(321 - 30.37 * b) + SinDeg(249 + 0.19 * b) + SinDeg(202 - 132.57 * b) +
                              SinDeg(84 - 90.37 * b)) -
                     0.00004871850323926 * b + 0.001 * SinDeg(132 - 134.81 * b) + 0.005 * SinDeg(239 - 19.34 * b);
    return static_cast<int32_t>(Trunc(2451624.683 + 365.24229 * b + (0.0000001 * b * b - p)));
}

int32_t AutumnalEquinoxDay(int32_t Year) {
    const double b = Year - 2000.0;
    const double p = 0.002 * (SinDeg(485 - 30.37 * b) + SinDeg(249 + 0.19 * b) + SinDeg(268.2 - 132.57 * b) +
                              SinDeg(309.2 - 90.37 * b)) +
                     0.00004871850323926 * b + 0.001 * SinDeg(244.6 - 134.81 * b) + 0.005 * SinDeg(248.6 - 19.34 * b);
    return static_cast<int32_t>(Trunc(2451811.096 + 365.24206 * b + (0.0000001 * b * b - p)));
}

namespace {

bool SameMonthDay(int32_t J, uint8_t Month, uint8_t Day) {
    int32_t y;
    uint8_t m, d;
    JuliusToDate(J, y, m, d);
    return m == Month && d == Day;
}

std::vector<TJDOldMonth> LoadOldMonthTable() {
    std::vector<TJDOldMonth> table;
    for (const auto& line : SplitLines(JDOLDCAL)) {
        auto fields = CommaTextSplit(line);
        TJDOldMonth rec;
        rec.FirstDay = StrToInt(fields.size() > 0 ? fields[0] : std::string());
        rec.MonthCode = StrToInt(fields.size() > 1 ? fields[1] : std::string());
        table.push_back(rec);
    }
    return table;
}

}  // namespace

bool IsVernalEquinox(int32_t Year, uint8_t Month, uint8_t Day) {
    return SameMonthDay(VernalEquinoxDay(Year), Month, Day);
}

bool IsAutumnalEquinox(int32_t Year, uint8_t Month, uint8_t Day) {
    return SameMonthDay(AutumnalEquinoxDay(Year), Month, Day);
}

std::string_view OldMonthTableText() { return JDOLDCAL; }

const std::vector<TJDOldMonth>& OldMonthTable() {
    // Built once, on first use, before any calendar draws; read-only afterwards.
    static const std::vector<TJDOldMonth> table = LoadOldMonthTable();
    return table;
}

void JuliusToOldDate(int32_t J, uint8_t& OldMonth, uint8_t& OldDay) {
    OldMonth = 0;
    OldDay = 0;
    const auto& t = OldMonthTable();
    if (t.empty() || J < t.front().FirstDay || J > t.back().FirstDay)
        return;
    for (std::size_t i = 1; i < t.size(); ++i) {
        if (J < t[i].FirstDay) {
            OldMonth = static_cast<uint8_t>(t[i - 1].MonthCode);
            OldDay = static_cast<uint8_t>(J - t[i - 1].FirstDay + 1);
            return;
        }
    }
}

uint8_t JuliusToRokuyo(int32_t J) {
    uint8_t m, d;
    JuliusToOldDate(J, m, d);
    if (m == 0)
        return 0;
    if (m > 100)
        m -= 100;
    return static_cast<uint8_t>(((m - 1) + (d - 1)) % 6 + 1);
}

const std::array<const char*, 7> RokuyoNames = {"不明", "先勝", "友引", "先負", "仏滅", "大安", "赤口"};
