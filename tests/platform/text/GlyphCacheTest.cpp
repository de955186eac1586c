// The glyph entries of a font instance: a seeded run of look-ups, many of them sharing a slot
// of the table of recent ones, always finds the entry a code point got first.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "platform/text/GlyphCache.h"

namespace platform::text {
namespace {

TEST(GlyphCache, EveryLookUpFindsTheCodePointsOwnEntry) {
  GlyphCache cache;
  std::map<char32_t, Glyph*> first;
  std::mt19937 rng(7);
  for (int step = 0; step < 20000; ++step) {
    // Latin, CJK, and code points 256 apart, which meet in one slot of the recent table.
    const char32_t picks[] = {char32_t(rng() % 0x250), char32_t(0x4E00 + rng() % 600),
                              char32_t(0x10000 + 256 * (rng() % 8))};
    const char32_t cp = picks[rng() % 3];
    Glyph& glyph = cache.Entry(cp);
    const auto [it, made] = first.emplace(cp, &glyph);
    if (made) glyph.index = std::uint32_t(cp);
    ASSERT_EQ(&glyph, it->second) << std::hex << std::uint32_t(cp);
    ASSERT_EQ(glyph.index, std::uint32_t(cp));
  }
}

}  // namespace
}  // namespace platform::text
