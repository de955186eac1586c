#include "datepicker/DatePickerLayout.h"

namespace {
constexpr int kButtonStrip = 20;
constexpr int kButtonInset = 2;
}  // namespace

DatePickerLayout LayoutDatePicker(const RECT& d) {
  DatePickerLayout l;
  l.dropButton = CRect(d.right - kButtonStrip + kButtonInset, d.top + kButtonInset,
                       d.right - kButtonInset, d.bottom - kButtonInset);
  l.text = CRect(d.left + 1, d.top + 1, d.right - kButtonStrip, d.bottom - 1);
  return l;
}
