#include "edit/EditGeometry.h"

#include <algorithm>

int HitTestPrefixWidths(std::span<const int> widths, int target) {
  if (widths.size() < 2 || widths.back() == 0) return 0;
  // The first n >= 1 whose prefix reaches the target.
  const auto it = std::lower_bound(widths.begin() + 1, widths.end(), target);
  if (it == widths.end()) return static_cast<int>(widths.size()) - 1;
  const int n = static_cast<int>(it - widths.begin());
  const int prev = widths[std::size_t(n - 1)];
  return target - prev < (*it - prev) / 2 ? n - 1 : n;
}

int ScrollOffsetFor(std::span<const int> widths, int caret, int areaWidth, int offset) {
  const int length = static_cast<int>(widths.size()) - 1;
  if (caret <= 0 || length < 0) return 0;
  const int full = widths.back();
  const int rightAligned = std::max(full - areaWidth, 0);
  if (caret >= length) return rightAligned;
  if (full - offset < areaWidth) return rightAligned;
  const int c = widths[std::size_t(caret)];
  if (c < offset) return c;
  if (c > offset + areaWidth) return std::min(c - areaWidth, c);
  return offset;
}

CharRange CharsBetween(std::span<const int> widths, int left, int right) {
  if (widths.size() < 2 || right <= left) return {};
  // Character k covers [widths[k], widths[k + 1]); it shows when it ends after `left` and
  // starts before `right`.
  const auto first = std::upper_bound(widths.begin() + 1, widths.end(), left);
  const auto last = std::lower_bound(widths.begin(), widths.end() - 1, right);
  CharRange range;
  range.first = static_cast<int>(first - widths.begin()) - 1;
  range.last = static_cast<int>(last - widths.begin());
  if (range.last < range.first) range.last = range.first;
  return range;
}
