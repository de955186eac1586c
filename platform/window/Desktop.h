// The screen and everything the window manager keeps about it: the desktop window and its
// tree, the message queue, input, focus, activation, capture, timers, the clock, the device
// contexts handed out on windows, the clipboard, the input method, the accessibility events and
// objects in transit, and the composed picture.
//
// There is one current desktop. A backend makes a fresh one (Reset) with its screen size; code
// that runs before any backend gets a default 1280 x 800 desktop.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "platform/accessibility/ObjectTokens.h"
#include "platform/accessibility/WinEventHooks.h"
#include "platform/clipboard/Clipboard.h"
#include "platform/ime/InputMethod.h"
#include "platform/win32/WinTime.h"
#include "platform/window/InputRouter.h"
#include "platform/window/TimerTable.h"
#include "platform/window/Window.h"

namespace platform {

// What a backend with a real event source provides, so that GetMessageW can wait.
class EventSource {
 public:
  virtual ~EventSource() = default;
  // Blocks until input has been queued (InputRouter::Push) or the clock, which the backend
  // keeps moving (SetNow), has reached `wakeAt` when given. False when no more input can come.
  virtual bool WaitForInput(std::optional<ULONGLONG> wakeAt) = 0;
};

// A device context handed out on a window by GetDC, GetWindowDC or BeginPaint. Its drawing
// limits follow the window when windows move, and vanish when it is destroyed.
struct WindowDc {
  HDC hdc = nullptr;
  HWND hwnd = nullptr;
  bool wholeWindow = false;      // GetWindowDC: the frame too
  std::optional<RECT> paintArea;  // BeginPaint: client coordinates
};

class Desktop {
 public:
  static constexpr int kDefaultWidth = 1280;
  static constexpr int kDefaultHeight = 800;

  static Desktop& Current();
  // Destroys every window of the current desktop (with their messages) and starts a new one.
  static void Reset(int width, int height);
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  // The screen takes a new size (the backend's window was resized): the desktop window follows
  // and every top-level window is sent WM_DISPLAYCHANGE, as when a display changes mode. A size
  // a surface cannot have is ignored.
  void Resize(int width, int height);

  int Width() const { return m_root->rect.right; }
  int Height() const { return m_root->rect.bottom; }
  Window& Root() const { return *m_root; }
  HWND RootHandle() const { return m_root->Handle(); }

  ULONGLONG Now() const { return m_now; }
  // The clock only moves forward.
  void SetNow(ULONGLONG now) { m_now = std::max(m_now, now); }

  // The screen as the user sees it: the desktop, then each visible top-level window from the
  // bottom of the z-order up.
  const Surface& Compose();

  std::deque<MSG> posted;
  std::optional<int> quitCode;  // PostQuitMessage was called
  MSG lastMessage{};            // for GetMessagePos and GetMessageTime
  InputRouter input;
  TimerTable timers;
  HWND focus = nullptr;
  HWND active = nullptr;
  HWND capture = nullptr;
  HCURSOR cursor = nullptr;
  std::vector<WindowDc> dcs;
  Clipboard clipboard;
  InputMethod inputMethod;
  EventSource* events = nullptr;
  // The backend types printable characters itself, from a text-input service that knows the
  // keyboard layout, dead keys and input methods; TranslateMessage then makes only the control
  // characters (Enter, Tab, Backspace, Escape, Ctrl+letter), which no text input reports. A
  // backend whose text input is on only while the focus window takes input-method text says so
  // as it switches.
  bool backendTypesText = false;
  WinEventHooks winEvents;
  ObjectTokens accessibleObjects;  // LresultFromObject's, until redeemed
  // A local time that a test fixed, which GetLocalTime and _time64 report instead of the clock.
  std::optional<SYSTEMTIME> fixedLocalTime;

 private:
  Desktop(int width, int height);
  void DestroyAllWindows();
  // Sizes the desktop window and paints it its own colour; false when the size is not allowed.
  bool ShapeRoot(int width, int height);

  Window* m_root = nullptr;  // owned by the handle table
  ULONGLONG m_now = 0;
  Surface m_screen;
};

}  // namespace platform
