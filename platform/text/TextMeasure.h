// Measuring runs of text: the sum of their whole-pixel advances, shared by every function that
// measures or places text, so that what is measured is what is drawn.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "platform/text/FontInstance.h"

namespace platform::text {

// One code point past Unicode, which no font has: every wchar_t value that is not a code point
// (negative or too large) becomes this one, so such text cannot fill the glyph cache.
inline constexpr char32_t kNotACodePoint = 0x110000;

// wchar_t holds one code point on Linux.
inline char32_t CodePoint(wchar_t c) {
  const auto value = static_cast<std::make_unsigned_t<wchar_t>>(c);
  return value < kNotACodePoint ? static_cast<char32_t>(value) : kNotACodePoint;
}

inline std::int64_t RunWidth(FontInstance& font, const wchar_t* text, std::size_t count) {
  std::int64_t width = 0;
  for (std::size_t i = 0; i < count; ++i) width += font.Advance(CodePoint(text[i]));
  return width;
}

}  // namespace platform::text
