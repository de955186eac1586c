#include "host/MenuPlacement.h"

#include <algorithm>

namespace {

// Where the anchor lies on the menu along one axis.
enum class Align { Start, Center, End };

Align HorizontalAlign(UINT flags) {
  if (flags & TPM_RIGHTALIGN) return Align::End;
  if (flags & TPM_CENTERALIGN) return Align::Center;
  return Align::Start;
}

Align VerticalAlign(UINT flags) {
  if (flags & TPM_BOTTOMALIGN) return Align::End;
  if (flags & TPM_VCENTERALIGN) return Align::Center;
  return Align::Start;
}

// One axis from `lo` to `hi`, as in [lo, hi).
int ShiftInside(int start, int length, int lo, int hi) {
  start = std::min(start, hi - length);
  // A menu longer than the screen shows its beginning.
  return std::max(start, lo);
}

// The menu's start on one axis. A menu that does not fit on its side of the anchor opens on the
// other side instead, when that side has more room.
int PlaceOnAxis(int anchor, int length, Align align, int lo, int hi) {
  const int roomAfter = hi - anchor, roomBefore = anchor - lo;
  int start = align == Align::Start    ? anchor
              : align == Align::Center ? anchor - length / 2
                                       : anchor - length;
  if (align == Align::Start && length > roomAfter && roomBefore > roomAfter)
    start = anchor - length;
  if (align == Align::End && length > roomBefore && roomAfter > roomBefore)
    start = anchor;
  return ShiftInside(start, length, lo, hi);
}

// Moves the menu off [avoidLo, avoidHi) on one axis: to the side the alignment prefers when it
// fits there, else to the other side when that fits, else to the roomier side.
int AvoidOnAxis(int length, Align align, int avoidLo, int avoidHi, int lo, int hi) {
  const int after = avoidHi, before = avoidLo - length;
  const bool fitsAfter = after + length <= hi, fitsBefore = before >= lo;
  int moved;
  if (fitsBefore && (align == Align::End || !fitsAfter)) moved = before;
  else if (fitsAfter) moved = after;
  else moved = hi - avoidHi >= avoidLo - lo ? after : before;
  return ShiftInside(moved, length, lo, hi);
}

bool Overlaps(POINT corner, SIZE size, const RECT& r) {
  return corner.x < r.right && r.left < corner.x + size.cx && corner.y < r.bottom &&
         r.top < corner.y + size.cy;
}

}  // namespace

POINT PlaceMenu(POINT anchor, SIZE size, UINT tpmFlags, const RECT& screen, const RECT* avoid) {
  const Align horizontal = HorizontalAlign(tpmFlags), vertical = VerticalAlign(tpmFlags);
  POINT corner{PlaceOnAxis(anchor.x, size.cx, horizontal, screen.left, screen.right),
               PlaceOnAxis(anchor.y, size.cy, vertical, screen.top, screen.bottom)};
  if (!avoid || !Overlaps(corner, size, *avoid)) return corner;
  if (tpmFlags & TPM_VERTICAL)
    corner.y =
        AvoidOnAxis(size.cy, vertical, avoid->top, avoid->bottom, screen.top, screen.bottom);
  else
    corner.x =
        AvoidOnAxis(size.cx, horizontal, avoid->left, avoid->right, screen.left, screen.right);
  return corner;
}
