// The common controls subset: the month calendar ("SysMonthCal32") and the notification codes
// of a date picker.
//
// A month calendar shows one month: its title with buttons to the previous and next month, a
// weekday header and six weeks, with today framed and the selected day filled. It always has
// one selected day (today until one is set), and the month shown is the selection's. A click
// on a day, or Enter, picks it (MCN_SELECT); every change of the selection, by the mouse, the
// arrow keys (a day, a week), Page Up and Down (a month) or Home and End (the month's first and
// last day), sends MCN_SELCHANGE first. Escape in a pop-up calendar hands the keyboard focus
// back to its owner. Notifications go to the parent of a child calendar and to the owner of a
// pop-up one, with the calendar's handle in hwndFrom.
#pragma once

#include "platform/win32/WinTime.h"
#include "platform/win32/WinUser.h"

#define MONTHCAL_CLASSW L"SysMonthCal32"
#define MONTHCAL_CLASS MONTHCAL_CLASSW

constexpr UINT MCM_FIRST = 0x1000;
// lParam: SYSTEMTIME* to fill (time fields 0). TRUE.
constexpr UINT MCM_GETCURSEL = MCM_FIRST + 1;
// lParam: SYSTEMTIME* (time fields ignored). FALSE for an invalid date or one outside the range.
constexpr UINT MCM_SETCURSEL = MCM_FIRST + 2;
// Always FALSE: a range of days, and its length, belong to a multiple-selection calendar.
constexpr UINT MCM_SETMAXSELCOUNT = MCM_FIRST + 4;
constexpr UINT MCM_GETSELRANGE = MCM_FIRST + 5;
constexpr UINT MCM_SETSELRANGE = MCM_FIRST + 6;
// lParam: SYSTEMTIME* for the day framed as today, or null for the local date again.
constexpr UINT MCM_SETTODAY = MCM_FIRST + 12;
// lParam: SYSTEMTIME* to fill. TRUE.
constexpr UINT MCM_GETTODAY = MCM_FIRST + 13;
// lParam: RECT* for the smallest window that shows a whole month, its frame included.
constexpr UINT MCM_GETMINREQRECT = MCM_FIRST + 9;
// wParam: an MCSC_ index; lParam: the colour. The previous colour, or -1 for a bad index.
constexpr UINT MCM_SETCOLOR = MCM_FIRST + 10;
constexpr UINT MCM_GETCOLOR = MCM_FIRST + 11;
// wParam: the GDTR_ flags of the limits that exist; lParam: SYSTEMTIME[2], minimum then maximum.
constexpr UINT MCM_GETRANGE = MCM_FIRST + 17;
// FALSE for an invalid limit or a minimum after the maximum; the selection moves into the range.
constexpr UINT MCM_SETRANGE = MCM_FIRST + 18;

constexpr int MCSC_BACKGROUND = 0;    // around the month
constexpr int MCSC_TEXT = 1;          // the days and weekdays
constexpr int MCSC_TITLEBK = 2;       // the title bar, the selected day and today's frame
constexpr int MCSC_TITLETEXT = 3;     // the title, the month buttons and the selected day's text
constexpr int MCSC_MONTHBK = 4;       // behind the days
constexpr int MCSC_TRAILINGTEXT = 5;  // days of the neighbouring months and outside the range

constexpr WPARAM GDTR_MIN = 0x0001;
constexpr WPARAM GDTR_MAX = 0x0002;

constexpr UINT MCN_FIRST = 0U - 746U;
constexpr UINT MCN_SELECT = MCN_FIRST;           // a day was picked
constexpr UINT MCN_SELCHANGE = MCN_FIRST - 3U;  // the selection moved

struct NMSELCHANGE {
  NMHDR nmhdr;
  SYSTEMTIME stSelStart;
  SYSTEMTIME stSelEnd;
};
using LPNMSELCHANGE = NMSELCHANGE*;

// A date picker's notifications.
constexpr UINT DTN_FIRST = 0U - 740U;
constexpr UINT DTN_DATETIMECHANGE = DTN_FIRST - 19U;
constexpr UINT DTN_DROPDOWN = DTN_FIRST - 14U;
constexpr UINT DTN_CLOSEUP = DTN_FIRST - 13U;
