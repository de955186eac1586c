#include "platform/controls/ScrollBarLayout.h"

#include <algorithm>

namespace platform {

ScrollBarLayout::ScrollBarLayout(int length, int breadth, const ScrollState& state)
    : m_length(std::max(length, 0)), m_state(state) {
  arrow = std::min(std::max(breadth, 0), m_length / 2);
  trackStart = arrow;
  trackEnd = m_length - arrow;
  const int track = trackEnd - trackStart;
  const long long size = static_cast<long long>(state.max) - state.min + 1;
  int thumb = breadth;
  if (state.page > 0 && size > 0)
    thumb = static_cast<int>(std::max<long long>(track * static_cast<long long>(state.page) / size,
                                                 kMinThumb));
  if (thumb <= 0 || thumb > track) return;
  thumbLength = thumb;
  thumbStart = ThumbStartFor(state.pos);
}

int ScrollBarLayout::ThumbStartFor(int pos) const {
  const int travel = trackEnd - trackStart - thumbLength;
  const long long span = static_cast<long long>(m_state.MaxPos()) - m_state.min;
  if (!HasThumb() || span <= 0 || travel <= 0) return trackStart;
  const long long offset = std::clamp<long long>(static_cast<long long>(pos) - m_state.min, 0, span);
  return trackStart + static_cast<int>(travel * offset / span);
}

int ScrollBarLayout::PosForThumbStart(int start) const {
  const int travel = trackEnd - trackStart - thumbLength;
  const long long span = static_cast<long long>(m_state.MaxPos()) - m_state.min;
  if (!HasThumb() || span <= 0 || travel <= 0) return m_state.min;
  const long long offset = std::clamp(start - trackStart, 0, travel);
  return m_state.min + static_cast<int>((offset * span + travel / 2) / travel);
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
