/// @class DatePickerLayout
/// Where the date picker puts its drop button and its text, from its draw rectangle.
#pragma once

#include "platform/mfc/CRect.h"

struct DatePickerLayout {
  CRect dropButton;  ///< a 20-pixel strip at the right edge, shrunk by 2 on every side
  CRect text;        ///< the rest, shrunk by 1 on every side and widened by 1 at the right
};

DatePickerLayout LayoutDatePicker(const RECT& draw);
