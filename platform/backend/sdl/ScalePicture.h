// Magnifies the composed screen for a window shown at a scale: whole factors repeat each pixel
// (text stays sharp), the others interpolate between the four nearest pixels (no uneven
// columns). Every window pixel gets a value; one past the magnified screen, as when the window
// is a few pixels wider than the screen it shows, repeats the screen's edge.
#pragma once

#include "platform/gdi/Surface.h"
#include "platform/window/DisplayScale.h"

namespace platform::sdl {

// `out` holds outWidth x outHeight pixels, rows packed; `in` is not empty.
void ScalePicture(const Surface& in, DisplayScale scale, Pixel* out, int outWidth,
                  int outHeight);

}  // namespace platform::sdl
