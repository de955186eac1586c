/// @class ICalInterop
/// How the calendar pop-up reports back to the date picker that opened it. Both calls close the
/// pop-up; the picker implements them.
#pragma once

class ICalInterop {
 public:
  /// A day was picked (the calendar's MCN_SELECT).
  virtual void DateSelected() = 0;
  /// The calendar lost the keyboard focus.
  virtual void OnLostFocus() = 0;
};
