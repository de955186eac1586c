// The gallery: every control in every look. With a display it opens a window to use them in;
// without one (or with --png DIR) it writes a picture of them and says where. The command line
// is in GalleryCommandLine.h.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "apps/gallery/GalleryCommandLine.h"
#include "apps/gallery/Photographer.h"
#ifdef TRELLIS_HAVE_SDL
#include "apps/gallery/GalleryWindow.h"
#include "platform/backend/sdl/SdlScreen.h"
#endif

namespace {

constexpr int kWidth = 960;
constexpr int kHeight = 800;
constexpr const char* kDefaultDir = "gallery-out";

// Draws the picture into `dir` (relative to the current folder); `why` opens the line that
// says where it went. Every failure is one line on stderr.
int RunPicture(const std::string& dir, const std::string& why) {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::absolute(dir, error);
  if (!error) std::filesystem::create_directories(folder, error);
  if (error) {
    std::fprintf(stderr, "gallery: cannot make the folder %s: %s\n", dir.c_str(),
                 error.message().c_str());
    return kGalleryExitWriteFailed;
  }
  const std::string path = (folder / "gallery.png").lexically_normal().string();
  if (!DrawGalleryPicture(kWidth, path)) {
    std::fprintf(stderr, "gallery: cannot write %s\n", path.c_str());
    return kGalleryExitWriteFailed;
  }
  std::printf("gallery: %sthe gallery was drawn to %s\n", why.c_str(), path.c_str());
  return 0;
}

#ifdef TRELLIS_HAVE_SDL
// Shows the gallery in a window until it is closed. Without a display that shows it, returns
// false with the reason.
bool RunWindow(const GalleryCommand& command, int& code, std::string& why) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
    why = "no display (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    return false;
  }
  platform::sdl::SdlScreen screen;
  if (!screen.Open(L"Trellis gallery", kWidth + GalleryWindow::kBarWidth, kHeight,
                   platform::sdl::kSdlResizable, command.scale)) {
    why = "no window (" + screen.Error() + ")";
    return false;
  }
  GalleryWindow gallery(kWidth);
  code = screen.Run();
  return true;
}
#endif

}  // namespace

int main(int argc, char** argv) {
  const GalleryCommand command =
      ParseGalleryCommand(std::vector<std::string>(argv + 1, argv + argc));
  switch (command.action) {
    case GalleryCommand::Action::Help:
      std::fputs(GalleryUsage(), stdout);
      return 0;
    case GalleryCommand::Action::Refuse:
      std::fprintf(stderr, "gallery: %s\n%s", command.error.c_str(), GalleryUsage());
      return kGalleryExitBadArguments;
    case GalleryCommand::Action::Picture: return RunPicture(command.pngDir, "");
    case GalleryCommand::Action::Window: break;
  }
  std::string why = "this gallery was built without its window library";
#ifdef TRELLIS_HAVE_SDL
  int code = 0;
  if (RunWindow(command, code, why)) return code;
#endif
  return RunPicture(kDefaultDir, why + ", so ");
}
