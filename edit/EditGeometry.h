/// @file
/// Where the edit box's characters sit, as pure arithmetic over prefix widths: widths[k] is the
/// width in pixels of the first k characters, so widths[0] is 0 and widths.back() is the width
/// of the whole text. Widths are sums of advances and never shrink as k grows, which lets every
/// search here be a binary one.
#pragma once

#include <span>

/// The caret position nearest to `target` pixels from the start of the text: before a character
/// when the target lies on its left half, after it from the middle on. Beyond the text, the end;
/// a text of no width (or no characters), 0.
int HitTestPrefixWidths(std::span<const int> widths, int target);

/// The horizontal scroll offset that keeps the caret in view in an area `areaWidth` wide, given
/// the offset now. The start of the text shows from offset 0; with the caret at the end, or once
/// the text from the current offset no longer fills the area, the end of the text sits at the
/// right edge; otherwise the view moves only as far as it takes to show the caret.
int ScrollOffsetFor(std::span<const int> widths, int caret, int areaWidth, int offset);
