#include "platform/text/FontDescription.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string_view>

#include "platform/text/FaceNames.h"

namespace platform::text {

FontDescription FontDescription::FromLogFont(const LOGFONTW& lf) {
  FontDescription d;
  // lfFaceName need not be terminated when it fills the whole array.
  const WCHAR* face = lf.lfFaceName;
  d.family = FamilyForFaceName(std::wstring_view(face, std::find(face, face + LF_FACESIZE, 0)));
  // Both signs of lfHeight name the em height in pixels; llabs keeps INT_MIN defined.
  const long long height = std::llabs(static_cast<long long>(lf.lfHeight));
  d.pixelSize = height == 0 ? kDefaultPixelSize
                            : static_cast<int>(std::min<long long>(height, kMaxPixelSize));
  d.weight = lf.lfWeight <= FW_DONTCARE ? FW_NORMAL : std::min<LONG>(lf.lfWeight, 1000);
  d.italic = lf.lfItalic != 0;
  d.underline = lf.lfUnderline != 0;
  d.strikeOut = lf.lfStrikeOut != 0;
  return d;
}

std::size_t FontDescriptionHash::operator()(const FontDescription& d) const {
  std::size_t h = std::hash<std::string>()(d.family);
  const std::size_t bits = std::size_t(d.pixelSize) << 16 ^ std::size_t(d.weight) << 3 ^
                           std::size_t(d.italic) << 2 ^ std::size_t(d.underline) << 1 ^
                           std::size_t(d.strikeOut);
  return h ^ (bits + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2));
}

}  // namespace platform::text
