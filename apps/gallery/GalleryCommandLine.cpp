#include "apps/gallery/GalleryCommandLine.h"

GalleryCommand ParseGalleryCommand(const std::vector<std::string>& args) {
  GalleryCommand command;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      command.action = GalleryCommand::Action::Help;
      return command;
    }
    if (arg == "--png") {
      // An option after --png is a missing folder, not a folder named "--help".
      if (i + 1 == args.size() || args[i + 1].empty() || args[i + 1].starts_with("-")) {
        return {GalleryCommand::Action::Refuse, "", {}, "--png needs a folder"};
      }
      command.action = GalleryCommand::Action::Picture;
      command.pngDir = args[++i];
      continue;
    }
    if (arg == "--scale") {
      const auto scale = i + 1 < args.size() ? platform::DisplayScale::FromText(args[i + 1])
                                             : std::nullopt;
      if (!scale) {
        return {GalleryCommand::Action::Refuse, "", {}, "--scale needs a number from 1 to 4"};
      }
      command.scale = scale;
      ++i;
      continue;
    }
    return {GalleryCommand::Action::Refuse, "", {}, "unknown argument '" + arg + "'"};
  }
  return command;
}

const char* GalleryUsage() {
  return "usage: gallery [--png DIR] [--scale F] [--help]\n"
         "Shows every Trellis control in every look.\n"
         "  (no option)  a window when a display can show one; otherwise the picture\n"
         "               gallery-out/gallery.png, saying why\n"
         "  --png DIR    only the picture, DIR/gallery.png (DIR is made when missing)\n"
         "  --scale F    show the window F times as large, F from 1 to 4 (as 1.5); by default\n"
         "               the TRELLIS_SCALE environment variable, else the desktop's scale\n"
         "  --help       this text\n"
         "Exit codes: 0 done, 1 the picture could not be written, 2 bad arguments.\n";
}
