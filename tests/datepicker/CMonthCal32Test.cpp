// The calendar pop-up on its own, with a picker stand-in behind ICalInterop, owned by a real
// host window. Picks, focus losses, the owner's fallback and the colours it is given are checked
// through the picker, which passes its own.
#include "datepicker/CMonthCal32.h"
#include "tests/support/HostFixture.h"

namespace trellis::test {
namespace {

class PickerStandIn : public ICalInterop {
 public:
  CMonthCal32 calendar{this};

  void DateSelected() override { calendar.DestroyWindow(); }
  void OnLostFocus() override {}
};

class CMonthCal32Test : public HostFixture {
 protected:
  CMonthCal32Test() { screen.FixLocalTime({2026, 12, 2, 15, 8, 0, 0, 0}); }

  void Open() {
    ASSERT_TRUE(picker.calendar.CreatePopup(&window, nullptr));
    picker.calendar.SizeMinReq();
    picker.calendar.ShowWindow(SW_SHOW);
    Pump();
  }

  PickerStandIn picker;
};

// With no owner at all no pop-up opens; there is one window at a time, and it opens on today.
// Only real dates are taken, and only while the window is open.
TEST_F(CMonthCal32Test, OneWindowOnTodayTakingRealDatesWhileOpen) {
  EXPECT_FALSE(picker.calendar.CreatePopup(nullptr, nullptr));
  EXPECT_EQ(picker.calendar.m_hWnd, nullptr);
  Open();
  EXPECT_EQ(picker.calendar.GetCurSelDate(0), 20261215);
  EXPECT_FALSE(picker.calendar.CreatePopup(&window, nullptr));
  EXPECT_TRUE(picker.calendar.SetCurSelDate(20240229));
  for (const int bad : {20230229, 20260230, 991231, 0, 20261301})
    EXPECT_FALSE(picker.calendar.SetCurSelDate(bad)) << bad;
  EXPECT_EQ(picker.calendar.GetCurSelDate(0), 20240229);
  picker.calendar.DestroyWindow();
  EXPECT_EQ(picker.calendar.GetCurSelDate(77), 77);  // no window to read: unchanged
  EXPECT_FALSE(picker.calendar.SetCurSelDate(20240229));
}

// The run-time class names the calendar and leads through its bases to CObject: the object is
// of each of them and of no class beside them.
TEST_F(CMonthCal32Test, ItsRunTimeClassLeadsThroughItsBases) {
  const CObject& calendar = picker.calendar;
  const CRuntimeClass* cls = calendar.GetRuntimeClass();
  EXPECT_STREQ(cls->m_lpszClassName, "CMonthCal32");
  EXPECT_EQ(cls->m_nObjectSize, int(sizeof(CMonthCal32)));
  EXPECT_EQ(cls->m_pBaseClass, RUNTIME_CLASS(CMonthCalCtrl));
  for (const CRuntimeClass* base : {RUNTIME_CLASS(CMonthCal32), RUNTIME_CLASS(CMonthCalCtrl),
                                    RUNTIME_CLASS(CWnd), RUNTIME_CLASS(CObject)})
    EXPECT_TRUE(calendar.IsKindOf(base)) << base->m_lpszClassName;
  EXPECT_FALSE(CWnd().IsKindOf(RUNTIME_CLASS(CMonthCalCtrl)));
  EXPECT_EQ(RUNTIME_CLASS(CObject)->m_pBaseClass, nullptr);
}

}  // namespace
}  // namespace trellis::test
