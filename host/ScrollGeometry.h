// The arithmetic of a vertical scroll bar, apart from any element: where the thumb sits for a
// first row, and which first row a thumb position means. Rows are whole; positions are pixels
// along the track.
#pragma once

#include <algorithm>

struct ScrollGeometry {
  int trackTop = 0;     // first pixel of the track
  int trackLength = 0;  // pixels
  int rows = 0;         // rows in all
  int page = 0;         // rows that fit

  static constexpr int kMinThumb = 12;

  // The last first row: the page then ends at the last row.
  int MaxFirst() const { return std::max(0, rows - page); }
  bool Scrollable() const { return rows > page && page > 0 && trackLength > 0; }
  int ThumbLength() const {
    if (!Scrollable()) return trackLength;
    const long long length = static_cast<long long>(trackLength) * page / rows;
    return static_cast<int>(std::clamp<long long>(length, std::min(kMinThumb, trackLength), trackLength));
  }
  // Top pixel of the thumb for a first row (clamped).
  int ThumbTop(int first) const {
    const int travel = trackLength - ThumbLength();
    const int maxFirst = MaxFirst();
    if (maxFirst == 0 || travel <= 0) return trackTop;
    first = std::clamp(first, 0, maxFirst);
    return trackTop + static_cast<int>((static_cast<long long>(travel) * first + maxFirst / 2) / maxFirst);
  }
  // The first row for a thumb whose top is at `thumbTop` (nearest row, clamped).
  int FirstForThumbTop(int thumbTop) const {
    const int travel = trackLength - ThumbLength();
    const int maxFirst = MaxFirst();
    if (maxFirst == 0 || travel <= 0) return 0;
    const int offset = std::clamp(thumbTop - trackTop, 0, travel);
    return static_cast<int>((static_cast<long long>(offset) * maxFirst + travel / 2) / travel);
  }
};
