#include "platform/controls/MonthGrid.h"

#include "platform/win32/WinInput.h"

namespace platform {

CivilDate FirstGridDay(int year, int month) {
  const CivilDate first{year, month, 1};
  return AddDays(first, -DayOfWeek(first));
}

CivilDate GridDay(int year, int month, int cell) {
  return AddDays(FirstGridDay(year, month), cell);
}

int GridCellOf(int year, int month, const CivilDate& date) {
  const long long cell = DaysFromCivil(date) - DaysFromCivil(FirstGridDay(year, month));
  return cell >= 0 && cell < kMonthGridCells ? int(cell) : -1;
}

std::optional<CivilDate> NavigateByKey(const CivilDate& selection, UINT vk) {
  switch (vk) {
    case VK_LEFT: return AddDays(selection, -1);
    case VK_RIGHT: return AddDays(selection, 1);
    case VK_UP: return AddDays(selection, -kMonthGridColumns);
    case VK_DOWN: return AddDays(selection, kMonthGridColumns);
    case VK_PRIOR: return AddMonths(selection, -1);
    case VK_NEXT: return AddMonths(selection, 1);
    case VK_HOME: return CivilDate{selection.year, selection.month, 1};
    case VK_END:
      return CivilDate{selection.year, selection.month,
                       DaysInMonth(selection.year, selection.month)};
    default: return std::nullopt;
  }
}

std::optional<CivilDate> CalendarDateOf(const SYSTEMTIME& st) {
  const CivilDate date{st.wYear, st.wMonth, st.wDay};
  if (!IsValidDate(date) || !DateRange{}.Contains(date)) return std::nullopt;
  return date;
}

SYSTEMTIME SystemTimeOf(const CivilDate& date) {
  return {WORD(date.year), WORD(date.month), WORD(DayOfWeek(date)), WORD(date.day), 0, 0, 0, 0};
}

}  // namespace platform
