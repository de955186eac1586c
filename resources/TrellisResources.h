// Ids of the library's bitmap resources (RT_BITMAP in TrellisResourceModule()). The pictures are
// drawn by tools/make_bitmaps.py into resources/<id>_<name>.bmp.
#pragma once

#include "platform/win32/WinDef.h"

// Tree check boxes, 13 x 13.
constexpr UINT IDB_TREE_CHECK_NO = 23000;
constexpr UINT IDB_TREE_CHECK_YES = 23002;
constexpr UINT IDB_TREE_CHECK_HALF = 23018;
// Tree expand buttons: 9 x 9 in the line style, 11 x 11 in the flat style.
constexpr UINT IDB_TREE_CLOSE_LINE = 23003;
constexpr UINT IDB_TREE_CLOSE_FLAT = 23004;
constexpr UINT IDB_TREE_OPEN_LINE = 23005;
constexpr UINT IDB_TREE_OPEN_FLAT = 23006;
// Drop list arrows, 13 x 16.
constexpr UINT IDB_DROPLIST_ARROW = 23010;
constexpr UINT IDB_DROPLIST_ARROW_PUSHED = 23011;
constexpr UINT IDB_DROPLIST_ARROW_DISABLED = 23016;
// Skinned scroll bar, 14 wide: arrows 14 high, thumb 10, track 1.
constexpr UINT IDB_SCROLL_UP = 23019;
constexpr UINT IDB_SCROLL_DOWN = 23020;
constexpr UINT IDB_SCROLL_THUMB = 23021;
constexpr UINT IDB_SCROLL_TRACK = 23022;
