// The USER subset: rectangles, brush fills, text layout and GUI resource counts here; windows
// (WinWindow.h), messages and painting (WinMessages.h), input, focus, cursors and timers
// (WinInput.h), and the clipboard (WinClipboard.h).
#pragma once

#include "platform/win32/WinClipboard.h"
#include "platform/win32/WinGdi.h"
#include "platform/win32/WinInput.h"

// ---- rectangles (half-open: right and bottom are outside)
BOOL SetRect(LPRECT r, int left, int top, int right, int bottom);
BOOL SetRectEmpty(LPRECT r);
BOOL CopyRect(LPRECT dst, const RECT* src);
BOOL IsRectEmpty(const RECT* r);
BOOL EqualRect(const RECT* a, const RECT* b);
BOOL PtInRect(const RECT* r, POINT pt);
BOOL OffsetRect(LPRECT r, int dx, int dy);
BOOL InflateRect(LPRECT r, int dx, int dy);
BOOL IntersectRect(LPRECT dst, const RECT* a, const RECT* b);
BOOL UnionRect(LPRECT dst, const RECT* a, const RECT* b);
BOOL SubtractRect(LPRECT dst, const RECT* a, const RECT* b);

// ---- brush fills
int FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush);
BOOL InvertRect(HDC hdc, const RECT* rect);

// ---- text layout
constexpr UINT DT_TOP = 0x0000;
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_BOTTOM = 0x0008;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_EXPANDTABS = 0x0040;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_CALCRECT = 0x0400;
constexpr UINT DT_NOPREFIX = 0x0800;
constexpr UINT DT_END_ELLIPSIS = 0x8000;
// "&x" still gives x, without the underline; or draws the underlines alone.
constexpr UINT DT_HIDEPREFIX = 0x00100000;
constexpr UINT DT_PREFIXONLY = 0x00200000;

// Draws text into a rectangle, or with DT_CALCRECT measures it; returns the height of the text
// (for a single line placed with DT_VCENTER or DT_BOTTOM, the distance from the rectangle's top
// to the bottom of the text, and 1 when that is 0), 0 on failure. count -1 means a terminated
// string; a count of 0 or an empty string returns one line's height. Not supported, so not
// declared: tab stops, external leading, path and word ellipses, DT_MODIFYSTRING, right-to-left
// reading and the edit control's rules.
int DrawTextW(HDC hdc, LPCWSTR text, int count, LPRECT rect, UINT format);
#define DrawText DrawTextW

// ---- GUI resource counts
constexpr DWORD GR_GDIOBJECTS = 0;
constexpr DWORD GR_USEROBJECTS = 1;
constexpr DWORD GR_GDIOBJECTS_PEAK = 2;
constexpr DWORD GR_USEROBJECTS_PEAK = 4;

// How many GDI objects (bitmaps, pens, brushes, fonts, regions, device contexts) or USER
// objects (windows) the process holds now, or the most it has held at once. Objects every
// process shares (stock objects, system cursors, the desktop) are nobody's. 0 on failure:
// ERROR_INVALID_HANDLE unless `process` is GetCurrentProcess(), the only process there is;
// ERROR_INVALID_PARAMETER for another flag. Not supported, so not declared: GR_GLOBAL.
DWORD GetGuiResources(HANDLE process, DWORD flags);
