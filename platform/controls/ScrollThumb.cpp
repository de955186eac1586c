#include "platform/controls/ScrollThumb.h"

#include <algorithm>

namespace platform {

ScrollThumb::ScrollThumb(const ScrollState& state, int track, int minLength, ThumbSpread spread)
    : m_spread(spread), m_track(track), m_first(state.min) {
  // In 64 bits: the widest range and page overflow an int, and their product with the track a
  // 32-bit one.
  m_positions = static_cast<long long>(state.max) - state.min + 1;
  if (track <= 0 || m_positions <= 0) return;
  const long long share = track * static_cast<long long>(state.page) / m_positions;
  const int shortest = std::clamp(minLength, 0, track);
  m_bLengthened = share < shortest;
  length = static_cast<int>(std::clamp<long long>(share, shortest, track));
  travel = track - length;
  m_last = std::max<long long>(m_positions - std::max<long long>(state.page, 1), 0);
}

int ScrollThumb::OffsetFor(long long pos) const {
  if (m_spread == ThumbSpread::ShareOfTrack && !m_bLengthened) {
    if (m_positions <= 0 || m_track <= 0) return 0;
    const long long index = std::clamp(pos - m_first, 0LL, m_positions - 1);
    return static_cast<int>(index * m_track / m_positions);
  }
  if (m_last <= 0 || travel <= 0) return 0;
  const long long index = std::clamp(pos - m_first, 0LL, m_last);
  if (m_spread == ThumbSpread::ShareOfTrack) return static_cast<int>(travel * index / m_last);
  return static_cast<int>((travel * index + m_last / 2) / m_last);
}

int ScrollThumb::PosAt(long long offset) const {
  if (m_last <= 0 || travel <= 0) return m_first;
  const long long at = std::clamp<long long>(offset, 0, travel);
  return static_cast<int>(m_first + (at * m_last + travel / 2) / travel);
}

}  // namespace platform
