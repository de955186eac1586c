#include "datepicker/DateValue.h"

#include <cstdio>
#include <ctime>

int EncodeDate(int year, int month, int day) { return year * 10000 + month * 100 + day; }

DateParts SplitDate(int value) { return {value / 10000, value % 10000 / 100, value % 100}; }

bool SystemTimeFromDate(int value, SYSTEMTIME* out) {
  const DateParts d = SplitDate(value);
  // Out-of-range parts would wrap in the 16-bit fields and could alias a real date.
  if (!out || d.year < 1 || d.year > 0xFFFF || d.month < 1 || d.day < 1) return false;
  SYSTEMTIME st{WORD(d.year), WORD(d.month), 0, WORD(d.day), 0, 0, 0, 0};
  DATE variant = 0;
  SYSTEMTIME back{};
  if (!SystemTimeToVariantTime(&st, &variant) || !VariantTimeToSystemTime(variant, &back))
    return false;
  if (back.wYear != st.wYear || back.wMonth != st.wMonth || back.wDay != st.wDay ||
      back.wHour != 0 || back.wMinute != 0 || back.wSecond != 0)
    return false;
  *out = back;
  return true;
}

bool IsValidDate(int value) {
  SYSTEMTIME st{};
  return SystemTimeFromDate(value, &st);
}

int DateFromSystemTime(const SYSTEMTIME& st) {
  const int value = EncodeDate(st.wYear, st.wMonth, st.wDay);
  return st.wMonth <= 12 && st.wDay <= 31 && IsValidDate(value) ? value : 0;
}

int TodayOr(int unchanged) {
  const __time64_t now = _time64(nullptr);
  std::tm local{};
  if (now < 0 || _localtime64_s(&local, &now) != 0) return unchanged;
  const int today = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
  return IsValidDate(today) ? today : unchanged;
}

std::wstring FormatDate(int value) {
  if (value <= 0) return {};
  const DateParts d = SplitDate(value);
  wchar_t text[40];
  const int n = std::swprintf(text, std::size(text), L"%d-%d-%d", d.year, d.month, d.day);
  return n > 0 ? std::wstring(text, std::size_t(n)) : std::wstring();
}
