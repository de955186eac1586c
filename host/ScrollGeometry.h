/// @class ScrollGeometry
/// The arithmetic of a vertical scroll bar, apart from any element: where the thumb sits for a
/// first row, and which first row a thumb position means. Rows are whole; positions are pixels
/// along the track. The thumb follows the platform's ScrollThumb rule.
#pragma once

#include <algorithm>

#include "platform/controls/ScrollThumb.h"

struct ScrollGeometry {
  int trackTop = 0;     ///< first pixel of the track
  int trackLength = 0;  ///< pixels
  int rows = 0;         ///< rows in all
  int page = 0;         ///< rows that fit

  /// The shortest thumb, in pixels, however many rows there are.
  static constexpr int kMinThumb = 12;

  /// The last first row: the page then ends at the last row.
  int MaxFirst() const { return std::max(0, rows - page); }
  /// The rows do not fit in a page, and the track has room: the thumb can move.
  bool Scrollable() const { return rows > page && page > 0 && trackLength > 0; }
  /// The thumb's length in pixels; the whole track when nothing scrolls.
  int ThumbLength() const { return Scrollable() ? Thumb().length : trackLength; }
  /// Top pixel of the thumb for a first row (clamped).
  int ThumbTop(int first) const { return trackTop + (Scrollable() ? Thumb().OffsetFor(first) : 0); }
  /// The first row for a thumb whose top is at `thumbTop` (nearest row, clamped).
  int FirstForThumbTop(int thumbTop) const {
    return Scrollable() ? Thumb().PosAt(static_cast<long long>(thumbTop) - trackTop) : 0;
  }

 private:
  platform::ScrollThumb Thumb() const {
    return {{0, rows - 1, static_cast<UINT>(page), 0}, trackLength, kMinThumb};
  }
};
