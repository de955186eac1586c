#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <random>
#include <vector>

#include "host/FontCache.h"

TEST(FontCache, OneFontPerDescriptionAndEveryFieldCounts) {
  FontCache cache;
  LOGFONTW base{};
  base.lfHeight = -12;
  base.lfWeight = FW_NORMAL;
  std::wcscpy(base.lfFaceName, L"DejaVu Sans");
  CFont* font = cache.Get(base);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(cache.Get(base), font);
  // What follows the face name's terminator is no part of the description.
  LOGFONTW trailing = base;
  trailing.lfFaceName[LF_FACESIZE - 2] = L'x';
  EXPECT_EQ(cache.Get(trailing), font);

  const std::function<void(LOGFONTW&)> changes[] = {
      [](LOGFONTW& f) { f.lfHeight = 12; },          [](LOGFONTW& f) { f.lfWidth = 3; },
      [](LOGFONTW& f) { f.lfEscapement = 900; },     [](LOGFONTW& f) { f.lfOrientation = 900; },
      [](LOGFONTW& f) { f.lfWeight = FW_BOLD; },     [](LOGFONTW& f) { f.lfItalic = 1; },
      [](LOGFONTW& f) { f.lfUnderline = 1; },        [](LOGFONTW& f) { f.lfStrikeOut = 1; },
      [](LOGFONTW& f) { f.lfCharSet = 1; },          [](LOGFONTW& f) { f.lfOutPrecision = 1; },
      [](LOGFONTW& f) { f.lfClipPrecision = 1; },    [](LOGFONTW& f) { f.lfQuality = 1; },
      [](LOGFONTW& f) { f.lfPitchAndFamily = 1; },   [](LOGFONTW& f) { f.lfFaceName[0] = L'E'; },
      [](LOGFONTW& f) { std::wcscpy(f.lfFaceName, L"DejaVu Sans Mono"); },
  };
  std::vector<LOGFONTW> descriptions{base, trailing};
  for (const auto& change : changes) {
    LOGFONTW other = base;
    change(other);
    descriptions.push_back(other);
    CFont* made = cache.Get(other);
    ASSERT_NE(made, nullptr);
    EXPECT_NE(made, font);
    LOGFONTW back{};
    ASSERT_TRUE(made->GetLogFont(&back));
    EXPECT_EQ(back.lfHeight, other.lfHeight);
    EXPECT_EQ(back.lfWeight, other.lfWeight);
    EXPECT_STREQ(back.lfFaceName, other.lfFaceName);
  }
  EXPECT_EQ(cache.Size(), 1 + std::size(changes));

  // Asked again in any order, each description gets the font it got first, whatever was asked
  // just before it (the cache keeps the last answer).
  std::vector<CFont*> first;
  for (const LOGFONTW& description : descriptions) first.push_back(cache.Get(description));
  std::mt19937 rng(5);
  for (int step = 0; step < 500; ++step) {
    const std::size_t pick = rng() % descriptions.size();
    ASSERT_EQ(cache.Get(descriptions[pick]), first[pick]) << step;
  }
  EXPECT_EQ(first[1], font);
}
