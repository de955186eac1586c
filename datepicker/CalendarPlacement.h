/// @file
/// Where the calendar pop-up opens: under the picker, or above it when there is no room below;
/// its right edge on the picker's right edge, or its left edge on the picker's left edge when
/// there is no room to the left. All in screen coordinates.
#pragma once

#include "platform/win32/WinDef.h"

/// The picker's rectangle moved down by its own height (its top on the picker's bottom edge)
/// and kept on the screen.
RECT CalendarStartRect(const RECT& pickerOnScreen, SIZE screen);
/// The calendar's window rectangle for its minimum size, from the picker's rectangle. Opened
/// above, it touches the picker's top edge even when the start rectangle had to be pulled back
/// onto the screen.
RECT PlaceCalendar(const RECT& pickerOnScreen, SIZE calendar, SIZE screen);
