// The list box control of the USER subset: the "ListBox" window class, its styles, messages,
// notifications and owner drawing.
//
// Supported: single selection, fixed-height rows (LBS_OWNERDRAWFIXED or the font's height),
// texts held by the control (LBS_HASSTRINGS; an owner-drawn list without it keeps nothing), and
// notifications with LBS_NOTIFY. With WS_VSCROLL the control shows a "ScrollBar" child along
// its right edge while the rows do not fit; the platform has no non-client scroll bars, so the
// rows then end where that child begins.
#pragma once

#include "platform/win32/WinMessages.h"

constexpr wchar_t WC_LISTBOXW[] = L"ListBox";

// ---- styles
constexpr DWORD LBS_NOTIFY = 0x0001;
constexpr DWORD LBS_OWNERDRAWFIXED = 0x0010;
constexpr DWORD LBS_HASSTRINGS = 0x0040;
constexpr DWORD WS_VSCROLL = 0x00200000;

// ---- messages
// Not declared, because this list box has no use for them: directory listings (LB_DIR,
// LB_ADDFILE), tab stops, columns, horizontal extents, locales and LB_GETLISTBOXINFO.
constexpr UINT LB_ADDSTRING = 0x0180;
constexpr UINT LB_INSERTSTRING = 0x0181;
constexpr UINT LB_DELETESTRING = 0x0182;
constexpr UINT LB_RESETCONTENT = 0x0184;
constexpr UINT LB_SETCURSEL = 0x0186;
constexpr UINT LB_GETCURSEL = 0x0188;
// Positive when the row is selected, 0 when not.
constexpr UINT LB_GETSEL = 0x0187;
// Always LB_ERR: these need a multiple-selection list box, LB_SETCOUNT one with LBS_NODATA.
constexpr UINT LB_SELITEMRANGEEX = 0x0183;
constexpr UINT LB_SETSEL = 0x0185;
constexpr UINT LB_GETSELCOUNT = 0x0190;
constexpr UINT LB_GETSELITEMS = 0x0191;
constexpr UINT LB_SELITEMRANGE = 0x019B;
constexpr UINT LB_SETCOUNT = 0x01A7;
constexpr UINT LB_GETTEXT = 0x0189;
constexpr UINT LB_GETTEXTLEN = 0x018A;
constexpr UINT LB_GETCOUNT = 0x018B;
// wParam: the row after which the search starts (-1: from the top); it wraps round to that
// row. lParam: the text, matched from its start (or whole) without regard to case; a list
// without texts compares the rows' values with lParam. The row's index, or LB_ERR.
// LB_SELECTSTRING selects the row found as LB_SETCURSEL does.
constexpr UINT LB_SELECTSTRING = 0x018C;
constexpr UINT LB_FINDSTRING = 0x018F;
constexpr UINT LB_FINDSTRINGEXACT = 0x01A2;
constexpr UINT LB_GETTOPINDEX = 0x018E;
constexpr UINT LB_SETTOPINDEX = 0x0197;
// Fills the row's rectangle; 1 when any of it lies in the client area, else 0.
constexpr UINT LB_GETITEMRECT = 0x0198;
// The value kept with each row (what LB_ADDSTRING gave a list without texts). LB_SETITEMDATA
// with row -1 sets every row's.
constexpr UINT LB_GETITEMDATA = 0x0199;
constexpr UINT LB_SETITEMDATA = 0x019A;
// The row with the focus rectangle.
constexpr UINT LB_GETCARETINDEX = 0x019F;
constexpr UINT LB_SETITEMHEIGHT = 0x01A0;
constexpr UINT LB_GETITEMHEIGHT = 0x01A1;
constexpr UINT LB_ITEMFROMPOINT = 0x01A9;
// Room for wParam more rows before a long fill, so that adding them moves no row; the string
// bytes of lParam are a hint each row's own text makes moot. The rows there is room for, or
// LB_ERRSPACE.
constexpr UINT LB_INITSTORAGE = 0x01A8;

// Results. LB_SETCURSEL with -1 clears the selection and still answers LB_ERR, as documented.
constexpr LRESULT LB_OKAY = 0;
constexpr LRESULT LB_ERR = -1;
constexpr LRESULT LB_ERRSPACE = -2;

// Notifications, in the high word of WM_COMMAND's wParam (the low word is the control id,
// lParam the control). Selection changes and double clicks are sent only with LBS_NOTIFY, and
// only for what the user did; focus changes always. A press ends, with LBN_SELCHANGE, at its
// release or, when the release went elsewhere, when the list box loses the focus.
// A row could not be stored; sent whatever the style. Negative, as on the platform: compare it
// with short(HIWORD(wParam)).
constexpr int LBN_ERRSPACE = -2;
constexpr WORD LBN_SELCHANGE = 1;
constexpr WORD LBN_DBLCLK = 2;
constexpr WORD LBN_SETFOCUS = 4;
constexpr WORD LBN_KILLFOCUS = 5;

// ---- owner drawing
// Sent to the parent for each row to paint, always to draw it whole; wParam is the control id,
// lParam the record.
constexpr UINT WM_DRAWITEM = 0x002B;

constexpr UINT ODT_LISTBOX = 2;
constexpr UINT ODA_DRAWENTIRE = 0x0001;
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_DISABLED = 0x0004;
constexpr UINT ODS_FOCUS = 0x0010;

struct DRAWITEMSTRUCT {
  UINT CtlType;
  UINT CtlID;
  UINT itemID;
  UINT itemAction;
  UINT itemState;
  HWND hwndItem;
  HDC hDC;
  RECT rcItem;  // the row, in the control's client coordinates
  ULONG_PTR itemData;
};
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;
