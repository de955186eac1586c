// The gallery: every control in every look. With a display it opens a window to use them in;
// without one (or with --png DIR) it writes a picture of them and says where.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "apps/gallery/Pages.h"
#include "apps/gallery/Photographer.h"
#ifdef TRELLIS_HAVE_SDL
#include "platform/backend/sdl/SdlScreen.h"
#endif

namespace {

constexpr int kWidth = 960;
constexpr int kHeight = 800;

struct Options {
  std::string pngDir;
};

Options Parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--png" && i + 1 < argc) options.pngDir = argv[++i];
  }
  return options;
}

int RunPictures(const std::string& dir) {
  std::filesystem::create_directories(dir);
  const std::string path = (std::filesystem::path(dir) / "gallery.png").string();
  if (!DrawGalleryPicture(kWidth, path)) {
    std::fprintf(stderr, "gallery: could not write %s\n", path.c_str());
    return 1;
  }
  std::printf("gallery: no display, so the gallery was drawn to %s\n", path.c_str());
  return 0;
}

#ifdef TRELLIS_HAVE_SDL
// Opens the gallery in a window; returns -1 when there is no display to open it on.
int RunWindow() {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) return -1;
  platform::sdl::SdlScreen screen;
  if (!screen.Open(L"Trellis gallery", kWidth, kHeight)) {
    std::fprintf(stderr, "gallery: no window (%s)\n", screen.Error().c_str());
    return -1;
  }
  CElementHostWnd window;
  window.CreateHost(L"Trellis gallery", CRect(0, 0, kWidth, kHeight), WS_POPUP | WS_VISIBLE);
  GalleryBoard board(window.Root(), kWidth);
  BuildAllPages(board);
  return screen.Run();
}
#endif

}  // namespace

int main(int argc, char** argv) {
  const Options options = Parse(argc, argv);
#ifdef TRELLIS_HAVE_SDL
  if (options.pngDir.empty())
    if (const int code = RunWindow(); code >= 0) return code;
#endif
  return RunPictures(options.pngDir.empty() ? "gallery-out" : options.pngDir);
}
