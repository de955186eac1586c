// The OLE automation date conversions.
#include <cmath>

#include "platform/time/CivilDate.h"
#include "platform/win32/WinTime.h"

using namespace platform;

namespace {

constexpr int kMinYear = 100;
constexpr int kMaxYear = 9999;
constexpr long long kSecondsPerDay = 86400;
const long long kEpochDays = DaysFromCivil({1899, 12, 30});

bool YearInRange(int year) { return year >= kMinYear && year <= kMaxYear; }

}  // namespace

INT SystemTimeToVariantTime(LPSYSTEMTIME in, DATE* out) {
  if (!in || !out) return FALSE;
  const CivilDate date{in->wYear, in->wMonth, in->wDay};
  if (!YearInRange(date.year) || !IsValidDate(date) || in->wHour > 23 || in->wMinute > 59 ||
      in->wSecond > 59)
    return FALSE;
  const long long days = DaysFromCivil(date) - kEpochDays;
  const double fraction =
      double(in->wHour * 3600 + in->wMinute * 60 + in->wSecond) / double(kSecondsPerDay);
  // Before the epoch the time of day still counts forward, away from the whole part's sign.
  *out = days >= 0 ? double(days) + fraction : double(days) - fraction;
  return TRUE;
}

INT VariantTimeToSystemTime(DATE in, LPSYSTEMTIME out) {
  if (!out || !std::isfinite(in)) return FALSE;
  // Far outside the range the whole part would not even fit the day count.
  if (std::fabs(in) > 1e7) return FALSE;
  const double whole = std::trunc(in);
  long long days = static_cast<long long>(whole);
  long long seconds = std::llround(std::fabs(in - whole) * double(kSecondsPerDay));
  if (seconds == kSecondsPerDay) {  // rounded up to the next midnight
    seconds = 0;
    ++days;
  }
  const CivilDate date = CivilFromDays(days + kEpochDays);
  if (!YearInRange(date.year)) return FALSE;
  *out = {WORD(date.year),        WORD(date.month),         WORD(DayOfWeek(date)),
          WORD(date.day),         WORD(seconds / 3600),     WORD(seconds / 60 % 60),
          WORD(seconds % 60),     0};
  return TRUE;
}
