// The "SysMonthCal32" window class: a month title with previous and next buttons, a weekday
// header and a six-week grid, as the platform's month calendar shows it. The state lives with
// the window (its first extra bytes) from WM_NCCREATE to WM_NCDESTROY.
#pragma once

#include "platform/win32/WinUser.h"

namespace platform {

LRESULT CALLBACK MonthCalendarWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform
