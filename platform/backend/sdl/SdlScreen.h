/// @class platform::sdl::SdlScreen
/// The window backend: one OS window showing the screen, on the real clock, with the real
/// mouse, keyboard, text input and input methods, the system clipboard (as UTF-8) and system
/// cursors. The window shows the screen at a scale (DisplayScale.h): each screen pixel is
/// `scale` window pixels wide and high, and the pointer's window pixels map back to the screen
/// pixels they show, so programs and the platform's metrics stay at 96 DPI. The screen is the
/// window's client area over the scale; when the user resizes the window, the screen follows
/// and every top-level window receives WM_DISPLAYCHANGE with the new size.
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
/// WM_QUIT (code 0). SDL's text input is on only while the focus window has an open input
/// context (WinImm.h): then printable characters come from it (WM_CHAR), the system's input
/// method composes into the platform's compositions with its candidates below the caret the
/// window gave, and TranslateMessage adds only control characters; otherwise TranslateMessage
/// types the keys itself. Like HeadlessScreen, one screen exists at a
/// time: opening makes a fresh desktop, and destroying or closing it leaves an empty default one.
///
/// Link Trellis::window (CMake) or trellis-window (pkg-config); this header needs no SDL headers.
#pragma once

/// @file
/// The window backend and the flags its Open takes.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/window/DisplayScale.h"

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

  /// Opens a window showing a screen of width x height at `scale`; without one, at the scale
  /// the environment variable TRELLIS_SCALE names, else the desktop's (its X resource Xft.dpi
  /// over 96), else 1. False when SDL has no display that shows it, TRELLIS_SCALE is set but
  /// not a scale, or this screen is open already.
  bool Open(std::wstring_view title, int width, int height, unsigned flags = 0,
            std::optional<DisplayScale> scale = std::nullopt);
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

  /// The scale the open window shows the screen at (1 when it is not open).
  DisplayScale Scale() const;

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
