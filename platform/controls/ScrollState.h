// The state a scroll bar keeps (range, page, position) and the platform's rule for storing a
// SCROLLINFO into it. Scroll bars of every kind share this rule, so a bar never holds a page
// larger than its range or a position its thumb cannot reach.
#pragma once

#include "platform/win32/WinScrollBar.h"

namespace platform {

struct ScrollState {
  int min = 0;
  int max = 0;
  UINT page = 0;
  int pos = 0;

  // Positions run from min to MaxPos(): the last one at which the page still ends by max.
  int MaxPos() const;
  // Stores the fields `info`'s mask names and makes the whole consistent (see SBM_SETSCROLLINFO).
  // False, with nothing changed, for a null record or one of an unknown size.
  bool Apply(const SCROLLINFO* info);
  // Fills the fields `info`'s mask asks for; nTrackPos is `trackPos`. False for a null record or
  // one of an unknown size, or when the mask asks for nothing.
  bool Fill(SCROLLINFO* info, int trackPos) const;
};

// The record sizes SetScrollInfo accepts: the whole, or the older one without nTrackPos.
bool IsScrollInfoSize(UINT cbSize);

}  // namespace platform
