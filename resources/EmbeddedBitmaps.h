// The library's bitmap files as the build embedded them (EmbedBitmaps.cmake writes the table).
#pragma once

#include <cstddef>
#include <span>

#include "platform/win32/WinDef.h"

// Plain constants only, so the table is ready before any constructor of the library runs.
struct EmbeddedBitmap {
  WORD id;
  const unsigned char* dib;  // BITMAPINFOHEADER, colour table, rows
  std::size_t size;
};

std::span<const EmbeddedBitmap> EmbeddedBitmaps();
