// Which of the pinned font families draws a face name that a program asks for.
#pragma once

#include <string>
#include <string_view>

namespace platform::text {

inline constexpr const char* kDefaultFamily = "DejaVu Sans";
inline constexpr const char* kChineseFamily = "WenQuanYi Micro Hei";

// The pinned family for a LOGFONT face name. Families we ship answer to their own names (in any
// letter case); a few monospaced and serif Windows names get the matching DejaVu family, and
// every other name, the Chinese Windows faces included, gets DejaVu Sans, whose missing
// characters fall back per glyph.
std::string FamilyForFaceName(std::wstring_view face);

}  // namespace platform::text
