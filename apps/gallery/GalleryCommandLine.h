// The gallery's command line:
//
//   gallery              a window when a display can show one, else a picture in gallery-out/
//   gallery --png DIR    a picture, DIR/gallery.png; DIR is made when missing
//   gallery --scale F    the window at F window pixels a screen pixel (1 to 4; by default
//                        TRELLIS_SCALE, else the desktop's)
//   gallery --help       the usage
//
// Folders are taken relative to the folder the gallery was started in.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/window/DisplayScale.h"

struct GalleryCommand {
  enum class Action { Window, Picture, Help, Refuse };
  Action action = Action::Window;
  std::string pngDir;  // Picture: where the picture goes
  std::optional<platform::DisplayScale> scale;  // Window: the one asked for
  std::string error;   // Refuse: what was wrong, for one line before the usage
};

GalleryCommand ParseGalleryCommand(const std::vector<std::string>& args);

// The usage text, ending in a newline.
const char* GalleryUsage();

// The exit codes.
constexpr int kGalleryExitWriteFailed = 1;
constexpr int kGalleryExitBadArguments = 2;
