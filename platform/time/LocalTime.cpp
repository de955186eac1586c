// The local clock and the C run-time clock. A headless screen may fix the local time for a
// test (Desktop::fixedLocalTime); otherwise both read the machine's clock.
#include <cerrno>
#include <ctime>

#include "platform/time/CivilDate.h"
#include "platform/win32/WinTime.h"
#include "platform/window/Desktop.h"

using namespace platform;

namespace {

// The run-time library's own limit: the last second of the year 3000.
constexpr __time64_t kMaxTime64 = 32535215999LL;

std::tm TmFromSystemTime(const SYSTEMTIME& st) {
  std::tm tm{};
  tm.tm_year = st.wYear - 1900;
  tm.tm_mon = st.wMonth - 1;
  tm.tm_mday = st.wDay;
  tm.tm_hour = st.wHour;
  tm.tm_min = st.wMinute;
  tm.tm_sec = st.wSecond;
  tm.tm_isdst = -1;
  return tm;
}

}  // namespace

void GetLocalTime(LPSYSTEMTIME out) {
  if (!out) return;
  if (const auto& fixed = Desktop::Current().fixedLocalTime) {
    *out = *fixed;
    out->wDayOfWeek = WORD(DayOfWeek({fixed->wYear, fixed->wMonth, fixed->wDay}));
    return;
  }
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  std::tm tm{};
  localtime_r(&now.tv_sec, &tm);
  *out = {WORD(tm.tm_year + 1900), WORD(tm.tm_mon + 1), WORD(tm.tm_wday),     WORD(tm.tm_mday),
          WORD(tm.tm_hour),        WORD(tm.tm_min),     WORD(tm.tm_sec > 59 ? 59 : tm.tm_sec),
          WORD(now.tv_nsec / 1000000)};
}

__time64_t _time64(__time64_t* out) {
  __time64_t now = 0;
  if (const auto& fixed = Desktop::Current().fixedLocalTime) {
    std::tm tm = TmFromSystemTime(*fixed);
    now = std::mktime(&tm);
  } else {
    now = std::time(nullptr);
  }
  if (out) *out = now;
  return now;
}

errno_t _localtime64_s(struct tm* out, const __time64_t* time) {
  if (!out) return EINVAL;
  out->tm_sec = out->tm_min = out->tm_hour = out->tm_mday = out->tm_mon = out->tm_year = -1;
  out->tm_wday = out->tm_yday = out->tm_isdst = -1;
  if (!time || *time < 0 || *time > kMaxTime64) return EINVAL;
  const std::time_t t = static_cast<std::time_t>(*time);
  std::tm result{};
  if (!localtime_r(&t, &result)) return EINVAL;
  *out = result;
  return 0;
}
