// The month calendar's texts, in Chinese like the rest of the library's: "2026年12月" for a
// title and 日 一 二 三 四 五 六 for the weekdays, Sunday first.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::wstring MonthTitle(int year, int month);
// 0 = Sunday; empty outside 0 to 6.
std::wstring_view WeekdayName(int dayOfWeek);
// The title that measures widest for any year from 100 to 9999, for sizing.
std::wstring WidestMonthTitleSample();

}  // namespace platform
