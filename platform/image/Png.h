// PNG files of 32-bit surfaces and bitmaps: golden images, screenshots and picture files.
//
// Files are written as opaque 8-bit RGB. Any PNG that libpng reads loads (palette, grey,
// 16-bit, interlaced); an alpha channel is dropped, as surfaces hold no alpha. Corrupt and
// truncated files, and images larger than a surface may be, are refused.
#pragma once

#include <filesystem>

#include "platform/gdi/Surface.h"

namespace platform {

// Writes the whole surface; false (and no file left behind) when it is empty or writing fails.
// An existing file is replaced only once the new one is complete.
bool SavePng(const Surface& surface, const std::filesystem::path& path);
// Reads a file into `out`; false, leaving `out` alone, when the file cannot be read or decoded.
bool LoadPng(const std::filesystem::path& path, Surface& out);

// The same for GDI bitmaps. A bitmap may be saved while it is selected into a DC.
bool SaveBitmapPng(HBITMAP bitmap, const std::filesystem::path& path);
// A new bitmap with the file's pixels, or NULL; the caller deletes it with DeleteObject.
HBITMAP LoadBitmapPng(const std::filesystem::path& path);

}  // namespace platform
