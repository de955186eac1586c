#include "platform/window/Window.h"

#include <algorithm>

#include "platform/gdi/DeviceContext.h"

namespace platform {

Window* RequireWindow(HWND hwnd) {
  Window* w = FindWindowObject(hwnd);
  if (!w) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return w;
}

bool IsDesktop(const Window& w) { return w.parent == nullptr; }
bool IsTopLevel(const Window& w) { return w.parent && IsDesktop(*w.parent); }

Window& TopLevelOf(Window& w) {
  Window* p = &w;
  while (p->parent && !IsDesktop(*p->parent)) p = p->parent;
  return *p;
}

bool IsSelfOrAncestor(const Window& ancestor, const Window* w) {
  for (; w; w = w->parent)
    if (w == &ancestor) return true;
  return false;
}

bool IsShown(const Window& w) {
  for (const Window* p = &w; p; p = p->parent)
    if (!(p->style & WS_VISIBLE)) return false;
  return true;
}

bool AcceptsInput(const Window& w) {
  for (const Window* p = &w; p; p = p->parent)
    if (p->style & WS_DISABLED) return false;
  return true;
}

int FrameWidth(const Window& w) { return (w.style & WS_BORDER) ? 1 : 0; }
int WindowWidth(const Window& w) { return std::max(0, int(w.rect.right - w.rect.left)); }
int WindowHeight(const Window& w) { return std::max(0, int(w.rect.bottom - w.rect.top)); }

RECT ClientRectOf(const Window& w) {
  const int f = FrameWidth(w);
  return {0, 0, std::max(0, WindowWidth(w) - 2 * f), std::max(0, WindowHeight(w) - 2 * f)};
}

POINT ClientOrigin(const Window& w) {
  POINT p{0, 0};
  for (const Window* c = &w; c && c->parent; c = c->parent) {
    const int f = FrameWidth(*c);
    p.x += c->rect.left + f;
    p.y += c->rect.top + f;
  }
  return p;
}

RECT ScreenRectOf(const Window& w) {
  if (IsDesktop(w)) return w.rect;
  const POINT o = ClientOrigin(*w.parent);
  return {o.x + w.rect.left, o.y + w.rect.top, o.x + w.rect.right, o.y + w.rect.bottom};
}

POINT OffsetInTopLevel(const Window& w) {
  POINT p{0, 0};
  for (const Window* c = &w; c->parent && !IsDesktop(*c->parent); c = c->parent) {
    const Window& parent = *c->parent;
    const int f = FrameWidth(parent);
    p.x += c->rect.left + f;
    p.y += c->rect.top + f;
  }
  return p;
}

RECT ClipToAncestors(const Window& w, RECT area) {
  for (const Window* p = w.parent; p && !IsDesktop(*p); p = p->parent) {
    const POINT o = ClientOrigin(*p);
    const RECT pc = ClientRectOf(*p);
    if (!IntersectInto(area, {o.x, o.y, o.x + pc.right, o.y + pc.bottom})) return {0, 0, 0, 0};
  }
  const Window& top = TopLevelOf(const_cast<Window&>(w));
  if (!IntersectInto(area, ScreenRectOf(top))) return {0, 0, 0, 0};
  return area;
}

RECT VisibleClientArea(const Window& w) {
  const POINT origin = ClientOrigin(w);
  const RECT client = ClientRectOf(w);
  RECT area = ClipToAncestors(w, {origin.x, origin.y, origin.x + client.right, origin.y + client.bottom});
  if (RectIsEmpty(area)) return {0, 0, 0, 0};
  return {area.left - origin.x, area.top - origin.y, area.right - origin.x,
          area.bottom - origin.y};
}

}  // namespace platform
