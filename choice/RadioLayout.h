/// @file
/// Where the radio's box and caption go, as a plain function the tests run without a screen.
#pragma once

#include "platform/mfc/CRect.h"

namespace radio {

/// The radio's two areas, in its own coordinates.
struct Layout {
  CRect rcCheck;  ///< the box
  CRect rcText;   ///< the caption
};

/// The box at the left, as wide as its bitmap and vertically centred when the control is taller
/// than it (else it keeps the control's full height); the caption one pixel right of it to the
/// right edge. Without a bitmap size the box and the caption both cover the whole control.
inline Layout LayoutCheckText(int cx, int cy, const SIZE* box) {
  Layout layout{CRect(0, 0, cx, cy), CRect(0, 0, cx, cy)};
  if (!box) return layout;
  layout.rcCheck.right = layout.rcCheck.left + box->cx;
  const int spare = cy - box->cy;
  if (spare > 0) {
    layout.rcCheck.top = spare / 2;
    layout.rcCheck.bottom = layout.rcCheck.top + box->cy;
  }
  layout.rcText.left = layout.rcCheck.right + 1;
  return layout;
}

}  // namespace radio
