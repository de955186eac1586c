// The thumb of a scroll bar along its track: how long it is, where it lies for a position and
// which position a thumb at a given pixel means. The platform's scroll bar control, the
// framework's scroll bar element and the drop window's bitmap bar all size their thumbs by
// this one rule; each brings its own shortest thumb and the way it spreads its positions.
//
// The thumb is the page's share of the track, lengthened to the shortest thumb a user can still
// take but never beyond the track. With the Nearest spread the positions lie over the travel
// this leaves, each at its nearest pixel, so the first position puts the thumb at the track's
// start, the last at its end, and a pixel and its position map back to each other. The bitmap
// bar keeps the rule its owner was written for (ShareOfTrack): a thumb of its natural length
// lies at the position's share of the whole track, truncated, which may stop a pixel or two
// short of the end; a lengthened one spreads over the travel, truncated.
#pragma once

#include "platform/controls/ScrollState.h"

namespace platform {

enum class ThumbSpread { Nearest, ShareOfTrack };

struct ScrollThumb {
  ScrollThumb() = default;
  // The thumb for the positions `state` scrolls through (its position is not read) on a track
  // of `track` pixels. No track, or no positions, makes a thumb of length 0.
  ScrollThumb(const ScrollState& state, int track, int minLength,
              ThumbSpread spread = ThumbSpread::Nearest);

  // Pixels from the track's start to the thumb when the bar shows `pos` (clamped to the
  // positions there are).
  int OffsetFor(long long pos) const;
  // The position shown by a thumb `offset` pixels from the track's start (nearest, clamped):
  // the inverse of the Nearest spread.
  int PosAt(long long offset) const;

  int length = 0;
  int travel = 0;  // pixels the thumb can move: the track less its length

 private:
  ThumbSpread m_spread = ThumbSpread::Nearest;
  bool m_bLengthened = false;  // the page's share was shorter than the shortest thumb
  int m_track = 0;
  int m_first = 0;            // the first position
  long long m_positions = 0;  // in the range
  long long m_last = 0;       // the last one, counted from the first
};

}  // namespace platform
