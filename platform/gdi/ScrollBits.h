// Moving a DC's own pixels by an offset, the work behind ScrollDC and ScrollWindowEx.
#pragma once

#include "platform/gdi/DeviceContext.h"

namespace platform {

struct ScrolledBits {
  RECT moved{};      // where pixels landed (device coordinates)
  RECT uncovered{};  // bounding box of what the scroll left to repaint
  int regionType = NULLREGION;  // of the uncovered area: NULLREGION, SIMPLEREGION, COMPLEXREGION
};

// Copies the pixels of `scroll` that the DC can see by (dx, dy), writing only inside `clip` and
// the DC's own limits (all in device coordinates). What lies in `scroll` and `clip` but received
// no pixel is uncovered: it is where the source was out of sight or out of the rectangle.
ScrolledBits ScrollDeviceBits(DeviceContext& dc, int dx, int dy, RECT scroll, RECT clip);

// The part of `from` outside `cut`: its bounding box in `box`, and its shape as a region type.
int RectDifference(const RECT& from, const RECT& cut, RECT& box);

}  // namespace platform
