// The scroll bar control of the USER subset: the "ScrollBar" window class, its styles, the
// SCROLLINFO record and its messages.
//
// The control never moves by itself: a press on an arrow or the page area sends WM_VSCROLL
// (SBS_VERT) or WM_HSCROLL to the parent, repeating while the button is held over that part,
// and the parent answers with SetScrollInfo. Dragging the thumb sends SB_THUMBTRACK with the
// position under the pointer, then SB_THUMBPOSITION at the release; every press ends with
// SB_ENDSCROLL. lParam is the control's window. Double clicks count as presses.
#pragma once

#include "platform/win32/WinMessages.h"

constexpr wchar_t WC_SCROLLBARW[] = L"ScrollBar";

// ---- styles
constexpr DWORD SBS_HORZ = 0x0000;
constexpr DWORD SBS_VERT = 0x0001;

// ---- the scroll state
constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
// With the redraw flag, a visible bar is disabled (EnableWindow) while its page covers the
// whole range and enabled again when it does not; without it, the change waits for the next
// request that redraws. An invisible bar's window state stays as it is.
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct SCROLLINFO {
  UINT cbSize;  // sizeof(SCROLLINFO), or that without nTrackPos
  UINT fMask;
  int nMin;
  int nMax;
  UINT nPage;
  int nPos;
  int nTrackPos;  // read only: where a thumb drag is, else nPos
};
using LPSCROLLINFO = SCROLLINFO*;
using LPCSCROLLINFO = const SCROLLINFO*;

// ---- messages
// wParam: redraw; lParam: the record. Stores the fields the mask names, then keeps them
// consistent as the platform does: a range with nMin > nMax, or wider than 0x7FFFFFFF, becomes
// 0..0; the page is at most the range's size; the position lies in nMin..nMax - nPage + 1 (or
// nMin..nMax without a page). Returns the position; 0 for a bad record.
constexpr UINT SBM_SETSCROLLINFO = 0x00E9;
// lParam: the record to fill as its mask asks. TRUE when the mask asked for anything.
constexpr UINT SBM_GETSCROLLINFO = 0x00EA;
// wParam: the position; lParam: redraw. Stored as SIF_POS is; returns the previous position.
constexpr UINT SBM_SETPOS = 0x00E0;
// The position (not where a thumb drag is).
constexpr UINT SBM_GETPOS = 0x00E1;
// wParam: the minimum; lParam: the maximum, stored as SIF_RANGE is. The previous position when
// the range moved it, else 0. SBM_SETRANGEREDRAW redraws as well.
constexpr UINT SBM_SETRANGE = 0x00E2;
constexpr UINT SBM_SETRANGEREDRAW = 0x00E6;
// wParam, lParam: LPINT for the minimum and the maximum (either may be null).
constexpr UINT SBM_GETRANGE = 0x00E3;
// wParam: the ESB_ flags of the arrows to disable. A disabled arrow ignores presses and draws
// greyed; with both disabled the whole bar does. FALSE when the arrows were so already.
constexpr UINT SBM_ENABLE_ARROWS = 0x00E4;

constexpr UINT ESB_ENABLE_BOTH = 0x0000;
constexpr UINT ESB_DISABLE_BOTH = 0x0003;
constexpr UINT ESB_DISABLE_LEFT = 0x0001;
constexpr UINT ESB_DISABLE_RIGHT = 0x0002;
constexpr UINT ESB_DISABLE_UP = 0x0001;
constexpr UINT ESB_DISABLE_DOWN = 0x0002;
constexpr UINT ESB_DISABLE_LTUP = ESB_DISABLE_LEFT;
constexpr UINT ESB_DISABLE_RTDN = ESB_DISABLE_RIGHT;

// The bar a scroll call means. Only scroll bar controls exist (SB_CTL): the platform's windows
// have no scroll bars of their own.
constexpr int SB_CTL = 2;

// Each sends the control its SBM_ message; for any other bar each fails (0, FALSE).
int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw);
BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info);
// Returns the previous position.
int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND hwnd, int bar);
// FALSE, with ERROR_INVALID_SCROLLBAR_RANGE, when max - min exceeds 0x7FFFFFFF.
BOOL SetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw);
BOOL GetScrollRange(HWND hwnd, int bar, LPINT min, LPINT max);
// Shows or hides the control's window.
BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show);
// arrows: ESB_ flags. FALSE when the arrows were so already.
BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows);

constexpr DWORD ERROR_INVALID_SCROLLBAR_RANGE = 1448;
