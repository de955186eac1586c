// The thumb of a scroll bar along its track: how long it is, where it lies for a position and
// which position a thumb at a given pixel means. The platform's scroll bar control, the
// framework's scroll bar element and the drop window's bitmap bar all place their thumbs by
// this one rule; each brings only its own shortest thumb.
//
// The thumb is the page's share of the track, lengthened to the shortest thumb a user can still
// take but never beyond the track. The positions spread over the travel this leaves, each at
// its nearest pixel, so the first position puts the thumb at the track's start, the last at its
// end, and a pixel and its position map back to each other.
#pragma once

#include "platform/controls/ScrollState.h"

namespace platform {

struct ScrollThumb {
  ScrollThumb() = default;
  // The thumb for the positions `state` scrolls through (its position is not read) on a track
  // of `track` pixels. No track, or no positions, makes a thumb of length 0.
  ScrollThumb(const ScrollState& state, int track, int minLength);

  // Pixels from the track's start to the thumb when the bar shows `pos` (clamped to the
  // positions there are).
  int OffsetFor(long long pos) const;
  // The position shown by a thumb `offset` pixels from the track's start (nearest, clamped).
  int PosAt(long long offset) const;

  int length = 0;
  int travel = 0;  // pixels the thumb can move: the track less its length

 private:
  int m_first = 0;       // the first position
  long long m_last = 0;  // the last one, counted from the first
};

}  // namespace platform
