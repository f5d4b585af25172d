#pragma once
// Julian day numbers: one signed integer per civil day (2451545 = 2000-01-01),
// Julian calendar up to 1582-10-04, Gregorian from 1582-10-15. Also the
// equinox days and the lunisolar month table with its rokuyo.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "platform/Exception.h"

// Raises EJuliusError "1582/10/5-10/14は存在しません。" for 1582-10-05..14.
// Lenient: month 0/13/14 and day 0 or past the month's end roll over.
int32_t DateToJulius(int32_t Year, uint8_t Month, uint8_t Day);
void JuliusToDate(int32_t J, int32_t& Year, uint8_t& Month, uint8_t& Day);
// 1 = Sunday … 7 = Saturday.
uint8_t JuliusDayOfWeek(int32_t J);
bool IsLeapYear(int32_t Year);
uint8_t DaysInMonth(int32_t Year, uint8_t Month);
bool IsValidDate(int32_t Year, uint8_t Month, uint8_t Day);
int32_t DateTimeToJulius(TDateTime T);
TDateTime JuliusToDateTime(int32_t J);

// Equinox days by the astronomical approximation; valid for any year.
int32_t VernalEquinoxDay(int32_t Year);
int32_t AutumnalEquinoxDay(int32_t Year);
bool IsVernalEquinox(int32_t Year, uint8_t Month, uint8_t Day);
bool IsAutumnalEquinox(int32_t Year, uint8_t Month, uint8_t Day);

// One lunisolar month: the day number of its first day and its month code
// (1..12, or 100 + n for the leap month repeating month n).
struct TJDOldMonth {
    int32_t FirstDay = 0;
    int32_t MonthCode = 0;
};

// The month table, loaded from the embedded data before first use.
const std::vector<TJDOldMonth>& OldMonthTable();
// The embedded table text exactly as carried in the program.
std::string_view OldMonthTableText();

// Lunisolar month code and day; 0 and 0 outside 1989-12-28..2010-12-05.
void JuliusToOldDate(int32_t J, uint8_t& OldMonth, uint8_t& OldDay);
// 0 (unknown) .. 6, an index into RokuyoNames.
uint8_t JuliusToRokuyo(int32_t J);
// UTF-8 names; index 0 "不明" is the answer outside the table.
extern const std::array<const char*, 7> RokuyoNames;
