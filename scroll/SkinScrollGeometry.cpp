#include "scroll/SkinScrollGeometry.h"

#include <algorithm>
#include <cmath>

SkinScrollGeometry::ThumbPlace SkinScrollGeometry::PlaceThumb(const ScrollState& state, int trackLength, int minLength) {
  const long long range = static_cast<long long>(state.max) - state.min + 1;
  if (range <= 0 || trackLength <= 0) return {};
  const long long fromMin = static_cast<long long>(state.pos) - state.min;
  ThumbPlace place;
  place.length = static_cast<int>(state.page * static_cast<long long>(trackLength) / range);
  place.offset = static_cast<int>(fromMin * trackLength / range);
  if (place.length >= minLength) return place;
  place.length = std::min(minLength, trackLength);
  const long long travel = trackLength - place.length;
  const long long span = static_cast<long long>(state.MaxPos()) - state.min;
  place.offset = span > 0 ? static_cast<int>(std::clamp(fromMin, 0LL, span) * travel / span) : 0;
  return place;
}

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

