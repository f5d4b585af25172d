#pragma once
// The platform date value: days since 1899-12-30 as a double; whole days for
// dates, the fraction for the time of day. Proleptic Gregorian, years 1..9999.
#include <chrono>
#include <cstdint>
#include <functional>

using TDateTime = double;

// Raises EConvertError "日付に変換できない値が渡されました" outside the calendar.
TDateTime EncodeDate(int year, int month, int day);
void DecodeDate(TDateTime value, int& year, int& month, int& day);

// One replaceable clock for the whole program, so tests never read the real one.
using ClockSource = std::function<std::chrono::system_clock::time_point()>;
void SetClock(ClockSource source);  // an empty source restores the real clock
std::chrono::system_clock::time_point ClockNow();

// Local date of the clock, time of day 0.
TDateTime Date();
// Local date and time of the clock.
TDateTime Now();
// Milliseconds since midnight UTC, from the clock.
uint32_t UtcMillisecondsOfDay();
