// Invalid areas: what needs painting, and which window paints next.
#include <algorithm>

#include "platform/gdi/DeviceContext.h"
#include "platform/window/WindowManager.h"

namespace platform {

namespace {

void AddInvalid(Window& w, const RECT& r) {
  if (RectIsEmpty(w.invalid)) w.invalid = r;
  else
    w.invalid = {std::min(w.invalid.left, r.left), std::min(w.invalid.top, r.top),
                 std::max(w.invalid.right, r.right), std::max(w.invalid.bottom, r.bottom)};
}

bool NeedsPaint(const Window& w) { return !RectIsEmpty(w.invalid); }

// The frame is the platform's to draw, so it is drawn on the way, without a message.
bool DrawFrameAndCheck(Window& w) {
  if (w.frameOwed) DrawFrame(w);
  return NeedsPaint(w);
}

Window* FirstToPaint(Window& w) {
  if (!(w.style & WS_VISIBLE)) return nullptr;
  if (DrawFrameAndCheck(w)) return &w;
  // Bottom of the z-order first, so that where siblings overlap the upper one paints last.
  for (auto it = w.children.rbegin(); it != w.children.rend(); ++it)
    if (Window* found = FirstToPaint(**it)) return found;
  return nullptr;
}

}  // namespace

void InvalidateChildUnder(Window& child, const RECT& rect, bool erase) {
  RECT overlap = rect;
  if (!(child.style & WS_VISIBLE) || !IntersectInto(overlap, child.rect)) return;
  if (child.style & WS_BORDER) child.frameOwed = true;
  const int f = FrameWidth(child);
  InvalidateClientRect(child, Shifted(overlap, -child.rect.left - f, -child.rect.top - f), erase);
}

void InvalidateClientRect(Window& w, RECT rect, bool erase) {
  if (!IntersectInto(rect, ClientRectOf(w))) return;
  AddInvalid(w, rect);
  if (erase) w.eraseOwed = true;
  if (w.style & WS_CLIPCHILDREN) return;
  for (Window* child : w.children) InvalidateChildUnder(*child, rect, erase);
}

void InvalidateWhole(Window& w) {
  if (IsDesktop(w)) return;
  if (w.style & WS_BORDER) w.frameOwed = true;
  const RECT client = ClientRectOf(w);
  if (!RectIsEmpty(client)) {
    AddInvalid(w, client);
    w.eraseOwed = true;
  }
  for (Window* child : w.children) InvalidateWhole(*child);
}

void InvalidateUncovered(const Window& parent, RECT rectInParent) {
  // Top-level windows keep their own surfaces: composing the screen uncovers the rest.
  if (IsDesktop(parent)) return;
  Window& p = const_cast<Window&>(parent);
  InvalidateClientRect(p, rectInParent, true);
  // Siblings under the old place repaint even when the parent clips its children.
  if (p.style & WS_CLIPCHILDREN)
    for (Window* child : p.children) InvalidateChildUnder(*child, rectInParent, true);
}

Window* FindWindowToPaint(HWND filter) {
  if (filter) {
    Window* w = FindWindowObject(filter);
    return w && IsShown(*w) && DrawFrameAndCheck(*w) ? w : nullptr;
  }
  for (Window* top : Desktop::Current().Root().children)
    if (Window* found = FirstToPaint(*top)) return found;
  return nullptr;
}

}  // namespace platform

using namespace platform;

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
  if (!hwnd) {
    for (Window* top : Desktop::Current().Root().children) InvalidateWhole(*top);
    return TRUE;
  }
  Window* w = RequireWindow(hwnd);
  if (!w) return FALSE;
  InvalidateClientRect(*w, rect ? *rect : ClientRectOf(*w), erase);
  return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT* rect) {
  Window* w = RequireWindow(hwnd);
  if (!w) return FALSE;
  if (!rect) {
    w->invalid = {0, 0, 0, 0};
  } else {
    // The invalid area is a rectangle, so only a cut that leaves a rectangle shrinks it.
    RECT left{};
    SubtractRect(&left, &w->invalid, rect);
    w->invalid = left;
  }
  if (RectIsEmpty(w->invalid)) w->eraseOwed = false;
  return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT out, BOOL erase) {
  Window* w = RequireWindow(hwnd);
  if (!w) return FALSE;
  const RECT r = w->invalid;
  if (out) *out = RectIsEmpty(r) ? RECT{0, 0, 0, 0} : r;
  if (RectIsEmpty(r)) return FALSE;
  if (erase && w->eraseOwed) {
    w->eraseOwed = false;
    if (HDC hdc = GetDC(hwnd)) {
      IntersectClipRect(hdc, r.left, r.top, r.right, r.bottom);
      SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
      ReleaseDC(hwnd, hdc);
    }
  }
  return TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
  Window* w = RequireWindow(hwnd);
  if (!w) return FALSE;
  if (!IsShown(*w)) return TRUE;
  // Paints the window, then its children, each of which may have been invalidated by the
  // painting before it.
  std::vector<HWND> order{hwnd};
  for (std::size_t i = 0; i < order.size(); ++i) {
    Window* current = FindWindowObject(order[i]);
    if (!current || !IsShown(*current)) continue;
    if (DrawFrameAndCheck(*current)) SendMessageW(order[i], WM_PAINT, 0, 0);
    if ((current = FindWindowObject(order[i])))
      for (auto it = current->children.rbegin(); it != current->children.rend(); ++it)
        order.push_back((*it)->Handle());
  }
  return TRUE;
}
