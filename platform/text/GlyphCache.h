// The glyphs a font instance has looked up: which face draws each code point, its advance, and
// once drawn, its grey coverage. Entries never move, so callers may hold on to them while they
// draw a run. Code points below kDirectCount (Latin, with the Latin extensions) sit in a table
// indexed directly; the rest in a hash map, in front of which a small table remembers where
// the code points last looked up lie (a Chinese line asks for the same few hundred again and
// again, and the map's look-up divides).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>

namespace platform::text {

struct Glyph {
  bool resolved = false;  // face, index and advance are known
  bool rendered = false;  // coverage is known (possibly empty)
  std::uint8_t face = 0;  // slot in the font instance's face list
  std::uint32_t index = 0;
  int advance = 0;  // whole pixels, the only width the text engine knows
  int left = 0;     // coverage offset from the pen position on the baseline
  int top = 0;      // rows from the top of the coverage up to the baseline
  int width = 0;
  int height = 0;
  int stride = 0;  // bytes per coverage row: width rounded up to 4, padded with zero coverage
  std::unique_ptr<std::uint8_t[]> coverage;  // stride * height bytes, rows top-down
  std::unique_ptr<std::uint16_t[]> weights;  // the blender's, 4 per coverage byte (BlendWeights)
};

class GlyphCache {
 public:
  static constexpr char32_t kDirectCount = 0x250;

  // The entry of a code point, made empty on first use.
  Glyph& Entry(char32_t cp) {
    if (cp < kDirectCount) {
      if (!m_direct) m_direct = std::make_unique<Glyph[]>(kDirectCount);
      return m_direct[cp];
    }
    // Entries never move nor go, so a remembered one is the map's for good.
    Recent& recent = m_recent[cp % kRecentCount];
    if (recent.cp != cp) recent = {cp, &m_others[cp]};
    return *recent.glyph;
  }

 private:
  static constexpr std::size_t kRecentCount = 256;
  // A code point below kDirectCount marks an empty slot: those never reach the map.
  struct Recent {
    char32_t cp = 0;
    Glyph* glyph = nullptr;
  };

  std::unique_ptr<Glyph[]> m_direct;
  std::unordered_map<char32_t, Glyph> m_others;
  std::array<Recent, kRecentCount> m_recent{};
};

}  // namespace platform::text
