// Z-order, visibility, position, size and enabling.
#include <algorithm>

#include "platform/gdi/DeviceContext.h"
#include "platform/window/WindowManager.h"

namespace platform {

namespace {

bool IsTopmost(const Window* w) { return w->exStyle & WS_EX_TOPMOST; }

// The index of the first window outside the topmost band.
std::size_t BandEnd(const std::vector<Window*>& siblings) {
  std::size_t i = 0;
  while (i < siblings.size() && IsTopmost(siblings[i])) ++i;
  return i;
}

// Owned windows stay above their owner when the owner moves up.
void RaiseOwnedAbove(Window& owner) {
  auto& siblings = owner.parent->children;
  std::vector<Window*> owned;
  for (Window* w : siblings)
    if (w->owner == owner.Handle() && IsTopmost(w) == IsTopmost(&owner)) owned.push_back(w);
  for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
    std::erase(siblings, *it);
    const auto at = std::find(siblings.begin(), siblings.end(), &owner);
    siblings.insert(at, *it);
  }
}

}  // namespace

void PlaceInZOrder(Window& w, HWND insertAfter) {
  auto& siblings = w.parent->children;
  std::erase(siblings, &w);
  const bool topLevel = IsTopLevel(w);
  std::size_t at = 0;
  Window* after = nullptr;
  if (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST || insertAfter == HWND_TOP ||
      insertAfter == HWND_BOTTOM) {
    if (topLevel && insertAfter == HWND_TOPMOST) w.exStyle |= WS_EX_TOPMOST;
    if (topLevel && (insertAfter == HWND_NOTOPMOST || insertAfter == HWND_BOTTOM))
      w.exStyle &= ~WS_EX_TOPMOST;
    if (insertAfter == HWND_BOTTOM) at = siblings.size();
    else if (topLevel && !IsTopmost(&w)) at = BandEnd(siblings);
  } else if ((after = FindWindowObject(insertAfter)) && after->parent == w.parent && after != &w) {
    if (topLevel) w.exStyle = (w.exStyle & ~WS_EX_TOPMOST) | (after->exStyle & WS_EX_TOPMOST);
    at = static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), after) -
                                  siblings.begin()) + 1;
  } else if (topLevel && !IsTopmost(&w)) {
    at = BandEnd(siblings);
  }
  siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(at), &w);
  if (topLevel) RaiseOwnedAbove(w);
}

void ResizeBacking(Window& w) {
  if (!IsTopLevel(w)) return;
  const int width = WindowWidth(w), height = WindowHeight(w);
  if (w.backing && w.backing->Width() == width && w.backing->Height() == height) return;
  // A window too large for a surface, or of no size, has an empty one and draws nothing.
  w.backing = std::make_unique<Surface>();
  w.backing->Allocate(width, height);
  RefreshWindowDcs();
}

}  // namespace platform

using namespace platform;

BOOL ShowWindow(HWND hwnd, int command) {
  Window* w = RequireWindow(hwnd);
  if (!w || IsDesktop(*w)) return FALSE;
  const bool wasVisible = w->style & WS_VISIBLE;
  bool show = true, activate = false;
  switch (command) {
    case SW_HIDE: show = false; break;
    case SW_SHOWNORMAL:
    case SW_SHOW: activate = true; break;
    case SW_SHOWNOACTIVATE:
    case SW_SHOWNA: break;
    default: SetLastError(ERROR_INVALID_PARAMETER); return wasVisible;
  }
  if (show != wasVisible) {
    SendMessageW(hwnd, WM_SHOWWINDOW, show, 0);
    if (!(w = FindWindowObject(hwnd))) return wasVisible;
    NotifyWinEvent(show ? EVENT_OBJECT_SHOW : EVENT_OBJECT_HIDE, hwnd, OBJID_WINDOW, CHILDID_SELF);
    if (show) {
      w->style |= WS_VISIBLE;
      InvalidateWhole(*w);
    } else {
      // Hidden first, so that the focus and activation changes find the window invisible.
      w->style &= ~WS_VISIBLE;
      if (!IsTopLevel(*w)) InvalidateUncovered(*w->parent, w->rect);
      LetGoOf(*w, false);
    }
  }
  if ((w = FindWindowObject(hwnd)) && show && activate && Activatable(*w)) Activate(w, WA_ACTIVE);
  return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) {
  const Window* w = FindWindowObject(hwnd);
  return w && IsShown(*w);
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  Window* w = RequireWindow(hwnd);
  if (!w || IsDesktop(*w)) return FALSE;
  const RECT old = w->rect;
  RECT r = old;
  if (!(flags & SWP_NOMOVE)) {
    r.left = ClampCoord(x);
    r.top = ClampCoord(y);
  }
  const int width = (flags & SWP_NOSIZE) ? WindowWidth(*w) : std::clamp(cx, 0, Surface::kMaxSide);
  const int height = (flags & SWP_NOSIZE) ? WindowHeight(*w) : std::clamp(cy, 0, Surface::kMaxSide);
  r.right = r.left + width;
  r.bottom = r.top + height;
  const bool moved = r.left != old.left || r.top != old.top;
  const bool sized = WindowWidth(*w) != width || WindowHeight(*w) != height;
  const bool topLevel = IsTopLevel(*w);

  if (moved || sized || !(flags & SWP_NOZORDER)) {
    if (!topLevel && (w->style & WS_VISIBLE)) InvalidateUncovered(*w->parent, old);
    w->rect = r;
    if (!(flags & SWP_NOZORDER)) PlaceInZOrder(*w, insertAfter);
    ResizeBacking(*w);
    RefreshWindowDcs();
    // A moved top-level window keeps its pixels on its own surface; anything else repaints.
    if (sized || !topLevel) InvalidateWhole(*w);
  }
  if (flags & SWP_FRAMECHANGED) InvalidateWhole(*w);
  if ((flags & SWP_SHOWWINDOW) && !(w->style & WS_VISIBLE)) {
    w->style |= WS_VISIBLE;
    InvalidateWhole(*w);
  } else if ((flags & SWP_HIDEWINDOW) && (w->style & WS_VISIBLE)) {
    w->style &= ~WS_VISIBLE;
    if (!topLevel) InvalidateUncovered(*w->parent, w->rect);
    LetGoOf(*w, false);
  }
  if (sized && (w = FindWindowObject(hwnd))) {
    const RECT client = ClientRectOf(*w);
    SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
  }
  if (moved && (w = FindWindowObject(hwnd))) {
    const int f = FrameWidth(*w);
    SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(w->rect.left + f, w->rect.top + f));
  }
  if ((w = FindWindowObject(hwnd)) && !(flags & SWP_NOACTIVATE) && Activatable(*w))
    Activate(w, WA_ACTIVE);
  return IsWindow(hwnd);
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL) {
  // The platform repaints what moved either way; the repaint flag is only a hint there.
  return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  Window* w = RequireWindow(hwnd);
  if (!w) return FALSE;
  const bool wasDisabled = w->style & WS_DISABLED;
  if (bool(enable) != wasDisabled) return wasDisabled;
  if (!enable) {
    SendMessageW(hwnd, WM_CANCELMODE, 0, 0);
    if (!(w = FindWindowObject(hwnd))) return wasDisabled;
    w->style |= WS_DISABLED;
    // A disabled window takes no keyboard input, so it cannot keep the focus.
    if (IsSelfOrAncestor(*w, FindWindowObject(Desktop::Current().focus))) SetFocus(nullptr);
  } else {
    w->style &= ~WS_DISABLED;
  }
  SendMessageW(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
  const Window* w = FindWindowObject(hwnd);
  return w && !(w->style & WS_DISABLED);
}
