// Scrolling moves the rows that stay by copying their pixels and repaints only those that came
// in: after every step of a seeded random sequence of wheel turns, keys, scroll bar clicks and
// drags, hover moves and clicks, the tree must look exactly as a full repaint draws it.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/tree/TreeFixture.h"

namespace trellis::test {
namespace {

constexpr int kWidth = 220, kHeight = 160;
constexpr int kBarWidth = 9;

struct Variant {
  TREE_SHOW_STYLE style;
  COLORREF divideLine;
};

class TreeScrollCopy : public TreeFixture {
 protected:
  // Top-level items with children and boxes, all open, of heights that often stack up to the
  // tree's height exactly, so that a row coming in often starts right below the last one.
  void FillRandom(std::mt19937& random) {
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const auto height = [&] { return 16 + 4 * pick(5); };
    for (int t = 0; t < 300; ++t) {
      _TREE_ITEM top{.nHeight = height(), .eCheck = TREE_ITEM_CHECK(pick(4)),
                     .strText = (L"Top " + std::to_wstring(t)).c_str()};
      tree->InsertItem(top, nullptr);
      for (int c = pick(4); c > 0; --c) {
        _TREE_ITEM child{.nHeight = height(), .eCheck = TREE_ITEM_CHECK(pick(4)),
                         .strText = (L"Child " + std::to_wstring(c)).c_str()};
        tree->InsertItem(child, &top);
      }
    }
    tree->OpenAll();
    Pump();
  }

  // The tree as the sequence left it, and the same state painted whole: any difference names
  // its first pixel.
  void ExpectSameAsFullRepaint(const std::string& where) {
    Pump();
    const CRect all = tree->GetDrawRect();
    const std::vector<COLORREF> scrolled = Shown(*tree, all);
    tree->InvalidContainerRect(0, nullptr);
    Pump();
    const std::vector<COLORREF> full = Shown(*tree, all);
    ASSERT_EQ(scrolled.size(), full.size());
    for (std::size_t i = 0; i < full.size(); ++i)
      ASSERT_EQ(scrolled[i], full[i]) << where << ": first difference at (" << i % kWidth
                                      << ", " << i / kWidth << ")";
  }
};

TEST_F(TreeScrollCopy, ScrolledPixelsEqualAFullRepaintInBothStyles) {
  constexpr unsigned kSeed = 20261207;
  constexpr int kSteps = 300;
  const Variant variants[] = {{TREE_STYLE_LINE, TREE_CLR_UNSET},
                              {TREE_STYLE_FLAT, TREE_CLR_UNSET},
                              {TREE_STYLE_FLAT, RGB(200, 40, 40)},
                              {TREE_STYLE_LINE, RGB(40, 40, 200)}};
  std::mt19937 random(kSeed);
  const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  const UINT keys[] = {VK_DOWN, VK_UP, VK_NEXT, VK_PRIOR, VK_HOME, VK_END};
  for (const Variant& v : variants) {
    SCOPED_TRACE(testing::Message() << "style " << v.style << ", divider " << v.divideLine);
    Make(kWidth, kHeight, v.style);
    tree->SetDivideLineColor(v.divideLine);
    FillRandom(random);
    const int bar = kWidth - kBarWidth / 2 - 1;
    int partial = 0;  // scrolls that repainted less than the whole tree
    for (int step = 0; step < kSteps; ++step) {
      const int op = pick(8);
      const int firstBefore = tree->GetFirstShow();
      tree->painted = CRect();
      switch (op) {
        case 0:
        case 1:
          MoveTo(*tree, pick(kWidth), pick(kHeight));
          screen.MouseWheel(pick(2) ? WHEEL_DELTA : -WHEEL_DELTA);
          break;
        case 2: Key(keys[pick(6)]); break;
        case 3: Click(*tree, bar, pick(kHeight)); break;
        case 4:  // a drag on the bar, which moves the thumb when the press caught it
          Press(*tree, bar, pick(kHeight));
          for (int m = pick(4); m >= 0; --m) MoveTo(*tree, bar + pick(30) - 15, pick(kHeight));
          Release(*tree, bar, pick(kHeight));
          break;
        case 5: MoveTo(*tree, pick(kWidth), pick(kHeight)); break;
        case 6: Click(*tree, pick(kWidth - kBarWidth), pick(kHeight)); break;
        default: Advance(DWORD(pick(600))); break;
      }
      Pump();
      if (tree->GetFirstShow() != firstBefore && tree->painted.Height() < kHeight) ++partial;
      ExpectSameAsFullRepaint("seed " + std::to_string(kSeed) + ", step " +
                              std::to_string(step) + ", op " + std::to_string(op));
      Advance(1000);  // no double clicks across steps
      if (HasFailure()) return;
    }
    EXPECT_GT(partial, kSteps / 50) << "too few scrolls copied to tell";
  }
}

}  // namespace
}  // namespace trellis::test
