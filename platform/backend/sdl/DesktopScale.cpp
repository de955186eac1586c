#include "platform/backend/sdl/DesktopScale.h"

#include <SDL.h>

#include <charconv>
#include <cmath>
#include <cstdlib>

#ifdef TRELLIS_HAVE_X11
#include <X11/Xlib.h>
#endif

namespace platform::sdl {

namespace {

std::string_view Trimmed(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The resources the X server holds for this user's programs, when SDL shows windows there.
std::string XResources() {
#ifdef TRELLIS_HAVE_X11
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver || std::string_view(driver) != "x11") return {};
  Display* display = XOpenDisplay(nullptr);
  if (!display) return {};
  const char* text = XResourceManagerString(display);
  std::string resources = text ? text : "";
  XCloseDisplay(display);
  return resources;
#else
  return {};
#endif
}

}  // namespace

std::optional<DisplayScale> DesktopScale(std::string& error) {
  if (const char* asked = std::getenv(kScaleVariable)) {
    if (const auto scale = DisplayScale::FromText(asked)) return scale;
    error = std::string(kScaleVariable) + "=\"" + asked + "\" is not a scale from 1 to 4";
    return std::nullopt;
  }
  if (const auto dpi = XftDpiFromResources(XResources())) return DisplayScale::FromDpi(*dpi);
  return DisplayScale();
}

std::optional<double> XftDpiFromResources(std::string_view resources) {
  constexpr std::string_view kName = "Xft.dpi:";
  std::optional<double> found;
  while (!resources.empty()) {
    const auto end = resources.find('\n');
    const std::string_view line = resources.substr(0, end);
    resources.remove_prefix(end == std::string_view::npos ? resources.size() : end + 1);
    if (!line.starts_with(kName)) continue;
    const std::string_view value = Trimmed(line.substr(kName.size()));
    double dpi = 0;
    const auto [stop, failed] = std::from_chars(value.data(), value.data() + value.size(), dpi);
    // As in the server's own database, the last line naming a resource wins.
    found.reset();
    if (failed == std::errc() && stop == value.data() + value.size() && std::isfinite(dpi) &&
        dpi > 0)
      found = dpi;
  }
  return found;
}

}  // namespace platform::sdl
