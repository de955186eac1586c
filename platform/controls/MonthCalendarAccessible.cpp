#include "platform/controls/MonthCalendarAccessible.h"

#include "platform/accessibility/AccessibleClick.h"
#include "platform/controls/MonthCalendarLayout.h"
#include "platform/controls/MonthCalendarText.h"
#include "platform/controls/MonthGrid.h"
#include "platform/win32/WinCommCtrl.h"
#include "platform/win32/WinUser.h"

namespace platform {

namespace {

MonthCalendarLayout LayoutOf(HWND hwnd) {
  const auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
  return MonthCalendarLayout::For(MeasureMonthCalendar(font));
}

}  // namespace

SYSTEMTIME MonthCalendarAccessible::Selected() const {
  SYSTEMTIME st{};
  SendMessageW(Hwnd(), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
  return st;
}

void MonthCalendarAccessible::Describe(AccessibleFacts& facts) const {
  ClientAccessible::Describe(facts);
  facts.role = ROLE_SYSTEM_TABLE;
  const SYSTEMTIME st = Selected();
  facts.name = MonthTitle(st.wYear, st.wMonth);
}

LONG MonthCalendarAccessible::ItemCount() const { return kMonthGridColumns + kMonthGridCells; }

void MonthCalendarAccessible::DescribeItem(LONG item, AccessibleFacts& facts) const {
  const MonthCalendarLayout layout = LayoutOf(Hwnd());
  RECT r{};
  if (item <= kMonthGridColumns) {
    const int column = int(item - 1);
    facts.role = ROLE_SYSTEM_COLUMNHEADER;
    facts.name = std::wstring(WeekdayName(column));
    r = layout.HeaderCell(column);
  } else {
    const int cell = int(item - CalendarDayItem(0));
    const SYSTEMTIME st = Selected();
    const CivilDate day = GridDay(st.wYear, st.wMonth, cell);
    facts.role = ROLE_SYSTEM_CELL;
    facts.name = std::to_wstring(day.day);
    facts.defaultAction = L"Click";
    facts.state = STATE_SYSTEM_SELECTABLE;
    if (GridCellOf(st.wYear, st.wMonth, *CalendarDateOf(st)) == cell) {
      facts.state |= STATE_SYSTEM_SELECTED;
      if (GetFocus() == Hwnd()) facts.state |= STATE_SYSTEM_FOCUSED;
    }
    r = layout.Cell(cell);
  }
  const RECT screen = ClientOnScreen();
  OffsetRect(&r, screen.left, screen.top);
  facts.screen = r;
}

AccessibleChild MonthCalendarAccessible::Selection() const {
  const SYSTEMTIME st = Selected();
  return {CalendarDayItem(GridCellOf(st.wYear, st.wMonth, *CalendarDateOf(st))), {}, false};
}

AccessibleChild MonthCalendarAccessible::Focus() const {
  if (GetFocus() != Hwnd()) return {CHILDID_SELF, {}, true};
  return Selection();
}

HRESULT MonthCalendarAccessible::DoDefaultAction(LONG child) {
  if (child < CalendarDayItem(0)) return DISP_E_MEMBERNOTFOUND;
  AccessibleFacts facts;
  DescribeItem(child, facts);
  const POINT centre{(facts.screen.left + facts.screen.right) / 2,
                     (facts.screen.top + facts.screen.bottom) / 2};
  return ClickAt(centre) ? S_OK : E_FAIL;
}

}  // namespace platform
