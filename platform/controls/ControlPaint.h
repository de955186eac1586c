// What the platform's own controls share in painting: their plain system-looking colours and a
// solid fill that needs no brush.
#pragma once

#include "platform/win32/WinGdi.h"

namespace platform {

namespace control_colors {
inline constexpr COLORREF kWindow = RGB(255, 255, 255);
inline constexpr COLORREF kWindowText = RGB(0, 0, 0);
inline constexpr COLORREF kHighlight = RGB(0, 120, 215);
inline constexpr COLORREF kHighlightText = RGB(255, 255, 255);
inline constexpr COLORREF kDisabledText = RGB(109, 109, 109);
inline constexpr COLORREF kScrollTrack = RGB(240, 240, 240);
inline constexpr COLORREF kScrollTrackPressed = RGB(218, 218, 218);
inline constexpr COLORREF kScrollThumb = RGB(205, 205, 205);
inline constexpr COLORREF kScrollThumbPressed = RGB(166, 166, 166);
inline constexpr COLORREF kScrollArrowPressed = RGB(218, 218, 218);
inline constexpr COLORREF kScrollGlyph = RGB(96, 96, 96);
inline constexpr COLORREF kScrollGlyphDisabled = RGB(191, 191, 191);
}  // namespace control_colors

// Fills a rectangle with a colour (the DC's background colour is left at it).
void FillColor(HDC hdc, const RECT& rect, COLORREF color);

}  // namespace platform
