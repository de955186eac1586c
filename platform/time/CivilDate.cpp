#include "platform/time/CivilDate.h"

namespace platform {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(const CivilDate& date) {
  return date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

// Counting in 400-year eras that start on 1 March makes the leap day the last day of each
// year, so a day of the year follows from the month by one linear formula.
long long DaysFromCivil(const CivilDate& date) {
  const long long y = date.year - (date.month <= 2 ? 1 : 0);
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yearOfEra = y - era * 400;
  const long long monthFromMarch = (date.month + 9) % 12;
  const long long dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
  const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

CivilDate CivilFromDays(long long days) {
  days += 719468;
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const long long dayOfEra = days - era * 146097;
  const long long yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long monthFromMarch = (5 * dayOfYear + 2) / 153;
  const int day = int(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
  const int month = int(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  const int year = int(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return {year, month, day};
}

int DayOfWeek(const CivilDate& date) {
  // 1 January 1970 was a Thursday.
  const long long d = (DaysFromCivil(date) + 4) % 7;
  return int(d < 0 ? d + 7 : d);
}

CivilDate AddDays(const CivilDate& date, long long days) {
  return CivilFromDays(DaysFromCivil(date) + days);
}

CivilDate AddMonths(const CivilDate& date, int months) {
  const long long index = static_cast<long long>(date.year) * 12 + (date.month - 1) + months;
  const long long year = (index >= 0 ? index : index - 11) / 12;
  CivilDate out{int(year), int(index - year * 12) + 1, date.day};
  if (out.day > DaysInMonth(out.year, out.month)) out.day = DaysInMonth(out.year, out.month);
  return out;
}

}  // namespace platform
