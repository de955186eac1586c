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
        return {GalleryCommand::Action::Refuse, "", "--png needs a folder"};
      }
      command.action = GalleryCommand::Action::Picture;
      command.pngDir = args[++i];
      continue;
    }
    return {GalleryCommand::Action::Refuse, "", "unknown argument '" + arg + "'"};
  }
  return command;
}

const char* GalleryUsage() {
  return "usage: gallery [--png DIR] [--help]\n"
         "Shows every Trellis control in every look.\n"
         "  (no option)  a window when a display can show one; otherwise the picture\n"
         "               gallery-out/gallery.png, saying why\n"
         "  --png DIR    only the picture, DIR/gallery.png (DIR is made when missing)\n"
         "  --help       this text\n"
         "Exit codes: 0 done, 1 the picture could not be written, 2 bad arguments.\n";
}
