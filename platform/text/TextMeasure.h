// Measuring runs of text: the sum of their whole-pixel advances, shared by every function that
// measures or places text, so that what is measured is what is drawn.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "platform/text/FontInstance.h"

namespace platform::text {

// wchar_t holds one code point on Linux; negative values become code points no font has.
inline char32_t CodePoint(wchar_t c) {
  return static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(c));
}

inline std::int64_t RunWidth(FontInstance& font, const wchar_t* text, std::size_t count) {
  std::int64_t width = 0;
  for (std::size_t i = 0; i < count; ++i) width += font.Advance(CodePoint(text[i]));
  return width;
}

}  // namespace platform::text
