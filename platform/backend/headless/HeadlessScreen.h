/// @class platform::headless::HeadlessScreen
/// The headless backend: a screen in memory, a clock that moves only when told, and input
/// injected at screen coordinates. Tests, tools and the gallery's image mode drive the platform
/// through this one class.
///
/// @code{.unparsed}
///  HeadlessScreen screen(800, 600);      // a fresh, empty desktop of that size
///  ... create windows ...
///  screen.PumpUntilIdle();               // paint and handle everything that is ready
///  screen.Click(40, 30);                 // queue a press and release at screen (40, 30)
///  screen.KeyPress(VK_DOWN);             // queue a key press and release
///  screen.TypeText(L"abc");              // queue characters for the focus window
///  screen.ImeComposition(L"zhong", 5);   // queue an input method's composition, caret at 5
///  screen.ImeResult(L"中文");            // queue text committed by an input method
///  screen.PumpUntilIdle();
///  screen.AdvanceTime(250);              // move the clock; due timers fire as it passes them
///  screen.FixLocalTime({2026, 12, 0, 15}); // "now" for GetLocalTime and _time64, until reset
///  COLORREF c = screen.PixelAt(40, 30);  // what the user would see there
/// @endcode
///
/// Injecting only queues input: nothing happens until the queue is pumped, and each event is
/// routed when the queue reaches it, so a press that takes the capture sends the following
/// release to the capturing window. Only one screen exists at a time; making one destroys the
/// windows of the previous desktop, and destroying it destroys its windows and leaves an empty
/// desktop of the default size.
#pragma once

#include <string_view>

#include "platform/gdi/Surface.h"
#include "platform/win32/WinTime.h"
#include "platform/window/RawInput.h"

namespace platform::headless {

class HeadlessScreen {
 public:
  /// A fresh desktop of that size; the windows of any earlier screen are destroyed.
  explicit HeadlessScreen(int width = 1280, int height = 800);
  /// Destroys the screen's windows and leaves an empty desktop of the default size.
  ~HeadlessScreen();
  HeadlessScreen(const HeadlessScreen&) = delete;
  HeadlessScreen& operator=(const HeadlessScreen&) = delete;

  ///@{
  /// The screen's size in pixels.
  int Width() const;
  int Height() const;
  ///@}
  /// The screen takes a new size, as when the user resizes the window showing it: every
  /// top-level window is sent WM_DISPLAYCHANGE. A size a surface cannot have is ignored.
  void Resize(int width, int height);

  // ---- pointer, at screen coordinates
  /// Queues a move of the pointer to (x, y).
  void MouseMove(int x, int y);
  ///@{
  /// Queues a press, a release, or a press and release of a button at (x, y). A press or
  /// release away from the pointer moves it there first.
  void MouseDown(int x, int y, MouseButton button = MouseButton::Left);
  void MouseUp(int x, int y, MouseButton button = MouseButton::Left);
  void Click(int x, int y, MouseButton button = MouseButton::Left);
  ///@}
  /// Wheel turns at the pointer; one notch is WHEEL_DELTA, positive away from the user.
  void MouseWheel(int delta);

  // ---- keyboard
  ///@{
  /// Queues a key going down, up, or down and up, for the focus window; the keyboard state
  /// (GetKeyState) follows, and TranslateMessage makes the characters of the keys that have
  /// them.
  void KeyDown(UINT vk);
  void KeyUp(UINT vk);
  void KeyPress(UINT vk);
  ///@}
  /// Characters as a text-input method delivers them: WM_CHAR to the focus window, no keys.
  void TypeText(std::wstring_view text);
  /// An input method's composition as it stands, with the caret and the clause being converted
  /// (characters of `text`): the focus window gets it through its input context (WinImm.h). An
  /// empty text ends the composition without a result.
  void ImeComposition(std::wstring_view text, int caret, int targetStart = 0,
                      int targetLength = 0);
  /// Text an input method committed: the focus window gets it through its input context, with
  /// WM_IME_COMPOSITION (GCS_RESULTSTR), and the composition ends.
  void ImeResult(std::wstring_view text);
  /// The window showing the screen loses the keyboard to another application, or gets it back.
  void KeyboardFocus(bool gained);

  // ---- time and messages
  /// The clock, in milliseconds (what GetTickCount64 answers).
  ULONGLONG Now() const;
  /// Moves the clock forward, stopping at each moment a timer falls due to pump the queue, so
  /// a 100 ms timer fires three times in AdvanceTime(300).
  void AdvanceTime(DWORD milliseconds);
  /// Handles everything ready now; false when WM_QUIT was posted (its code: QuitCode()).
  bool PumpUntilIdle();
  /// The code of the WM_QUIT posted, once PumpUntilIdle has answered false.
  int QuitCode() const;
  /// The local date and time GetLocalTime and _time64 report from now on, for tests whose
  /// result depends on today; without it they read the machine's clock.
  void FixLocalTime(const SYSTEMTIME& now);

  // ---- the picture
  /// The composed screen at (x, y); CLR_INVALID outside it.
  COLORREF PixelAt(int x, int y);
  /// The composed screen, valid until the next call that changes windows or pumps messages.
  const Surface& Composed();

 private:
  void Queue(RawInput input);
  void MoveIfElsewhere(int x, int y);
};

}  // namespace platform::headless
