// Scrolling a DC's pixels within its surface, and ScrollDC.
#include "platform/gdi/ScrollBits.h"

#include <cstring>

#include "platform/win32/WinMessages.h"

namespace platform {

namespace {

RECT Offset(const RECT& r, int dx, int dy) {
  return {ClampCoord(std::int64_t(r.left) + dx), ClampCoord(std::int64_t(r.top) + dy),
          ClampCoord(std::int64_t(r.right) + dx), ClampCoord(std::int64_t(r.bottom) + dy)};
}

RECT Normalized(const RECT& r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
          std::max(r.top, r.bottom)};
}

void MoveRows(DeviceContext& dc, const RECT& to, int dx, int dy) {
  const int width = to.right - to.left;
  const int height = to.bottom - to.top;
  // Source and target overlap when the move is short: read each row before it is written.
  const bool bottomUp = dy > 0;
  for (int i = 0; i < height; ++i) {
    const int y = bottomUp ? to.bottom - 1 - i : to.top + i;
    std::memmove(dc.SurfacePixel(to.left, y), dc.SurfacePixel(to.left - dx, y - dy),
                 sizeof(Pixel) * std::size_t(width));
  }
}

}  // namespace

int RectDifference(const RECT& from, const RECT& cut, RECT& box) {
  box = {0, 0, 0, 0};
  if (RectIsEmpty(from)) return NULLREGION;
  RECT common = from;
  if (!IntersectInto(common, cut)) {
    box = from;
    return SIMPLEREGION;
  }
  const bool fullWidth = common.left == from.left && common.right == from.right;
  const bool fullHeight = common.top == from.top && common.bottom == from.bottom;
  if (fullWidth && fullHeight) return NULLREGION;
  box = from;
  // A cut across the whole width or height that touches one edge leaves one rectangle; any
  // other leaves two or more, whose bounding box is all of `from`.
  if (fullWidth && common.top == from.top) box.top = common.bottom;
  else if (fullWidth && common.bottom == from.bottom) box.bottom = common.top;
  else if (fullHeight && common.left == from.left) box.left = common.right;
  else if (fullHeight && common.right == from.right) box.right = common.left;
  else return COMPLEXREGION;
  return SIMPLEREGION;
}

ScrolledBits ScrollDeviceBits(DeviceContext& dc, int dx, int dy, RECT scroll, RECT clip) {
  ScrolledBits result;
  RECT target = clip;
  IntersectInto(target, dc.DeviceClip());
  RECT source = scroll;
  if (dc.surface && IntersectInto(source, dc.bounds)) {
    result.moved = Offset(source, dx, dy);
    if (IntersectInto(result.moved, target)) MoveRows(dc, result.moved, dx, dy);
    else result.moved = {0, 0, 0, 0};
  }
  RECT area = scroll;
  if (!IntersectInto(area, target)) area = {0, 0, 0, 0};
  result.regionType = RectDifference(area, result.moved, result.uncovered);
  return result;
}

}  // namespace platform

using namespace platform;

BOOL ScrollDC(HDC hdc, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
              LPRECT updateRect) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc) return FALSE;
  GdiRegion* region = update ? Resolve<GdiRegion>(update) : nullptr;
  if (update && !region) return FALSE;
  const RECT scrolled = scroll ? Normalized(dc->ToDeviceRect(*scroll)) : dc->bounds;
  const RECT clipped = clip ? Normalized(dc->ToDeviceRect(*clip)) : dc->bounds;
  const ScrolledBits bits = ScrollDeviceBits(*dc, dx, dy, scrolled, clipped);
  if (region) region->rect = bits.uncovered;
  if (updateRect) *updateRect = bits.uncovered;
  return TRUE;
}
