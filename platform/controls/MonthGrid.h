// The month calendar's date logic: which day each of the 42 cells shows, how keys move the
// selection, and the limits of the range. Pure functions of their inputs.
#pragma once

#include <optional>

#include "platform/time/CivilDate.h"
#include "platform/win32/WinTime.h"

namespace platform {

constexpr int kMonthGridColumns = 7;
constexpr int kMonthGridRows = 6;
constexpr int kMonthGridCells = kMonthGridColumns * kMonthGridRows;

// The first day of the grid of a month: the Sunday on or before its first day.
CivilDate FirstGridDay(int year, int month);
CivilDate GridDay(int year, int month, int cell);
// The cell showing `date` in the grid of the month, or -1.
int GridCellOf(int year, int month, const CivilDate& date);

// The selection after a navigation key, or nothing for a key that does not navigate.
std::optional<CivilDate> NavigateByKey(const CivilDate& selection, UINT vk);

// The days a calendar accepts: the automation dates' span unless a narrower range was set.
struct DateRange {
  CivilDate min{100, 1, 1};
  CivilDate max{9999, 12, 31};
  bool Contains(const CivilDate& date) const { return min <= date && date <= max; }
  CivilDate Clamp(const CivilDate& date) const {
    return date < min ? min : (max < date ? max : date);
  }
};

// A date that may enter a calendar: a real day within DateRange{}; the time fields do not
// matter.
std::optional<CivilDate> CalendarDateOf(const SYSTEMTIME& st);
// Midnight of the day, its weekday filled.
SYSTEMTIME SystemTimeOf(const CivilDate& date);

}  // namespace platform
