/// @file
/// The date picker's date value: one integer, year * 10000 + month * 100 + day, with 0 for "no
/// date". Encoding, splitting, validation, today and the text shown are plain functions here.
#pragma once

#include <string>

#include "platform/win32/WinTime.h"

/// A date value split into its fields, each as the value holds it (month 1 for January).
struct DateParts {
  int year = 0;   ///< 100 to 9999 for a valid date
  int month = 0;  ///< 1 to 12 for a valid date
  int day = 0;    ///< 1 to the month's length for a valid date
};

/// year * 10000 + month * 100 + day; nothing is checked (IsValidDate does).
int EncodeDate(int year, int month, int day);
/// Integer division, as the value defines it: 20261215 is 2026, 12, 15.
DateParts SplitDate(int value);
/// A real calendar day of the years 100 to 9999: (year, month, day, 00:00:00) survives the trip
/// to an automation date and back unchanged.
bool IsValidDate(int value);
/// The value of a calendar's day, or 0 when it is not a valid date.
int DateFromSystemTime(const SYSTEMTIME& st);
/// Midnight of a valid date; false, with *out untouched, otherwise.
bool SystemTimeFromDate(int value, SYSTEMTIME* out);
/// Today's local date from the run-time clock, or `unchanged` when the clock cannot be read or
/// broken down.
int TodayOr(int unchanged);
/// "%d-%d-%d" without leading zeros (the fifth of January is "2026-1-5"); empty for a value of 0
/// or below.
std::wstring FormatDate(int value);
