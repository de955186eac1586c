// GLib's default main context run from the window backend's own loop, on its thread: the
// accessibility bridge answers the accessibility bus through it. Waiting polls GLib's sources
// together with one more descriptor (the display's connection), so the program sleeps until
// either has something, as it would without the bridge.
#pragma once

namespace platform::atk {

class GlibLoop {
 public:
  GlibLoop();
  ~GlibLoop();
  GlibLoop(const GlibLoop&) = delete;
  GlibLoop& operator=(const GlibLoop&) = delete;

  // Runs every GLib source that is ready, without waiting; false when none was.
  bool DispatchReady();
  // Waits up to `timeoutMs` (-1: for ever) until a GLib source or `fd` (-1: none) is ready,
  // then runs the GLib sources that are. False when polling failed.
  bool Wait(int timeoutMs, int fd);

 private:
  bool m_owner = false;  // this loop acquired the context, so it releases it
};

}  // namespace platform::atk
