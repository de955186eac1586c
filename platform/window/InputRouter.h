// Turns raw input into window messages. Raw input waits in arrival order and is routed only
// when the queue reaches it, so the capture, focus and key state that earlier messages set
// decide where it goes, as they do on the platform.
//
// Routing a pointer event: leave-tracking first (WM_MOUSELEAVE), then WM_SETCURSOR to the window
// under the pointer when nothing holds the capture, then mouse activation for a press on an
// inactive top-level window (WM_MOUSEACTIVATE), then the client message with a double-click
// check for classes with CS_DBLCLKS. Input-method compositions and results are sent to the focus
// window as they are routed (WinImm.h); a key pressed while it composes arrives as VK_PROCESSKEY.
#pragma once

#include <array>
#include <deque>
#include <optional>

#include "platform/window/RawInput.h"

namespace platform {

struct Window;

class InputRouter {
 public:
  // Queues input; the asynchronous key state and the cursor position follow at once.
  void Push(RawInput input);
  // The first routed message matching the filter, routing queued input as needed.
  std::optional<MSG> Take(HWND filter, UINT filterMin, UINT filterMax, bool remove);
  bool HasPending() const { return !m_raw.empty() || !m_routed.empty(); }

  SHORT KeyState(int vk) const { return StateOf(m_keys, vk); }
  SHORT AsyncKeyState(int vk) const { return StateOf(m_asyncKeys, vk); }
  POINT Cursor() const { return m_cursor; }
  // The MK_ flags of the buttons and modifier keys held now.
  WPARAM MouseKeyFlags() const;

  // TME_LEAVE bookkeeping; Track posts WM_MOUSELEAVE at once when the pointer is not inside.
  bool TrackLeave(HWND hwnd);
  bool CancelLeave(HWND hwnd);
  HWND LeaveTracked() const { return m_leaveTracked; }
  // A destroyed window leaves no tracking or double-click memory behind; one to activate again
  // when the desktop regains the keyboard hands that over to its owner.
  void Forget(HWND hwnd);

 private:
  using KeyTable = std::array<BYTE, 256>;
  static SHORT StateOf(const KeyTable& keys, int vk);
  static void Press(KeyTable& keys, UINT vk, bool down);

  void Route(const RawInput& input);
  void RoutePointer(const RawInput& input);
  void RouteKey(const RawInput& input);
  // The OS window losing the input focus deactivates the desktop; regaining it activates again
  // the window that was active.
  void RouteActivation(bool gained);
  void Emit(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, const RawInput& input);
  // The message of a press: its double-click form when it completes one.
  UINT PressMessage(const Window& target, const RawInput& input);

  std::deque<RawInput> m_raw;
  std::deque<MSG> m_routed;
  KeyTable m_keys{};
  KeyTable m_asyncKeys{};
  POINT m_cursor{0, 0};
  HWND m_leaveTracked = nullptr;
  HWND m_activeBeforeLoss = nullptr;
  struct Click {
    HWND hwnd = nullptr;
    MouseButton button = MouseButton::Left;
    DWORD time = 0;
    POINT pt{0, 0};
  };
  std::optional<Click> m_lastClick;
};

}  // namespace platform
