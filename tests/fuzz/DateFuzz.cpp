// Date logic with any numbers: the date picker's values, automation dates and calendar
// arithmetic. Valid values are exactly the real days of the years 100 to 9999 (by a rule written
// out here), and every conversion that succeeds comes back to where it started.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "datepicker/DateValue.h"
#include "platform/time/CivilDate.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

using namespace platform;

int PlainDaysInMonth(int year, int month) {
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  return month < 1 || month > 12 ? 0 : month == 2 ? 28 + leap : 30 + ((month + month / 8) & 1);
}

// An automation date as days on one line: before 1899-12-30 the whole part counts back while
// the fraction runs forward.
double Timeline(DATE d) { return d >= 0 ? d : 2 * std::ceil(d) - d; }

void CheckValue(int value) {
  const DateParts d = SplitDate(value);
  const bool valid = d.year >= 100 && d.year <= 9999 && d.day >= 1 &&
                     d.day <= PlainDaysInMonth(d.year, d.month);
  SYSTEMTIME st{};
  FUZZ_CHECK(IsValidDate(value) == valid && SystemTimeFromDate(value, &st) == valid);
  if (!valid) return;
  FUZZ_CHECK(DateFromSystemTime(st) == value && EncodeDate(d.year, d.month, d.day) == value &&
             st.wDayOfWeek == DayOfWeek({d.year, d.month, d.day}));
  FUZZ_CHECK(FormatDate(value) == std::to_wstring(d.year) + L"-" + std::to_wstring(d.month) +
                                      L"-" + std::to_wstring(d.day));
}

void CheckVariant(DATE variant) {
  SYSTEMTIME st{};
  if (!VariantTimeToSystemTime(variant, &st)) return;
  FUZZ_CHECK(st.wDay >= 1 && st.wDay <= PlainDaysInMonth(st.wYear, st.wMonth));
  FUZZ_CHECK(st.wHour < 24 && st.wMinute < 60 && st.wSecond < 60 && st.wMilliseconds == 0);
  DATE back = 0;  // to the second
  FUZZ_CHECK(SystemTimeToVariantTime(&st, &back) && std::fabs(Timeline(back) - Timeline(variant)) <= 0.5001 / 86400);
  SYSTEMTIME again{};
  FUZZ_CHECK(VariantTimeToSystemTime(back, &again) && std::memcmp(&again, &st, sizeof st) == 0);
}

void CheckCivil(FuzzInput& in) {
  const CivilDate date{int(in.Pick(-1000000, 1000000)), int(in.Pick(-1, 14)), int(in.Pick(-1, 32))};
  const long long days = in.Pick(-400000000, 400000000);
  const int months = int(in.Pick(-12000000, 12000000));
  const int length = PlainDaysInMonth(date.year, date.month);
  FUZZ_CHECK(platform::IsValidDate(date) == (date.day >= 1 && date.day <= length));
  if (!platform::IsValidDate(date)) return;
  const long long n = DaysFromCivil(date);
  FUZZ_CHECK(CivilFromDays(n) == date && DaysFromCivil(AddDays(date, days)) == n + days);
  FUZZ_CHECK(DayOfWeek(date) == int(((n + 4) % 7 + 7) % 7));  // 1970-01-01 was a Thursday
  const CivilDate later = AddMonths(date, months);
  FUZZ_CHECK(later.year * 12LL + later.month == date.year * 12LL + date.month + months);
  FUZZ_CHECK(later.day == std::min(date.day, PlainDaysInMonth(later.year, later.month)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  while (!in.Empty()) {
    switch (in.Pick(0, 3)) {
      case 0: CheckValue(int(in.Pick(INT32_MIN, INT32_MAX))); break;
      case 1: {  // braces fix the order of the picks, so an input means the same to every compiler
        const CivilDate d{int(in.Pick(0, 12000)), int(in.Pick(0, 13)), int(in.Pick(0, 32))};
        CheckValue(EncodeDate(d.year, d.month, d.day));
        break;
      }
      case 2: CheckVariant(in.Flag() ? std::bit_cast<double>(in.Bits(8)) : in.Pick(-4e9, 4e9) / 1e3); break;
      default: CheckCivil(in);
    }
  }
  return 0;
}
