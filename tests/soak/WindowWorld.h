// The real-window soak's world: the live gallery in an SDL window on an X server, played by a
// second X client through XTest (moves, clicks, drags off the window and back, the wheel, keys,
// typed text, the focus taken by another window, resizes). After each event it asks the
// program for an answer through the server; between batches it settles and checks that the
// window is still mapped and shows the composed screen, that the pointer is where it was put,
// and the gallery's invariants (no pop-up left open, no capture).
//
// Events are made from the seed and their index, but what they meet depends on real time (the
// gallery's timers run on the clock), so a run is bounded and seeded, not exactly replayable.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "apps/gallery/GalleryWindow.h"
#include "platform/backend/sdl/SdlScreen.h"
#include "tests/soak/XTestDriver.h"

namespace soak {

enum class WindowKind {
  Move, Click, DoubleClick, RightClick, Press, Release, Drag, Wheel, Key, Text, Focus, Resize,
};

struct WindowEvent {
  WindowKind kind = WindowKind::Move;
  uint32_t a = 0, b = 0, c = 0, d = 0;
};

WindowEvent WindowEventAt(uint64_t seed, uint64_t index);
const char* WindowKindName(WindowKind kind);

class WindowWorld {
 public:
  // Opens the gallery on a screen of width x height at `scale`, and the driver; null, with
  // the reason, when either cannot start.
  static std::unique_ptr<WindowWorld> Open(int width, int height, platform::DisplayScale scale,
                                           std::string& error);
  ~WindowWorld();

  // Plays the event, then waits for the program's answer; the fault when it gave none.
  std::optional<std::string> Apply(const WindowEvent& e);
  // Ends whatever was going on: the focus back, everything released, Escape, a click on an
  // empty spot; then the checks that need it.
  std::optional<std::string> SettleAndCheck();
  std::optional<std::string> Check() { return CheckGallery(false); }

 private:
  WindowWorld() = default;
  std::optional<std::string> CheckGallery(bool settled);
  // Waits until the program took everything sent so far.
  std::optional<std::string> RoundTrip();
  // Puts the pointer on the first window pixel that shows a point of the screen.
  void MoveTo(POINT screen);
  POINT Aim(uint32_t how, uint32_t u, uint32_t v);
  void Click(unsigned button);
  std::optional<std::string> Drag(const WindowEvent& e);
  std::optional<std::string> CheckPicture();

  platform::sdl::SdlScreen m_screen;
  std::unique_ptr<GalleryWindow> m_gallery;
  std::unique_ptr<XTestDriver> m_driver;
  XTestDriver::Place m_place;  // the window's, as of the last round trip
  long m_serial = 0;
};

}  // namespace soak
