// A minimal Trellis host: one window with an edit box, a check box and a button.
//
//   minimal_host               opens the window on the screen, until it is closed
//   minimal_host --png FILE    draws the window headless, after a few clicks, into FILE
#include <cstdio>
#include <cstring>

#include "HostPanel.h"
#include "host/CElementHostWnd.h"
#include "platform/backend/headless/HeadlessScreen.h"
#include "platform/backend/sdl/SdlScreen.h"
#include "platform/image/Png.h"

namespace {

int RunWindow() {
  platform::sdl::SdlScreen screen;  // the real screen: one OS window of this size
  if (!screen.Open(L"Trellis minimal host", HostPanel::kWidth, HostPanel::kHeight)) {
    std::fprintf(stderr, "minimal_host: no window: %s\n", screen.Error().c_str());
    return 1;
  }
  CElementHostWnd window;
  window.CreateHost(L"Trellis minimal host", CRect(0, 0, HostPanel::kWidth, HostPanel::kHeight),
                    WS_POPUP | WS_VISIBLE);
  HostPanel panel;
  panel.Create(window.Root());
  return screen.Run();  // until the window is closed
}

int DrawPicture(const char* path) {
  platform::headless::HeadlessScreen screen(HostPanel::kWidth, HostPanel::kHeight);
  CElementHostWnd window;
  window.CreateHost(L"Trellis minimal host", CRect(0, 0, HostPanel::kWidth, HostPanel::kHeight),
                    WS_POPUP | WS_VISIBLE);
  HostPanel panel;
  panel.Create(window.Root());
  screen.Click(24, 89);   // the check box
  screen.Click(287, 52);  // the button
  screen.PumpUntilIdle();
  if (!platform::SavePng(screen.Composed(), path)) {
    std::fprintf(stderr, "minimal_host: cannot write %s\n", path);
    return 1;
  }
  std::printf("minimal_host: %ls\n", panel.Status().GetString());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--png") == 0) return DrawPicture(argv[2]);
  if (argc != 1) {
    std::fprintf(stderr, "usage: minimal_host [--png FILE]\n");
    return 2;
  }
  return RunWindow();
}
