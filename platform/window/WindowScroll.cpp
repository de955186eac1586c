// ScrollWindowEx: a window's pixels move on its top-level surface, and only what the move
// uncovered, or could not bring along, is left to paint.
#include "platform/gdi/ScrollBits.h"
#include "platform/window/WindowManager.h"

namespace platform {

namespace {

void AddToInvalid(Window& w, RECT r, const RECT& clip) {
  if (IntersectInto(r, clip)) InvalidateClientRect(w, r, false);
}

// The pixels under a child window are the child's, not the parent's: where they landed
// repaints, and so does a child that parent pixels were copied over. Children that moved along
// with SW_SCROLLCHILDREN repaint themselves.
void RepaintAroundChildren(Window& w, const RECT& source, const ScrolledBits& bits, int dx,
                           int dy, const RECT& clip) {
  for (Window* child : w.children) {
    if (!(child->style & WS_VISIBLE)) continue;
    RECT under = child->rect;
    if (IntersectInto(under, source)) AddToInvalid(w, Shifted(under, dx, dy), clip);
    InvalidateChildUnder(*child, bits.moved, false);
  }
}

void MoveChildren(Window& w, const RECT* scroll, int dx, int dy) {
  std::vector<HWND> meeting;
  for (const Window* child : w.children) {
    RECT common = child->rect;
    if (!scroll || IntersectInto(common, *scroll)) meeting.push_back(child->Handle());
  }
  for (HWND hwnd : meeting) {
    const Window* child = FindWindowObject(hwnd);
    if (!child) continue;
    SetWindowPos(hwnd, nullptr, child->rect.left + dx, child->rect.top + dy, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace

}  // namespace platform

using namespace platform;

int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
                   LPRECT updateRect, UINT flags) {
  Window* w = RequireWindow(hwnd);
  if (!w || IsDesktop(*w)) return ERROR;
  GdiRegion* region = update ? Resolve<GdiRegion>(update) : nullptr;
  if (update && !region) return ERROR;
  const RECT client = ClientRectOf(*w);
  RECT scrolled = client, clipped = client;
  if (scroll) IntersectInto(scrolled = *scroll, client);
  if (clip) IntersectInto(clipped = *clip, client);

  ScrolledBits bits;
  if (const HDC hdc = GetDC(hwnd)) {
    if (DeviceContext* dc = ResolveDC(hdc))
      bits = ScrollDeviceBits(*dc, dx, dy, scrolled, clipped);
    ReleaseDC(hwnd, hdc);
  }
  if ((w = FindWindowObject(hwnd))) {
    // What was waiting to be painted moved with the pixels, and still waits where it landed.
    RECT waiting = w->invalid;
    if (IntersectInto(waiting, scrolled)) AddToInvalid(*w, Shifted(waiting, dx, dy), clipped);
    if (flags & SW_SCROLLCHILDREN) MoveChildren(*w, scroll ? &scrolled : nullptr, dx, dy);
    else RepaintAroundChildren(*w, scrolled, bits, dx, dy, clipped);
  }
  if ((flags & SW_INVALIDATE) && (w = FindWindowObject(hwnd)) && bits.regionType != NULLREGION)
    InvalidateClientRect(*w, bits.uncovered, (flags & SW_ERASE) != 0);
  if (region) region->rect = bits.uncovered;
  if (updateRect) *updateRect = bits.uncovered;
  return bits.regionType;
}
