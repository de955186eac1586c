#include "platform/window/InputRouter.h"

#include <cstdlib>
#include <utility>

#include "platform/window/WindowManager.h"

namespace platform {

namespace {

UINT ButtonKey(MouseButton b) {
  switch (b) {
    case MouseButton::Right: return VK_RBUTTON;
    case MouseButton::Middle: return VK_MBUTTON;
    default: return VK_LBUTTON;
  }
}

UINT ButtonDownMessage(MouseButton b) {
  switch (b) {
    case MouseButton::Right: return WM_RBUTTONDOWN;
    case MouseButton::Middle: return WM_MBUTTONDOWN;
    default: return WM_LBUTTONDOWN;
  }
}
// Each button's up and double-click messages follow its down message.
constexpr UINT kUpAfterDown = 1;
constexpr UINT kDoubleClickAfterDown = 2;

// Keys report their side-neutral code in messages and in GetKeyState.
UINT Neutral(UINT vk) {
  switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU: return VK_MENU;
    default: return vk;
  }
}

// A neutral modifier arriving from a backend counts as the left one.
UINT Sided(UINT vk) {
  switch (vk) {
    case VK_SHIFT: return VK_LSHIFT;
    case VK_CONTROL: return VK_LCONTROL;
    case VK_MENU: return VK_LMENU;
    default: return vk;
  }
}

bool Extended(UINT vk) {
  switch (vk) {
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME: case VK_LEFT: case VK_UP:
    case VK_RIGHT: case VK_DOWN: case VK_INSERT: case VK_DELETE: case VK_RCONTROL:
    case VK_RMENU: case VK_DIVIDE: case VK_NUMLOCK: return true;
    default: return false;
  }
}

// Repeat count 1; bit 24 extended key; bit 30 the key was down before; bit 31 released.
LPARAM KeyLParam(UINT vk, bool down, bool wasDown) {
  DWORD bits = 1;
  if (Extended(vk)) bits |= 1u << 24;
  if (wasDown) bits |= 1u << 30;
  if (!down) bits |= 1u << 31;
  return LPARAM(bits);
}

}  // namespace

SHORT InputRouter::StateOf(const KeyTable& keys, int vk) {
  if (vk < 0 || vk >= int(keys.size())) return 0;
  const BYTE k = keys[std::size_t(vk)];
  return SHORT(((k & 0x80) ? 0x8000 : 0) | (k & 0x01));
}

void InputRouter::Press(KeyTable& keys, UINT vk, bool down) {
  const auto set = [&keys](UINT key, bool isDown) {
    BYTE& k = keys[key & 0xFF];
    if (isDown && !(k & 0x80)) k ^= 0x01;  // a press, not a repeat, flips the toggle
    k = isDown ? BYTE(k | 0x80) : BYTE(k & ~0x80);
  };
  vk = Sided(vk);
  set(vk, down);
  const UINT neutral = Neutral(vk);
  if (neutral == vk) return;
  const UINT left = neutral == VK_SHIFT ? VK_LSHIFT : neutral == VK_CONTROL ? VK_LCONTROL : VK_LMENU;
  set(neutral, (keys[left] & 0x80) || (keys[left + 1] & 0x80));
}

void InputRouter::Push(RawInput input) {
  Desktop& desktop = Desktop::Current();
  input.time = DWORD(desktop.Now());
  switch (input.kind) {
    case RawInput::Kind::ButtonDown:
    case RawInput::Kind::ButtonUp:
      Press(m_asyncKeys, ButtonKey(input.button), input.kind == RawInput::Kind::ButtonDown);
      m_cursor = input.pt;
      break;
    case RawInput::Kind::MouseMove:
    case RawInput::Kind::Wheel: m_cursor = input.pt; break;
    case RawInput::Kind::KeyDown:
    case RawInput::Kind::KeyUp:
      Press(m_asyncKeys, input.vk, input.kind == RawInput::Kind::KeyDown);
      break;
    case RawInput::Kind::Char:
    case RawInput::Kind::ImeComposition:
    case RawInput::Kind::ImeResult:
    case RawInput::Kind::FocusLost:
    case RawInput::Kind::FocusGained: break;
  }
  m_raw.push_back(std::move(input));
}

std::optional<MSG> InputRouter::Take(HWND filter, UINT filterMin, UINT filterMax, bool remove) {
  for (;;) {
    for (auto it = m_routed.begin(); it != m_routed.end(); ++it) {
      if (filter && it->hwnd != filter) continue;
      if ((filterMin || filterMax) && (it->message < filterMin || it->message > filterMax)) continue;
      const MSG msg = *it;
      if (remove) m_routed.erase(it);
      return msg;
    }
    if (m_raw.empty()) return std::nullopt;
    const RawInput input = std::move(m_raw.front());
    m_raw.pop_front();
    Route(input);
  }
}

WPARAM InputRouter::MouseKeyFlags() const {
  WPARAM flags = 0;
  if (KeyState(VK_LBUTTON) < 0) flags |= MK_LBUTTON;
  if (KeyState(VK_RBUTTON) < 0) flags |= MK_RBUTTON;
  if (KeyState(VK_MBUTTON) < 0) flags |= MK_MBUTTON;
  if (KeyState(VK_SHIFT) < 0) flags |= MK_SHIFT;
  if (KeyState(VK_CONTROL) < 0) flags |= MK_CONTROL;
  return flags;
}

bool InputRouter::TrackLeave(HWND hwnd) {
  Window* w = FindWindowObject(hwnd);
  if (!w) return false;
  int code = HTNOWHERE;
  if (HitTest(m_cursor, &code) != w || code != HTCLIENT) {
    PostMessageW(hwnd, WM_MOUSELEAVE, 0, 0);
    if (m_leaveTracked == hwnd) m_leaveTracked = nullptr;
    return true;
  }
  m_leaveTracked = hwnd;
  return true;
}

bool InputRouter::CancelLeave(HWND hwnd) {
  if (m_leaveTracked == hwnd) m_leaveTracked = nullptr;
  return true;
}

void InputRouter::Forget(HWND hwnd) {
  if (m_leaveTracked == hwnd) m_leaveTracked = nullptr;
  // A pop-up closed while the desktop was away: the keyboard comes back to its owner.
  if (m_activeBeforeLoss == hwnd) {
    const Window* w = FindWindowObject(hwnd);
    m_activeBeforeLoss = w ? w->owner : nullptr;
  }
  if (m_lastClick && m_lastClick->hwnd == hwnd) m_lastClick.reset();
}

void InputRouter::Route(const RawInput& input) {
  switch (input.kind) {
    case RawInput::Kind::KeyDown:
    case RawInput::Kind::KeyUp:
    case RawInput::Kind::Char: RouteKey(input); break;
    // Sent at once, as the input method's own window does: the context holds one composition
    // or result, so it must be read before the next one is routed.
    case RawInput::Kind::ImeComposition:
      Desktop::Current().inputMethod.DeliverComposition(
          GetFocus(), {input.text, input.imeCaret, input.imeTargetStart, input.imeTargetLength});
      break;
    case RawInput::Kind::ImeResult:
      Desktop::Current().inputMethod.DeliverResult(GetFocus(), input.text);
      break;
    case RawInput::Kind::FocusLost: RouteActivation(false); break;
    case RawInput::Kind::FocusGained: RouteActivation(true); break;
    default: RoutePointer(input); break;
  }
}

void InputRouter::RouteActivation(bool gained) {
  if (!gained) {
    // Another application has the keyboard: nothing here is active, as when the platform
    // activates a window of another program.
    if (const HWND active = GetActiveWindow()) m_activeBeforeLoss = active;
    Activate(nullptr, WA_INACTIVE);
    return;
  }
  Window* back = FindWindowObject(m_activeBeforeLoss);
  m_activeBeforeLoss = nullptr;
  if (!GetActiveWindow() && back && Activatable(*back)) Activate(back, WA_ACTIVE);
}

void InputRouter::RouteKey(const RawInput& input) {
  if (input.kind == RawInput::Kind::Char) {
    if (const HWND focus = GetFocus()) Emit(focus, WM_CHAR, WPARAM(input.ch), 1, input);
    return;
  }
  const bool down = input.kind == RawInput::Kind::KeyDown;
  const bool wasDown = KeyState(int(Sided(input.vk))) < 0;
  Press(m_keys, input.vk, down);
  // Without a focus window the keyboard has no listener. A press during a composition belongs
  // to the input method; its window hears only that one happened.
  if (const HWND focus = GetFocus()) {
    const bool taken = down && Desktop::Current().inputMethod.ComposingIn(focus);
    Emit(focus, down ? WM_KEYDOWN : WM_KEYUP, taken ? VK_PROCESSKEY : Neutral(input.vk),
         KeyLParam(input.vk, down, wasDown), input);
  }
}

void InputRouter::RoutePointer(const RawInput& input) {
  using Kind = RawInput::Kind;
  if (input.kind == Kind::ButtonDown || input.kind == Kind::ButtonUp)
    Press(m_keys, ButtonKey(input.button), input.kind == Kind::ButtonDown);
  int code = HTNOWHERE;
  Window* hit = HitTest(input.pt, &code);
  const HWND hitHandle = hit ? hit->Handle() : nullptr;
  // The pointer leaves a window when it moves off its client area, and also when another window
  // takes the capture: the pointer's input then belongs to that window.
  const HWND capture = GetCapture();
  if (m_leaveTracked && (m_leaveTracked != hitHandle || code != HTCLIENT ||
                         (capture && capture != m_leaveTracked))) {
    Emit(m_leaveTracked, WM_MOUSELEAVE, 0, 0, input);
    m_leaveTracked = nullptr;
  }
  if (input.kind == Kind::Wheel) {
    HWND target = GetFocus();
    if (!target) target = GetActiveWindow();
    if (target)
      Emit(target, WM_MOUSEWHEEL, MAKEWPARAM(MouseKeyFlags(), input.wheelDelta),
           MAKELPARAM(input.pt.x, input.pt.y), input);
    return;
  }
  const UINT base = input.kind == Kind::MouseMove ? WM_MOUSEMOVE
                    : input.kind == Kind::ButtonUp ? ButtonDownMessage(input.button) + kUpAfterDown
                                                   : ButtonDownMessage(input.button);
  Window* target = FindWindowObject(GetCapture());
  if (target) {
    if (!AcceptsInput(*target)) return;
  } else {
    if (!hit) return;
    SendMessageW(hitHandle, WM_SETCURSOR, WPARAM(hitHandle), MAKELPARAM(code, base));
    if (input.kind == Kind::ButtonDown && (hit = FindWindowObject(hitHandle))) {
      Window& top = TopLevelOf(*hit);
      const HWND topHandle = top.Handle();
      if (Activatable(top) && GetActiveWindow() != topHandle) {
        const LRESULT how =
            SendMessageW(hitHandle, WM_MOUSEACTIVATE, WPARAM(topHandle), MAKELPARAM(code, base));
        if (how != MA_NOACTIVATE && how != MA_NOACTIVATEANDEAT && IsWindow(topHandle)) {
          SetWindowPos(topHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
          Activate(FindWindowObject(topHandle), WA_CLICKACTIVE);
        }
        if (how == MA_ACTIVATEANDEAT || how == MA_NOACTIVATEANDEAT) return;
      }
    }
    // The frame takes no client messages.
    target = FindWindowObject(hitHandle);
    if (!target || code != HTCLIENT) return;
  }
  const POINT origin = ClientOrigin(*target);
  const POINT client{input.pt.x - origin.x, input.pt.y - origin.y};
  const UINT message = input.kind == Kind::ButtonDown ? PressMessage(*target, input) : base;
  Emit(target->Handle(), message, MouseKeyFlags(), MAKELPARAM(client.x, client.y), input);
}

UINT InputRouter::PressMessage(const Window& target, const RawInput& input) {
  const UINT down = ButtonDownMessage(input.button);
  const bool wantsDoubleClicks = target.windowClass->style & CS_DBLCLKS;
  // The second press must land within a SM_CXDOUBLECLK x SM_CYDOUBLECLK box centred on the first.
  if (wantsDoubleClicks && m_lastClick && m_lastClick->hwnd == target.Handle() &&
      m_lastClick->button == input.button &&
      input.time - m_lastClick->time <= GetDoubleClickTime() &&
      std::abs(input.pt.x - m_lastClick->pt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
      std::abs(input.pt.y - m_lastClick->pt.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2) {
    // A third press starts over rather than making another double click.
    m_lastClick.reset();
    return down + kDoubleClickAfterDown;
  }
  m_lastClick = Click{target.Handle(), input.button, input.time, input.pt};
  return down;
}

void InputRouter::Emit(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, const RawInput& input) {
  m_routed.push_back({hwnd, message, wParam, lParam, input.time, input.pt});
}

}  // namespace platform

using namespace platform;

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT tme) {
  if (!tme || tme->cbSize != sizeof(TRACKMOUSEEVENT)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  InputRouter& input = Desktop::Current().input;
  if (tme->dwFlags & TME_QUERY) {
    tme->hwndTrack = input.LeaveTracked();
    tme->dwFlags = tme->hwndTrack ? TME_LEAVE : 0;
    tme->dwHoverTime = 0;
    return TRUE;
  }
  if ((tme->dwFlags & ~(TME_LEAVE | TME_CANCEL)) || !(tme->dwFlags & TME_LEAVE)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!RequireWindow(tme->hwndTrack)) return FALSE;
  return (tme->dwFlags & TME_CANCEL) ? input.CancelLeave(tme->hwndTrack)
                                     : input.TrackLeave(tme->hwndTrack);
}

BOOL GetCursorPos(LPPOINT out) {
  if (!out) return FALSE;
  *out = Desktop::Current().input.Cursor();
  return TRUE;
}
