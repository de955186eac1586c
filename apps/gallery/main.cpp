// The gallery: every control in every look. With a display it opens a window to use them in;
// without one (or with --png DIR) it writes a picture of them and says where.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "apps/gallery/Pages.h"
#include "apps/gallery/Photographer.h"

namespace {

constexpr int kWidth = 960;
constexpr int kHeight = 720;

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
  platform::headless::HeadlessScreen screen(kWidth + 40, kHeight + 40);
  CElementHostWnd window;
  window.CreateHost(L"Trellis gallery", CRect(20, 20, 20 + kWidth, 20 + kHeight));
  GalleryBoard board(window.Root(), kWidth);
  BuildAllPages(board);
  std::filesystem::create_directories(dir);
  const std::string path = (std::filesystem::path(dir) / "gallery.png").string();
  if (!PhotographBoard(screen, window, board, path)) {
    std::fprintf(stderr, "gallery: could not write %s\n", path.c_str());
    return 1;
  }
  std::printf("gallery: no display, so the gallery was drawn to %s\n", path.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = Parse(argc, argv);
  return RunPictures(options.pngDir.empty() ? "gallery-out" : options.pngDir);
}
