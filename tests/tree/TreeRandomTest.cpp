// A seeded random sequence of what a host and a user do to a tree, in both styles, with the
// tree's invariants checked after every step.
#include <gtest/gtest.h>

#include <random>

#include "tests/tree/TreeFixture.h"

namespace trellis::test {
namespace {

class TreeRandom : public TreeFixture {
 protected:
  // The focus names an item, the root (its item was deleted), or is the fresh 1 of an empty
  // tree; the first row lies in range; the rows stack from the top with their items' heights.
  void CheckInvariants(const char* step) {
    SCOPED_TRACE(step);
    const int focus = tree->GetFocusItem();
    EXPECT_TRUE((focus >= 0 && focus < tree->GetItem()) || (focus == 1 && tree->GetItem() == 1))
        << focus;
    EXPECT_GE(tree->GetFirstShow(), 0);
    EXPECT_LE(tree->GetFirstShow(), std::max(tree->GetShowCount() - tree->GetPageCount(), 0));
    // The bar shows exactly when the rows do not all fit, and takes its width from the rows.
    const bool bar = tree->GetShowCount() > tree->GetPageCount();
    EXPECT_EQ(tree->IsVScrollShow() != 0, bar);
    EXPECT_EQ(tree->GetVScroll()->IsActive() != 0, bar);
    if (tree->GetShowCount() > 0) {
      EXPECT_EQ(tree->GetItemsRect().right, tree->GetContainerRect().Width() - (bar ? 9 : 0) - 1);
    }
    const std::vector<CRect>& rects = tree->GetShowRects();
    ASSERT_LE(int(rects.size()), tree->GetScreenCount());
    int y = 0;
    for (std::size_t k = 0; k < rects.size(); ++k) {
      ASSERT_LT(tree->GetFirstShow() + int(k), tree->GetShowCount());
      const _TREE_ITEM item =
          ItemById(*tree, tree->ShownIds()[std::size_t(tree->GetFirstShow()) + k]);
      EXPECT_EQ(rects[k].top, y);
      EXPECT_EQ(rects[k].Height(), item.nHeight);
      EXPECT_EQ(tree->GetItemInShowPos(item.nID), tree->GetFirstShow() + int(k));
      y = rects[k].bottom;
    }
  }
};

TEST_F(TreeRandom, EveryStepKeepsTheInvariants) {
  constexpr unsigned kSeed = 20261210;
  constexpr int kSteps = 1500;
  std::mt19937 random(kSeed);
  const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  for (TREE_SHOW_STYLE style : {TREE_STYLE_LINE, TREE_STYLE_FLAT}) {
    SCOPED_TRACE(style);
    Make(220, 150, style);
    const UINT keys[] = {VK_DOWN, VK_UP, VK_NEXT, VK_PRIOR, VK_HOME, VK_END, 'X'};
    for (int step = 0; step < kSteps; ++step) {
      const int op = pick(10);
      const int items = tree->GetItem();
      switch (op) {
        case 0:
        case 1: {  // insert under a random record, the root included
          _TREE_ITEM parent, item;
          parent.nID = pick(items);
          item.strText = std::wstring(std::size_t(pick(40)) + 1, L'w').c_str();
          item.nHeight = 14 + pick(20);
          item.eCheck = TREE_ITEM_CHECK(pick(4));
          tree->InsertItem(item, &parent);
          if (pick(2)) tree->RecalcAndRefresh();
          break;
        }
        case 2:  // delete, and sometimes paint before recalculating
          if (pick(8) == 0) tree->DelAllItems();
          else tree->DelItemChild(pick(items));
          if (pick(2)) tree->RecalcAndRefresh();
          break;
        case 3: tree->SetFocusItem(pick(items + 1)); break;
        case 4: Click(*tree, pick(220), pick(150)); break;
        case 5: Key(keys[pick(7)]); break;
        case 6:
          MoveTo(*tree, pick(220), pick(150));
          screen.MouseWheel(pick(2) ? WHEEL_DELTA : -WHEEL_DELTA);
          Pump();
          break;
        case 7:
          tree->MoveContainer(
              CRect(kTreeX, kTreeY, kTreeX + 60 + pick(200), kTreeY + 10 + pick(200)));
          Pump();
          break;
        case 8: Advance(DWORD(pick(700))); Pump(); break;
        default: {  // a double click
          const int x = pick(220), y = pick(150);
          Click(*tree, x, y);
          Click(*tree, x, y);
          Advance(600);
          break;
        }
      }
      CheckInvariants(("seed " + std::to_string(kSeed) + ", step " + std::to_string(step) +
                       ", op " + std::to_string(op)).c_str());
      if (HasFailure()) return;
    }
  }
}

}  // namespace
}  // namespace trellis::test
