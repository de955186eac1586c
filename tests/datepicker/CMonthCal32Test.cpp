// The calendar pop-up with a picker stand-in behind ICalInterop, owned by a real host window:
// picks arrive through the owner's reflection, focus losses through WM_KILLFOCUS, and the
// stand-in closes the pop-up from inside both, as the picker does.
#include <string>

#include "datepicker/CMonthCal32.h"
#include "platform/controls/MonthCalendarLayout.h"
#include "platform/controls/MonthGrid.h"
#include "tests/support/HostFixture.h"

namespace trellis::test {
namespace {

class PickerStandIn : public ICalInterop {
 public:
  std::vector<std::string> calls;
  std::vector<int> dates;
  CMonthCal32 calendar{this};

  void DateSelected() override {
    calls.push_back("selected");
    calendar.ShowWindow(SW_HIDE);
    dates.push_back(calendar.GetCurSelDate(0));
    calendar.DestroyWindow();
  }
  // Only a visible pop-up closes (and would tell the picker's parent); the focus loss that
  // hiding or destroying it causes finds it hidden.
  void OnLostFocus() override {
    if (!calendar.m_hWnd || !calendar.IsWindowVisible()) return;
    calls.push_back("closed up");
    calendar.ShowWindow(SW_HIDE);
    calendar.DestroyWindow();
  }
};

class CMonthCal32Test : public HostFixture {
 protected:
  CMonthCal32Test() { screen.FixLocalTime({2026, 12, 2, 15, 8, 0, 0, 0}); }

  void Open(CWnd* owner, CWnd* fallback) {
    ASSERT_TRUE(picker.calendar.CreatePopup(owner, fallback));
    picker.calendar.SizeMinReq();
    RECT r{};
    picker.calendar.GetWindowRect(&r);
    picker.calendar.MoveWindow(500, 60, r.right - r.left, r.bottom - r.top);
    picker.calendar.ShowWindow(SW_SHOW);
    Pump();
  }
  POINT DayOnScreen(const platform::CivilDate& day) {
    const auto layout = platform::MonthCalendarLayout::For(platform::MeasureMonthCalendar(nullptr));
    const RECT cell = layout.Cell(platform::GridCellOf(2026, 12, day));
    POINT pt{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    ::ClientToScreen(picker.calendar.m_hWnd, &pt);
    return pt;
  }

  PickerStandIn picker;
};

TEST_F(CMonthCal32Test, APickReachesThePickerOnceAndClosesThePopup) {
  Open(&window, nullptr);
  const POINT at = DayOnScreen({2026, 12, 24});
  screen.Click(at.x, at.y);
  Pump();
  EXPECT_EQ(picker.calls, (std::vector<std::string>{"selected"}));
  EXPECT_EQ(picker.dates, (std::vector<int>{20261224}));
  EXPECT_EQ(picker.calendar.m_hWnd, nullptr);
  // The object stays for the next opening.
  Open(&window, nullptr);
  EXPECT_EQ(picker.calendar.GetCurSelDate(0), 20261215);
}

// Closing by the focus loss, and the owner falling back to the picker's host window, are
// checked through the picker itself.
TEST_F(CMonthCal32Test, WithNoOwnerAtAllNoPopupOpens) {
  EXPECT_FALSE(picker.calendar.CreatePopup(nullptr, nullptr));
  EXPECT_EQ(picker.calendar.m_hWnd, nullptr);
  Open(&window, nullptr);
  EXPECT_FALSE(picker.calendar.CreatePopup(&window, nullptr));  // one window at a time
}

// The colours it is given are checked through the picker, which passes its own.
TEST_F(CMonthCal32Test, DatesAndRefusals) {
  Open(&window, nullptr);
  EXPECT_TRUE(picker.calendar.SetCurSelDate(20240229));
  for (const int bad : {20230229, 20260230, 991231, 0, 20261301})
    EXPECT_FALSE(picker.calendar.SetCurSelDate(bad)) << bad;
  EXPECT_EQ(picker.calendar.GetCurSelDate(0), 20240229);
  picker.calendar.DestroyWindow();
  EXPECT_EQ(picker.calendar.GetCurSelDate(77), 77);  // no window to read: unchanged
  EXPECT_FALSE(picker.calendar.SetCurSelDate(20240229));
}

}  // namespace
}  // namespace trellis::test
