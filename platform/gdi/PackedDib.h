// A packed DIB is what an RT_BITMAP resource and the clipboard's CF_DIB hold: a
// BITMAPINFOHEADER (or a larger header that starts with one), its colour table, then the rows.
#pragma once

#include <cstddef>

#include "platform/gdi/Surface.h"

namespace platform {

// Decodes an uncompressed 1-, 4-, 8-, 24- or 32-bit DIB, bottom-up or top-down, into `out`.
// Returns false, leaving `out` alone, for anything malformed, truncated or too large; it never
// reads outside [data, data + size).
bool DecodePackedDib(const void* data, std::size_t size, Surface& out);

}  // namespace platform
