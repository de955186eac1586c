/// @class DatePickerLayout
/// Where the date picker puts its drop button and its text, from its draw rectangle.
#pragma once

/// @file
/// Where the date picker's parts go.

#include "platform/mfc/CRect.h"

struct DatePickerLayout {
  CRect dropButton;  ///< a 20-pixel strip at the right edge, shrunk by 2 on every side
  CRect text;        ///< the rest, shrunk by 1 on every side and widened by 1 at the right
};

/// The parts for a picker drawn in `draw` (its own rectangle).
DatePickerLayout LayoutDatePicker(const RECT& draw);
