#include "platform/controls/MonthCalendarText.h"

namespace platform {

std::wstring MonthTitle(int year, int month) {
  return std::to_wstring(year) + L"年" + std::to_wstring(month) + L"月";
}

std::wstring_view WeekdayName(int dayOfWeek) {
  static constexpr std::wstring_view kNames[] = {L"日", L"一", L"二", L"三", L"四", L"五", L"六"};
  return dayOfWeek >= 0 && dayOfWeek < 7 ? kNames[dayOfWeek] : std::wstring_view{};
}

std::wstring WidestMonthTitleSample() {
  // Digits share one advance in the fonts we ship; four-digit years and two-digit months are
  // the longest titles.
  return MonthTitle(8888, 12);
}

}  // namespace platform
