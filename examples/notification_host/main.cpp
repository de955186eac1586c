// A Trellis host of a tree, a drop list and a date picker, whose status line shows each
// notification they send.
//
//   notification_host               opens the window on the screen, until it is closed
//   notification_host --png FILE    draws the window headless, after a few picks, into FILE
#include <cstdio>
#include <cstring>

#include "NoticePanel.h"
#include "host/CElementHostWnd.h"
#include "platform/backend/headless/HeadlessScreen.h"
#include "platform/backend/sdl/SdlScreen.h"
#include "platform/image/Png.h"

namespace {

constexpr const wchar_t* kTitle = L"Trellis notification host";
const CRect kPlace(0, 0, NoticePanel::kWidth, NoticePanel::kHeight);

int RunWindow() {
  platform::sdl::SdlScreen screen;
  if (!screen.Open(kTitle, NoticePanel::kWidth, NoticePanel::kHeight)) {
    std::fprintf(stderr, "notification_host: no window: %s\n", screen.Error().c_str());
    return 1;
  }
  CElementHostWnd window;
  window.CreateHost(kTitle, kPlace, WS_POPUP | WS_VISIBLE);
  NoticePanel panel;
  panel.Create(window.Root());
  return screen.Run();
}

int DrawPicture(const char* path) {
  platform::headless::HeadlessScreen screen(NoticePanel::kWidth, NoticePanel::kHeight);
  CElementHostWnd window;
  window.CreateHost(kTitle, kPlace, WS_POPUP | WS_VISIBLE);
  NoticePanel panel;
  panel.Create(window.Root());
  screen.Click(455, 51);   // the date picker's drop button
  screen.Click(393, 187);  // the 26th in its calendar
  screen.Click(340, 89);   // the drop list's face
  screen.Click(300, 232);  // the eighth row of its pop-up
  screen.Click(22, 50);    // the tree's first expand button
  screen.Click(36, 90);    // the check box of its second child
  screen.PumpUntilIdle();
  if (!platform::SavePng(screen.Composed(), path)) {
    std::fprintf(stderr, "notification_host: cannot write %s\n", path);
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--png") == 0) return DrawPicture(argv[2]);
  if (argc != 1) {
    std::fprintf(stderr, "usage: notification_host [--png FILE]\n");
    return 2;
  }
  return RunWindow();
}
