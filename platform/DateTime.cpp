#include "platform/DateTime.h"

#include "platform/Exception.h"

#include <cmath>
#include <ctime>

namespace {

ClockSource& Source() {
    static ClockSource source;
    return source;
}

bool IsGregorianLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysBefore(int month, bool leap) {
    static const int cum[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    return cum[month - 1] + (leap && month > 2 ? 1 : 0);
}

// Days from 0001-01-01 (day 0) to the given date.
int64_t DaysFromYearOne(int y, int m, int d) {
    int64_t py = y - 1;
    return py * 365 + py / 4 - py / 100 + py / 400 + DaysBefore(m, IsGregorianLeap(y)) + d - 1;
}

const int64_t kDelphiEpoch = 693593;  // DaysFromYearOne(1899, 12, 30)

}  // namespace

TDateTime EncodeDate(int year, int month, int day) {
    static const int len[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > len[month - 1] + (month == 2 && IsGregorianLeap(year) ? 1 : 0))
        throw EConvertError("日付に変換できない値が渡されました");
    return static_cast<TDateTime>(DaysFromYearOne(year, month, day) - kDelphiEpoch);
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
    // Whole days since 0001-01-01; the date part is the floor of the value.
    int64_t n = static_cast<int64_t>(std::floor(value)) + kDelphiEpoch;
    // 400-year cycles of 146097 days, then centuries, 4-year cycles, years.
    int64_t q400 = n / 146097, r = n % 146097;
    if (r < 0) { r += 146097; --q400; }
    int64_t q100 = r / 36524;
    if (q100 == 4) q100 = 3;
    r -= q100 * 36524;
    int64_t q4 = r / 1461;
    r -= q4 * 1461;
    int64_t q1 = r / 365;
    if (q1 == 4) q1 = 3;
    r -= q1 * 365;
    year = static_cast<int>(q400 * 400 + q100 * 100 + q4 * 4 + q1 + 1);
    bool leap = IsGregorianLeap(year);
    month = 12;
    while (month > 1 && DaysBefore(month, leap) > r) --month;
    day = static_cast<int>(r - DaysBefore(month, leap) + 1);
}

void SetClock(ClockSource source) { Source() = std::move(source); }

std::chrono::system_clock::time_point ClockNow() {
    return Source() ? Source()() : std::chrono::system_clock::now();
}

TDateTime Now() {
    auto tp = ClockNow();
    std::time_t t = std::chrono::system_clock::to_time_t(tp);
    std::tm tm{};
    localtime_r(&t, &tm);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(tp.time_since_epoch()).count() % 1000;
    if (ms < 0) ms += 1000;
    double frac = (tm.tm_hour * 3600000.0 + tm.tm_min * 60000.0 + tm.tm_sec * 1000.0 + ms) / 86400000.0;
    return EncodeDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday) + frac;
}

TDateTime Date() { return std::floor(Now()); }

uint32_t UtcMillisecondsOfDay() {
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(ClockNow().time_since_epoch()).count();
    int64_t r = ms % 86400000;
    if (r < 0) r += 86400000;
    return static_cast<uint32_t>(r);
}
