// Capture, keyboard focus and activation.
//
// Activation belongs to top-level windows that are not WS_CHILD (a WS_CHILD window on the
// desktop, such as a drop-down list, never takes it). Activating sends WM_ACTIVATE to the old
// and then the new window; DefWindowProc's WM_ACTIVATE moves the focus into the new one, and
// the focus change sends WM_KILLFOCUS and then WM_SETFOCUS. The desktop is one application:
// when nothing becomes active (another program took the keyboard), every top-level window hears
// WM_ACTIVATEAPP FALSE after the old window's WM_ACTIVATE, and TRUE before the next activation.
#include <vector>

#include "platform/window/WindowManager.h"

namespace platform {

bool Activatable(const Window& w) {
  return IsTopLevel(w) && !(w.style & WS_CHILD) && (w.style & WS_VISIBLE) &&
         !(w.style & WS_DISABLED);
}

namespace {

// Who becomes active when w goes: its owner if it can, else the highest ordinary window.
Window* NextToActivate(const Window& w) {
  Window* owner = FindWindowObject(w.owner);
  if (owner && owner != &w && Activatable(*owner)) return owner;
  for (Window* top : Desktop::Current().Root().children)
    if (top != &w && top->owner != w.Handle() && Activatable(*top) &&
        !(top->exStyle & WS_EX_TOOLWINDOW))
      return top;
  return nullptr;
}

void TellTopLevels(BOOL active) {
  std::vector<HWND> tops;
  for (const Window* top : Desktop::Current().Root().children) tops.push_back(top->Handle());
  for (const HWND top : tops)
    if (IsWindow(top)) SendMessageW(top, WM_ACTIVATEAPP, WPARAM(active), 0);
}

}  // namespace

void Activate(Window* w, WORD how) {
  Desktop& desktop = Desktop::Current();
  const HWND next = w ? w->Handle() : nullptr;
  const HWND old = IsWindow(desktop.active) ? desktop.active : nullptr;
  if (next == desktop.active) return;
  desktop.active = next;
  if (!old && next) TellTopLevels(TRUE);
  if (old) SendMessageW(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), LPARAM(next));
  if (old && !next && !desktop.active) TellTopLevels(FALSE);
  if (next && desktop.active == next && IsWindow(next))
    SendMessageW(next, WM_ACTIVATE, MAKEWPARAM(how, 0), LPARAM(old));
  // With nothing active, nothing keeps the keyboard.
  if (!desktop.active && desktop.focus) SetFocus(nullptr);
}

void LetGoOf(Window& w, bool destroying) {
  const HWND hwnd = w.Handle();
  Desktop& desktop = Desktop::Current();
  if (destroying && IsSelfOrAncestor(w, FindWindowObject(desktop.capture))) ReleaseCapture();
  Window* self = FindWindowObject(hwnd);
  if (self && IsSelfOrAncestor(*self, FindWindowObject(desktop.active)))
    Activate(NextToActivate(*self), WA_ACTIVE);
  self = FindWindowObject(hwnd);
  if (self && (destroying || IsTopLevel(*self)) &&
      IsSelfOrAncestor(*self, FindWindowObject(desktop.focus)))
    SetFocus(nullptr);
}

}  // namespace platform

using namespace platform;

HWND SetCapture(HWND hwnd) {
  Desktop& desktop = Desktop::Current();
  if (!RequireWindow(hwnd)) return nullptr;
  const HWND old = desktop.capture;
  if (old == hwnd) return old;
  desktop.capture = hwnd;
  if (IsWindow(old)) SendMessageW(old, WM_CAPTURECHANGED, 0, LPARAM(hwnd));
  return old;
}

BOOL ReleaseCapture() {
  Desktop& desktop = Desktop::Current();
  const HWND old = desktop.capture;
  desktop.capture = nullptr;
  if (IsWindow(old)) SendMessageW(old, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND GetCapture() {
  Desktop& desktop = Desktop::Current();
  if (!IsWindow(desktop.capture)) desktop.capture = nullptr;
  return desktop.capture;
}

HWND SetFocus(HWND hwnd) {
  Desktop& desktop = Desktop::Current();
  if (hwnd) {
    Window* w = RequireWindow(hwnd);
    if (!w || IsDesktop(*w) || !AcceptsInput(*w)) return nullptr;
    Window& top = TopLevelOf(*w);
    if (Activatable(top) && desktop.active != top.Handle()) Activate(&top, WA_ACTIVE);
    if (!IsWindow(hwnd)) return nullptr;
  }
  const HWND old = desktop.focus;
  if (old == hwnd) return old;
  // The focus has moved by the time the loser hears of it, as on Windows: a loser that closes
  // itself then (a pop-up that hides or destroys itself on a focus loss) no longer holds the
  // focus, so it cannot drop the gainer's focus on its way out.
  const HWND gainer = IsWindow(hwnd) ? hwnd : nullptr;
  desktop.focus = gainer;
  // A composition goes with the keyboard: what the loser was composing is dropped.
  desktop.inputMethod.CancelIn(old);
  if (desktop.focus != gainer) return old;
  if (IsWindow(old)) {
    SendMessageW(old, WM_KILLFOCUS, WPARAM(hwnd), 0);
    // The loser's handler moved the focus itself; that move stands.
    if (desktop.focus != gainer) return old;
  }
  if (gainer && IsWindow(gainer)) {
    NotifyWinEvent(EVENT_OBJECT_FOCUS, gainer, OBJID_CLIENT, CHILDID_SELF);
    SendMessageW(gainer, WM_SETFOCUS, WPARAM(IsWindow(old) ? old : nullptr), 0);
  }
  return IsWindow(old) ? old : nullptr;
}

HWND GetFocus() {
  Desktop& desktop = Desktop::Current();
  if (!IsWindow(desktop.focus)) desktop.focus = nullptr;
  return desktop.focus;
}

HWND SetActiveWindow(HWND hwnd) {
  Window* w = RequireWindow(hwnd);
  if (!w || IsDesktop(*w)) return nullptr;
  Window& top = TopLevelOf(*w);
  if (!Activatable(top)) return nullptr;
  const HWND old = GetActiveWindow();
  Activate(&top, WA_ACTIVE);
  return old;
}

HWND GetActiveWindow() {
  Desktop& desktop = Desktop::Current();
  if (!IsWindow(desktop.active)) desktop.active = nullptr;
  return desktop.active;
}
