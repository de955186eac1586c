/// @class platform::sdl::SdlScreen
/// The window backend: one OS window showing the screen pixel for pixel, on the real clock,
/// with the real mouse, keyboard, text input and input methods, the system clipboard (as UTF-8)
/// and system cursors. The screen is exactly as big as the window's client area; when the user
/// resizes the window, the screen follows and every top-level window receives WM_DISPLAYCHANGE
/// with the new size.
///
/// @code{.unparsed}
///  SdlScreen screen;
///  if (!screen.Open(L"My host", 640, 480)) ... no display: screen.Error() says why
///  ... create windows ...
///  return screen.Run();            // until WM_QUIT or the window is closed
/// @endcode
///
/// Open refuses SDL's dummy and off-screen video drivers, which SDL falls back to when it cannot
/// reach a display: a program would run with no window and nobody to close it. Tests that mean
/// to run on them say so (kSdlAnyDriver).
///
/// The message loop is the platform's: Run pumps it, and GetMessageW (a CWinApp's loop, for
/// example) waits on the window's events and the next timer. The window shows a new frame only
/// when the composed screen changed, just before the loop waits. Closing the window posts
/// WM_QUIT (code 0). Text arrives as SDL types it: printable characters come from its text
/// input (WM_CHAR, or WM_IME_COMPOSITION when an input method composed them), and
/// TranslateMessage adds only control characters. Like HeadlessScreen, one screen exists at a
/// time: opening makes a fresh desktop, and destroying or closing it leaves an empty default one.
///
/// Link Trellis::window (CMake) or trellis-window (pkg-config); this header needs no SDL headers.
#pragma once

/// @file
/// The window backend and the flags its Open takes.

#include <memory>
#include <string>
#include <string_view>

struct SDL_Window;

namespace platform::sdl {

class SdlSession;

/// Open's flags.
constexpr unsigned kSdlResizable = 0x1;  ///< the user may resize the window
constexpr unsigned kSdlAnyDriver = 0x2;  ///< accept SDL's dummy and off-screen drivers (tests)

class SdlScreen {
 public:
  SdlScreen();
  ~SdlScreen();
  SdlScreen(const SdlScreen&) = delete;
  SdlScreen& operator=(const SdlScreen&) = delete;

  /// Opens the window; false when SDL has no display that shows it (or this screen is open
  /// already).
  bool Open(std::wstring_view title, int width, int height, unsigned flags = 0);
  /// Closes the window and leaves an empty default desktop; nothing when it is not open.
  void Close();
  /// Open succeeded and Close has not been called since.
  bool IsOpen() const { return m_session != nullptr; }
  /// Why the last Open failed.
  const std::string& Error() const { return m_error; }

  /// Runs the message loop until WM_QUIT or the window closes; returns the quit code.
  int Run();
  /// Takes the window's pending events, handles everything ready and shows the result, without
  /// waiting; false once WM_QUIT was posted.
  bool PumpUntilIdle();

  ///@{
  /// For tests and tools: the OS window, and how many frames it has been shown.
  SDL_Window* OsWindow() const;
  int FramesPresented() const;
  ///@}

 private:
  std::unique_ptr<SdlSession> m_session;
  std::string m_error;
};

}  // namespace platform::sdl
