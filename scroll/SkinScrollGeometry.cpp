#include "scroll/SkinScrollGeometry.h"

#include <algorithm>
#include <cmath>

int SkinScrollGeometry::DragPosition(const ScrollState& state, int travel, int startPos, int dy) {
  const long long span = static_cast<long long>(state.MaxPos()) - state.min;
  if (travel <= 0 || span <= 0) return std::clamp(startPos, state.min, state.MaxPos());
  const double moved = std::trunc(static_cast<double>(span) / travel * dy) + startPos;
  return static_cast<int>(std::clamp(moved, static_cast<double>(state.min),
                                     static_cast<double>(state.MaxPos())));
}

int SkinScrollGeometry::ScrollTarget(const ScrollState& state, int action) {
  long long delta = 0;
  switch (action) {
    case kLineUp: delta = -1; break;
    case kLineDown: delta = 1; break;
    case kPageUp: delta = -static_cast<long long>(state.page); break;
    case kPageDown: delta = state.page; break;
    default: break;
  }
  return static_cast<int>(std::clamp<long long>(state.pos + delta, state.min, state.MaxPos()));
}

