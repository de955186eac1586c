// What a font instance is made from: a LOGFONTW reduced to what changes the text. Fonts created
// from equal descriptions share one instance, and with it one glyph cache.
#pragma once

#include <cstddef>
#include <string>

#include "platform/win32/WinGdi.h"

namespace platform::text {

struct FontDescription {
  static constexpr int kDefaultPixelSize = 12;  // for lfHeight 0
  static constexpr int kMaxPixelSize = 1024;    // larger requests are drawn at this size

  std::string family;  // a pinned family (FaceNames.h)
  int pixelSize = kDefaultPixelSize;
  int weight = FW_NORMAL;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;

  bool operator==(const FontDescription&) const = default;
  static FontDescription FromLogFont(const LOGFONTW& lf);
};

struct FontDescriptionHash {
  std::size_t operator()(const FontDescription& d) const;
};

}  // namespace platform::text
