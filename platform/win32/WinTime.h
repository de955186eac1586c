// Dates and times: the local clock, the OLE automation date conversions and the C run-time
// clock.
//
// An automation date (DATE) counts days from 30 December 1899 at midnight; the fraction is the
// time of day. Before that day the whole part counts back while the fraction still runs forward,
// so -1.25 is 29 December 1899 at 06:00. Dates from the year 100 to 9999 convert.
//
// The local time is the machine's own, unless a headless screen fixed it for a test.
#pragma once

#include <cstdint>
#include <ctime>

#include "platform/win32/WinDef.h"

struct SYSTEMTIME {
  WORD wYear;
  WORD wMonth;      // 1 = January
  WORD wDayOfWeek;  // 0 = Sunday
  WORD wDay;
  WORD wHour;
  WORD wMinute;
  WORD wSecond;
  WORD wMilliseconds;
};
using LPSYSTEMTIME = SYSTEMTIME*;
using DATE = double;

void GetLocalTime(LPSYSTEMTIME out);

// TRUE and the date when every field is in range (a real calendar date of the years 100 to
// 9999, hour < 24, minute and second < 60); wDayOfWeek and wMilliseconds are ignored.
// FALSE, with *out untouched, otherwise.
INT SystemTimeToVariantTime(LPSYSTEMTIME in, DATE* out);
// TRUE and the fields (wDayOfWeek filled, time rounded to the nearest second, wMilliseconds 0)
// for a date within the range above; FALSE, with *out untouched, otherwise.
INT VariantTimeToSystemTime(DATE in, LPSYSTEMTIME out);

// ---- the C run-time clock
using __time64_t = std::int64_t;
using errno_t = int;

// Seconds since 1 January 1970 UTC; also stored through `out` when it is not null.
__time64_t _time64(__time64_t* out);
// The local broken-down time of `*time` (tm_year counts from 1900, tm_mon from 0). 0 on
// success; EINVAL for a null pointer or a negative or unrepresentable time, with every field
// of a non-null *out set to -1.
errno_t _localtime64_s(struct tm* out, const __time64_t* time);
