// Prefix widths kept in step by measuring only what changed agree with measuring afresh.
#include <gtest/gtest.h>

#include <random>

#include "edit/EditPrefixWidths.h"
#include "tests/platform/text/TextTestSupport.h"

TEST(EditPrefixWidths, EditsMeasuredInPlaceMatchAFreshMeasure) {
  const trellis::test::Canvas measuring(1, 1);
  const trellis::test::SelectedFont font(measuring.dc(), {L"DejaVu Sans"});
  EditPrefixWidths kept;
  std::mt19937 rng(11);
  const std::wstring alphabet = L"aaiiWW  .中文&\t";
  // Long enough that the unchanged start and end span many of the blocks compared at once.
  std::wstring text;
  for (int k = 0; k < 500; ++k) text += alphabet[rng() % alphabet.size()];
  for (int step = 0; step < 400; ++step) {
    // Mostly a few characters, now and then a run longer than a block.
    const unsigned most = step % 8 == 0 ? 150 : 4;
    const std::size_t at = rng() % (text.size() + 1);
    const std::size_t erase = std::min<std::size_t>(rng() % most, text.size() - at);
    std::wstring insert;
    for (unsigned n = rng() % most; n > 0; --n) insert += alphabet[rng() % alphabet.size()];
    text.replace(at, erase, insert);
    kept.Update(measuring.dc(), text);

    EditPrefixWidths fresh;
    fresh.Update(measuring.dc(), text);
    ASSERT_EQ(kept.Text(), text);
    ASSERT_TRUE(std::equal(kept.Widths().begin(), kept.Widths().end(), fresh.Widths().begin(),
                           fresh.Widths().end()))
        << "after step " << step;
  }
  kept.Clear();
  EXPECT_EQ(kept.Widths().size(), 1u);
}
