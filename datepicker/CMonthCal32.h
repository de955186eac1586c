/// @class CMonthCal32
/// The date picker's calendar pop-up: the platform's month calendar, subclassed so that a
/// picked day and a lost focus reach the picker through ICalInterop.
///
/// The picker owns one object for its life; the window is made at each opening and destroyed
/// at each closing, often from inside the calendar's own notification, which the platform's
/// control survives.
#pragma once

#include "datepicker/ICalInterop.h"
#include "platform/mfc/CMonthCalCtrl.h"

class CMonthCal32 : public CMonthCalCtrl {
  DECLARE_DYNAMIC(CMonthCal32)

 public:
  /// A calendar with no window yet that tells `interop` (not owned) of picks and focus loss.
  explicit CMonthCal32(ICalInterop* interop = nullptr) : m_pInterop(interop) {}
  ~CMonthCal32() override = default;

  /// Makes the pop-up window (hidden, of no size) owned by `owner`, or by `fallbackOwner` when
  /// there is no owner, and routes its messages here. FALSE, with no window, when a window
  /// exists already or neither owner does: the calendar tells its owner of a pick, so without
  /// one the pick would be lost.
  BOOL CreatePopup(CWnd* owner, CWnd* fallbackOwner);
  /// The picker's three colours on the calendar's six parts: the title bar in reverse, the
  /// neighbouring months' days in the shade.
  void ApplyColors(COLORREF background, COLORREF text, COLORREF shade);
  /// The selection as a date value, or `unchanged` when the calendar cannot be read.
  int GetCurSelDate(int unchanged) const;
  /// FALSE, changing nothing, for a value that is not a valid date.
  BOOL SetCurSelDate(int value);

  ICalInterop* m_pInterop = nullptr;  ///< not owned

 protected:
  /// WM_KILLFOCUS goes to the picker (OnLostFocus) and no further.
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  /// The reflected MCN_SELECT goes to the picker (DateSelected).
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
