// Proleptic Gregorian calendar arithmetic on plain dates, shared by the automation date
// conversions, the month calendar control and the library's date logic. Nothing here touches
// a clock or a window.
#pragma once

#include <compare>

namespace platform {

struct CivilDate {
  int year = 0;
  int month = 0;  // 1 = January
  int day = 0;
  auto operator<=>(const CivilDate&) const = default;
};

bool IsLeapYear(int year);
// 0 for a month outside 1 to 12.
int DaysInMonth(int year, int month);
// A real calendar date: month 1 to 12 and the day within that month (any year).
bool IsValidDate(const CivilDate& date);

// Days from 1 January 1970 (negative before it), and back.
long long DaysFromCivil(const CivilDate& date);
CivilDate CivilFromDays(long long days);
// 0 = Sunday.
int DayOfWeek(const CivilDate& date);

CivilDate AddDays(const CivilDate& date, long long days);
// The same day `months` later or earlier, kept within the target month (31 March plus one
// month is 30 April).
CivilDate AddMonths(const CivilDate& date, int months);

}  // namespace platform
