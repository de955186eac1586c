// The window tree, hit-testing, geometry and window data.
#include <algorithm>

#include "platform/gdi/DeviceContext.h"
#include "platform/window/WindowManager.h"

namespace platform {

namespace {

bool Contains(const RECT& r, POINT p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

RECT ClientScreenRect(const Window& w) {
  const POINT o = ClientOrigin(w);
  const RECT c = ClientRectOf(w);
  return {o.x, o.y, o.x + c.right, o.y + c.bottom};
}

}  // namespace

Window* HitTest(POINT pt, int* hitCode) {
  *hitCode = HTNOWHERE;
  Window* found = nullptr;
  for (Window* top : Desktop::Current().Root().children) {
    if ((top->style & WS_VISIBLE) && Contains(ScreenRectOf(*top), pt)) {
      found = top;
      break;
    }
  }
  // A disabled top-level window swallows the pointer; nothing under it gets it either.
  if (!found || (found->style & WS_DISABLED)) return nullptr;
  for (bool descended = true; descended;) {
    descended = false;
    if (!Contains(ClientScreenRect(*found), pt)) break;
    for (Window* child : found->children) {
      if (!(child->style & WS_VISIBLE) || !Contains(ScreenRectOf(*child), pt)) continue;
      // A disabled child leaves the pointer to its parent.
      if (!(child->style & WS_DISABLED)) {
        found = child;
        descended = true;
      }
      break;
    }
  }
  *hitCode = Contains(ClientScreenRect(*found), pt) ? HTCLIENT : HTBORDER;
  return found;
}

}  // namespace platform

using namespace platform;

HWND GetDesktopWindow() { return Desktop::Current().RootHandle(); }

HWND GetParent(HWND hwnd) {
  const Window* w = RequireWindow(hwnd);
  if (!w || IsDesktop(*w)) return nullptr;
  if (w->style & WS_CHILD) return w->parent->Handle();
  return (w->style & WS_POPUP) ? w->owner : nullptr;
}

BOOL IsChild(HWND parent, HWND hwnd) {
  const Window* p = FindWindowObject(parent);
  const Window* w = FindWindowObject(hwnd);
  return p && w && w != p && IsSelfOrAncestor(*p, w) && !IsDesktop(*p);
}

HWND WindowFromPoint(POINT pt) {
  int code = HTNOWHERE;
  if (Window* w = HitTest(pt, &code)) return w->Handle();
  Desktop& desktop = Desktop::Current();
  return Contains(desktop.Root().rect, pt) ? desktop.RootHandle() : nullptr;
}

BOOL GetWindowRect(HWND hwnd, LPRECT out) {
  const Window* w = RequireWindow(hwnd);
  if (!w || !out) return FALSE;
  *out = ScreenRectOf(*w);
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT out) {
  const Window* w = RequireWindow(hwnd);
  if (!w || !out) return FALSE;
  *out = ClientRectOf(*w);
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT pt) {
  const Window* w = RequireWindow(hwnd);
  if (!w || !pt) return FALSE;
  const POINT o = ClientOrigin(*w);
  *pt = {ClampCoord(std::int64_t(pt->x) + o.x), ClampCoord(std::int64_t(pt->y) + o.y)};
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT pt) {
  const Window* w = RequireWindow(hwnd);
  if (!w || !pt) return FALSE;
  const POINT o = ClientOrigin(*w);
  *pt = {ClampCoord(std::int64_t(pt->x) - o.x), ClampCoord(std::int64_t(pt->y) - o.y)};
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
  POINT fromOrigin{0, 0}, toOrigin{0, 0};
  if (from) {
    const Window* w = RequireWindow(from);
    if (!w) return 0;
    fromOrigin = ClientOrigin(*w);
  }
  if (to) {
    const Window* w = RequireWindow(to);
    if (!w) return 0;
    toOrigin = ClientOrigin(*w);
  }
  if (!points && count) return 0;
  const LONG dx = fromOrigin.x - toOrigin.x, dy = fromOrigin.y - toOrigin.y;
  for (UINT i = 0; i < count; ++i)
    points[i] = {ClampCoord(std::int64_t(points[i].x) + dx),
                 ClampCoord(std::int64_t(points[i].y) + dy)};
  return MAKELONG(WORD(dx), WORD(dy));
}

// ---- window data

namespace {

bool ExtraRange(const Window& w, int index, std::size_t size) {
  return index >= 0 && std::size_t(index) + size <= w.extraBytes.size();
}

LONG_PTR ReadField(const Window& w, int index, std::size_t size) {
  switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w.proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w.instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w.owner);
    case GWLP_ID: return w.id;
    case GWL_STYLE: return LONG_PTR(LONG(w.style));
    case GWL_EXSTYLE: return LONG_PTR(LONG(w.exStyle));
    case GWLP_USERDATA: return w.userData;
    default: break;
  }
  if (!ExtraRange(w, index, size)) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  if (size == sizeof(LONG)) {
    LONG v;
    std::copy_n(w.extraBytes.data() + index, sizeof v, reinterpret_cast<BYTE*>(&v));
    return v;
  }
  LONG_PTR v;
  std::copy_n(w.extraBytes.data() + index, sizeof v, reinterpret_cast<BYTE*>(&v));
  return v;
}

LONG_PTR WriteField(Window& w, int index, LONG_PTR value, std::size_t size) {
  const LONG_PTR old = ReadField(w, index, size);
  switch (index) {
    case GWLP_WNDPROC: w.proc = reinterpret_cast<WNDPROC>(value); return old;
    case GWLP_HINSTANCE: w.instance = reinterpret_cast<HINSTANCE>(value); return old;
    case GWLP_HWNDPARENT: {
      if (!IsTopLevel(w)) break;
      Window* owner = FindWindowObject(reinterpret_cast<HWND>(value));
      w.owner = owner && !IsDesktop(*owner) ? TopLevelOf(*owner).Handle() : nullptr;
      return old;
    }
    case GWLP_ID: w.id = value; return old;
    // Topmost is a place in the z-order; only SetWindowPos changes it.
    case GWL_STYLE: w.style = DWORD(value); return old;
    case GWL_EXSTYLE:
      w.exStyle = (DWORD(value) & ~WS_EX_TOPMOST) | (w.exStyle & WS_EX_TOPMOST);
      return old;
    case GWLP_USERDATA: w.userData = value; return old;
    default:
      if (!ExtraRange(w, index, size)) return 0;
      if (size == sizeof(LONG)) {
        const LONG v = LONG(value);
        std::copy_n(reinterpret_cast<const BYTE*>(&v), sizeof v, w.extraBytes.data() + index);
      } else {
        std::copy_n(reinterpret_cast<const BYTE*>(&value), sizeof value, w.extraBytes.data() + index);
      }
      return old;
  }
  SetLastError(ERROR_INVALID_INDEX);
  return 0;
}

bool PointerSized(int index) {
  return index == GWLP_WNDPROC || index == GWLP_HINSTANCE || index == GWLP_HWNDPARENT;
}

}  // namespace

LONG GetWindowLongW(HWND hwnd, int index) {
  const Window* w = RequireWindow(hwnd);
  if (!w) return 0;
  if (PointerSized(index)) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  return LONG(ReadField(*w, index, sizeof(LONG)));
}

LONG SetWindowLongW(HWND hwnd, int index, LONG value) {
  Window* w = RequireWindow(hwnd);
  if (!w) return 0;
  if (PointerSized(index)) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  return LONG(WriteField(*w, index, value, sizeof(LONG)));
}

LONG_PTR GetWindowLongPtrW(HWND hwnd, int index) {
  const Window* w = RequireWindow(hwnd);
  return w ? ReadField(*w, index, sizeof(LONG_PTR)) : 0;
}

LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value) {
  Window* w = RequireWindow(hwnd);
  return w ? WriteField(*w, index, value, sizeof(LONG_PTR)) : 0;
}

int GetDlgCtrlID(HWND hwnd) {
  const Window* w = RequireWindow(hwnd);
  return w && (w->style & WS_CHILD) ? int(w->id) : 0;
}

BOOL SetWindowTextW(HWND hwnd, LPCWSTR text) {
  if (!RequireWindow(hwnd)) return FALSE;
  return SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

int GetWindowTextW(HWND hwnd, LPWSTR out, int capacity) {
  if (!RequireWindow(hwnd) || !out || capacity <= 0) return 0;
  return int(SendMessageW(hwnd, WM_GETTEXT, WPARAM(capacity), reinterpret_cast<LPARAM>(out)));
}

int GetWindowTextLengthW(HWND hwnd) {
  if (!RequireWindow(hwnd)) return 0;
  return int(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

// ---- metrics

int GetSystemMetrics(int index) {
  Desktop& desktop = Desktop::Current();
  switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN: return desktop.Width();
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN: return desktop.Height();
    case SM_XVIRTUALSCREEN:
    case SM_YVIRTUALSCREEN:
    case SM_SWAPBUTTON: return 0;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL: return 17;
    case SM_CXBORDER:
    case SM_CYBORDER:
    case SM_MOUSEPRESENT:
    case SM_CMONITORS: return 1;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG: return 4;
    case SM_CMOUSEBUTTONS: return 3;
    default: return 0;
  }
}
