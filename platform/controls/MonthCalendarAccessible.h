// The month calendar as assistive technology reads it: a table named by the month's title
// ("2026年12月") whose items are the seven weekday headers ("日" to "六") and then the 42 days
// of the grid, each named by the number it shows, the selected day selected (and focused while
// the calendar has the focus). A day's default action is the click that picks it. A new
// selection is announced on its day, a new month as a new name.
#pragma once

#include "platform/accessibility/WindowAccessible.h"
#include "platform/win32/WinTime.h"

namespace platform {

// The item id of grid cell `cell` (0 to 41): after the seven headers.
constexpr LONG CalendarDayItem(int cell) { return 7 + cell + 1; }

class MonthCalendarAccessible : public ClientAccessible {
 public:
  using ClientAccessible::ClientAccessible;

 protected:
  void Describe(AccessibleFacts& facts) const override;
  LONG ItemCount() const override;
  void DescribeItem(LONG item, AccessibleFacts& facts) const override;
  AccessibleChild Focus() const override;
  AccessibleChild Selection() const override;
  HRESULT DoDefaultAction(LONG child) override;

 private:
  SYSTEMTIME Selected() const;
};

}  // namespace platform
