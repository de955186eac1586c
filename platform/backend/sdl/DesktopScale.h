// The scale a window opens at when its program names none: the environment's TRELLIS_SCALE
// when set, else the desktop's font resolution (the X resource Xft.dpi, which desktops set for
// dense displays) over 96, else 1.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/window/DisplayScale.h"

namespace platform::sdl {

constexpr const char* kScaleVariable = "TRELLIS_SCALE";

// Call with SDL's video started. Null, with the reason in `error`, when TRELLIS_SCALE is set
// but is not a scale: a setting that was asked for is never ignored in silence.
std::optional<DisplayScale> DesktopScale(std::string& error);

// Xft.dpi from the text of an X server's resources (one "name:\tvalue" a line), if it is there
// and a positive number.
std::optional<double> XftDpiFromResources(std::string_view resources);

}  // namespace platform::sdl
