// The open OS window behind SdlScreen: it feeds SDL's events to the platform, lets GetMessageW
// wait for them, shows the composed screen at the window's scale (mapping the pointer back),
// sets the pointer's shape, and trades clipboard text with the system as UTF-8.
#pragma once

#include <SDL.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/backend/sdl/SdlInput.h"
#include "platform/backend/sdl/SdlTextInput.h"
#ifdef TRELLIS_ATSPI
#include "platform/backend/atk/AtkBridge.h"
#endif
#include "platform/clipboard/SystemClipboard.h"
#include "platform/gdi/Surface.h"
#include "platform/window/Desktop.h"
#include "platform/window/DisplayScale.h"

namespace platform::sdl {

class SdlSession final : public EventSource, public SystemClipboard {
 public:
  // Starts SDL's video and opens a window showing a screen of that size at `scale` (the
  // desktop's when null; flags: kSdl* of SdlScreen.h); null, with the reason in `error`, when
  // there is no display, SDL chose a driver that shows nothing and the flags do not accept
  // that, the size is not allowed, or the environment names no scale it can use.
  static std::unique_ptr<SdlSession> Open(std::wstring_view title, int width, int height,
                                          unsigned flags, std::optional<DisplayScale> scale,
                                          std::string& error);
  ~SdlSession() override;
  SdlSession(const SdlSession&) = delete;
  SdlSession& operator=(const SdlSession&) = delete;

  SDL_Window* Window() const { return m_window; }
  // Window pixels per screen pixel; the input method's candidate area goes through ToWindow.
  DisplayScale Scale() const { return m_scale; }
  // The screen's size: the window's client size over the scale.
  int Width() const { return ScreenSize().cx; }
  int Height() const { return ScreenSize().cy; }

  // Queues every pending event, and answers the accessibility bus, without waiting.
  void TakeEvents();
  // Shows the composed screen when it differs from what the window shows, and the cursor.
  void Present();
  int FramesPresented() const { return m_framesPresented; }

  // EventSource: presents first, since the program has nothing more to draw before it waits.
  bool WaitForInput(std::optional<ULONGLONG> wakeAt) override;

#ifdef TRELLIS_ATSPI
  // Publishes the desktop's windows to assistive technology when it listens (AtkBridge.h);
  // the bridge goes before the windows it describes.
  void StartAccessibility();
  void StopAccessibility() { m_bridge.reset(); }
#endif

  // SystemClipboard
  std::wstring Text() override;
  void SetText(std::wstring_view text) override;

 private:
  SdlSession(SDL_Window* window, DisplayScale scale)
      : m_window(window), m_scale(scale), m_textInput(scale) {}
  SIZE ScreenSize() const;
  void Handle(const SDL_Event& event);
  // The pointer's window pixels in an event, as the screen pixels they show.
  SDL_Event ToScreen(const SDL_Event& event) const;
  // The window took a new client size: so does the screen.
  void FollowWindowSize();
  void ShowCursor();
#ifdef TRELLIS_ATSPI
  // WaitForInput while the bridge runs: sleeps on the display's connection and GLib's sources.
  bool WaitWithBridge(int timeoutMs);
  int DisplayConnection() const;
#endif

  SDL_Window* m_window = nullptr;
  DisplayScale m_scale;
  SdlInput m_input;
  SdlTextInput m_textInput;
  std::vector<Pixel> m_shown;   // the last screen put on the window
  std::vector<Pixel> m_scaled;  // that screen at the window's scale
  bool m_presentOwed = true;   // the window lost its picture (first show, exposure)
  bool m_closed = false;
  int m_framesPresented = 0;
  std::map<WORD, SDL_Cursor*> m_cursors;  // by IDC_ number, made on first use
  WORD m_cursorShown = 0;
#ifdef TRELLIS_ATSPI
  std::unique_ptr<atk::AtkBridge> m_bridge;
#endif
};

}  // namespace platform::sdl
