#include "platform/controls/ScrollBarLayout.h"

#include <algorithm>

namespace platform {

ScrollBarLayout::ScrollBarLayout(int length, int breadth, const ScrollState& state)
    : m_length(std::max(length, 0)) {
  arrow = std::min(std::max(breadth, 0), m_length / 2);
  trackStart = arrow;
  trackEnd = m_length - arrow;
  const int track = trackEnd - trackStart;
  const int shortest = state.page > 0 ? kMinThumb : breadth;
  // A track too short for the thumb has none, and then every pixel means the first position:
  // the thumb of a track of no length.
  m_thumb = ScrollThumb(state, shortest > 0 && shortest <= track ? track : 0, shortest);
  thumbLength = m_thumb.length;
  thumbStart = ThumbStartFor(state.pos);
}

int ScrollBarLayout::ThumbStartFor(int pos) const { return trackStart + m_thumb.OffsetFor(pos); }

int ScrollBarLayout::PosForThumbStart(int start) const {
  return m_thumb.PosAt(static_cast<long long>(start) - trackStart);
}

ScrollPart ScrollBarLayout::PartAt(int at) const {
  if (at < 0 || at >= m_length) return ScrollPart::None;
  if (at < trackStart) return ScrollPart::LineUp;
  if (at >= trackEnd) return ScrollPart::LineDown;
  if (!HasThumb()) return ScrollPart::None;
  if (at < thumbStart) return ScrollPart::PageUp;
  if (at >= thumbStart + thumbLength) return ScrollPart::PageDown;
  return ScrollPart::Thumb;
}

}  // namespace platform
