// Where the parts of a scroll bar control lie along its axis, and which position a thumb
// dragged to a pixel means. Pure arithmetic on the bar's length, its breadth and its state;
// the control, its painting and its tests share it.
//
//   [arrow][ page-up area |thumb| page-down area ][arrow]
//
// Arrows are square (as long as the bar is broad) unless the bar is too short for two, when
// they share its length. The thumb follows ScrollThumb, at least kMinThumb long; without a page
// it is square. A track too short for the thumb has no thumb.
#pragma once

#include "platform/controls/ScrollState.h"
#include "platform/controls/ScrollThumb.h"

namespace platform {

enum class ScrollPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

struct ScrollBarLayout {
  static constexpr int kMinThumb = 8;

  ScrollBarLayout(int length, int breadth, const ScrollState& state);

  int arrow = 0;        // length of each arrow
  int trackStart = 0;   // first pixel after the up (left) arrow
  int trackEnd = 0;     // first pixel of the down (right) arrow
  int thumbLength = 0;  // 0: no thumb
  int thumbStart = 0;

  bool HasThumb() const { return thumbLength > 0; }
  // The thumb's first pixel when the bar shows position `pos`.
  int ThumbStartFor(int pos) const;
  // The position shown by a thumb whose first pixel is at `start` (nearest, clamped).
  int PosForThumbStart(int start) const;
  // The part under a pixel along the axis; None outside the bar.
  ScrollPart PartAt(int at) const;

 private:
  int m_length = 0;
  ScrollThumb m_thumb;
};

}  // namespace platform
