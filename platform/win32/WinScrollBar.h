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

// The bar a Set/GetScrollInfo call means. Only scroll bar controls exist (SB_CTL): the
// platform's windows have no scroll bars of their own.
constexpr int SB_CTL = 2;

// Send SBM_SETSCROLLINFO and SBM_GETSCROLLINFO to the control; 0 (FALSE) for any other bar.
int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw);
BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info);
