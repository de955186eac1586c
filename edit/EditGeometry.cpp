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
