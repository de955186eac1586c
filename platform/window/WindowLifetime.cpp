// Creating and destroying windows.
#include <algorithm>

#include "platform/gdi/DeviceContext.h"
#include "platform/window/CreationHook.h"
#include "platform/window/WindowManager.h"

namespace platform {

namespace {

struct PendingHook {
  CreationHook hook = nullptr;
  void* context = nullptr;
};
PendingHook g_creationHook;

void RunCreationHook(HWND hwnd) {
  const PendingHook pending = g_creationHook;
  g_creationHook = {};
  if (pending.hook) pending.hook(hwnd, pending.context);
}

LONG ClampSize(int v) { return std::clamp(v, 0, Surface::kMaxSide); }

// WM_DESTROY goes to a window before its children.
void SendDestroy(HWND hwnd) {
  Window* w = FindWindowObject(hwnd);
  if (!w) return;
  w->destroying = true;
  SendMessageW(hwnd, WM_DESTROY, 0, 0);
  w = FindWindowObject(hwnd);
  if (!w) return;
  std::vector<HWND> children;
  for (Window* c : w->children) children.push_back(c->Handle());
  for (HWND c : children) SendDestroy(c);
}

// WM_NCDESTROY goes to the children first; then the window's handle dies.
void SendNcDestroyAndFree(HWND hwnd) {
  Window* w = FindWindowObject(hwnd);
  if (!w) return;
  std::vector<HWND> children;
  for (Window* c : w->children) children.push_back(c->Handle());
  for (HWND c : children) SendNcDestroyAndFree(c);
  SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
  w = FindWindowObject(hwnd);
  if (!w) return;
  Desktop& desktop = Desktop::Current();
  desktop.timers.KillAllOf(hwnd);
  desktop.input.Forget(hwnd);
  std::erase(w->parent->children, w);
  --w->windowClass->liveWindows;
  Handles().Erase(hwnd);
}

}  // namespace

void SetCreationHook(CreationHook hook, void* context) { g_creationHook = {hook, context}; }

}  // namespace platform

using namespace platform;

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
  Desktop& desktop = Desktop::Current();
  WindowClass* windowClass = Classes().Find(className);
  if (!windowClass) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  Window* parentWindow = &desktop.Root();
  HWND owner = nullptr;
  if (style & WS_CHILD) {
    if (!parent) {
      SetLastError(ERROR_TLW_WITH_WSCHILD);
      return nullptr;
    }
    parentWindow = RequireWindow(parent);
    if (!parentWindow) return nullptr;
  } else if (parent) {
    Window* ownerWindow = RequireWindow(parent);
    if (!ownerWindow) return nullptr;
    // Only top-level windows own others; the platform climbs to one.
    if (!IsDesktop(*ownerWindow)) owner = TopLevelOf(*ownerWindow).Handle();
  }
  if (parentWindow->destroying) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  if (x == CW_USEDEFAULT) x = y = 0;
  if (width == CW_USEDEFAULT) width = height = 0;

  auto object = std::make_unique<Window>();
  Window* w = object.get();
  w->windowClass = windowClass;
  w->proc = windowClass->proc;
  w->style = style & ~WS_VISIBLE;  // shown below, once created
  w->exStyle = exStyle;
  w->instance = instance;
  w->id = (style & WS_CHILD) ? reinterpret_cast<LONG_PTR>(menu) : 0;
  w->extraBytes.resize(static_cast<std::size_t>(windowClass->windowExtraBytes));
  w->owner = owner;
  w->parent = parentWindow;
  const LONG left = ClampCoord(x), top = ClampCoord(y);
  w->rect = {left, top, left + ClampSize(width), top + ClampSize(height)};
  const HWND hwnd = Register<Window, HWND>(std::move(object));
  ++windowClass->liveWindows;
  // Children join at the bottom, so the first created stays on top, as on the platform;
  // top-level windows go on top of their band.
  parentWindow->children.push_back(w);
  if (IsTopLevel(*w)) {
    PlaceInZOrder(*w, HWND_TOP);
    ResizeBacking(*w);
  }

  RunCreationHook(hwnd);
  CREATESTRUCTW cs{param,      instance,  menu,      parent,    height, width, y, x,
                   LONG(style), windowName, className, exStyle};
  if (!SendMessageW(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) ||
      SendMessageW(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  w = FindWindowObject(hwnd);
  if (!w) return nullptr;
  NotifyWinEvent(EVENT_OBJECT_CREATE, hwnd, OBJID_WINDOW, CHILDID_SELF);
  const RECT client = ClientRectOf(*w);
  SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
  if ((w = FindWindowObject(hwnd))) {
    const POINT origin{w->rect.left + FrameWidth(*w), w->rect.top + FrameWidth(*w)};
    SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
  }
  if (!IsWindow(hwnd)) return nullptr;
  if (style & WS_VISIBLE) ShowWindow(hwnd, SW_SHOW);
  return IsWindow(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
  Window* w = RequireWindow(hwnd);
  if (!w || IsDesktop(*w) || w->destroying) return FALSE;
  w->destroying = true;
  Desktop& desktop = Desktop::Current();
  std::vector<HWND> owned;
  for (Window* top : desktop.Root().children)
    if (top->owner == hwnd) owned.push_back(top->Handle());
  for (HWND o : owned) DestroyWindow(o);

  if ((w = FindWindowObject(hwnd)) && (w->style & WS_VISIBLE)) {
    w->style &= ~WS_VISIBLE;
    if (!IsTopLevel(*w)) InvalidateUncovered(*w->parent, w->rect);
  }
  if ((w = FindWindowObject(hwnd))) LetGoOf(*w, true);
  NotifyWinEvent(EVENT_OBJECT_DESTROY, hwnd, OBJID_WINDOW, CHILDID_SELF);
  SendDestroy(hwnd);
  SendNcDestroyAndFree(hwnd);
  RefreshWindowDcs();
  return TRUE;
}

BOOL IsWindow(HWND hwnd) { return FindWindowObject(hwnd) != nullptr; }
