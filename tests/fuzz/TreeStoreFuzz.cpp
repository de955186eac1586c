// The tree's item store under random operations, ids that name nothing included: after every
// step the counts, links and levels stay consistent, the shown list is what a plain walk of the
// open items gives, and its index finds every shown item.
#include <gtest/gtest.h>

#include <climits>

#include "tests/fuzz/FuzzInput.h"
#include "tests/tree/StoreUnderTest.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  StoreUnderTest s;
  // Mostly ids of records, sometimes ids that name nothing.
  const auto anyId = [&] {
    constexpr int kBad[] = {-1, INT_MIN, INT_MAX, 0};
    const int roll = int(in.Pick(0, 19));
    return roll < 4 ? kBad[roll] + (roll == 3) * s.GetItem() : int(in.Pick(0, s.GetItem() - 1));
  };
  while (!in.Empty()) {
    const int id = anyId(), other = anyId();
    _TREE_ITEM item, owner;
    _TREE_ITEM_TIP tip;
    switch (in.Pick(0, 10)) {
      case 0:
      case 1:
        item.bShowBtn = in.Pick(0, 3) != 0, owner.nID = id;
        if (s.GetItem() >= 300) break;
        FUZZ_CHECK(s.InsertItem(item, in.Flag() ? &owner : nullptr, kDefaultColors) || id < 0 || id >= s.GetItem());
        break;
      case 2: s.DelItemValue(id); break;
      case 3: s.DelItemChild(id); break;
      case 4: if (in.Pick(0, 15) == 0) s.DelAllItems(); break;
      case 5: if (id >= 1 && id < s.GetItem()) s.Item(id).nOpen = in.Flag(); break;
      case 6: s.SetItemClose(id, other); break;
      case 7: s.SetItemCheck(id, TREE_ITEM_CHECK(in.Pick(0, 3))); break;
      case 8:
        s.m_nFocusItem = int(in.Pick(0, s.GetItem() - 1));
        s.m_nHoverItem = other >= 1 && other < s.GetItem() ? other : -1;
        break;
      case 9: tip.nItemID = id; if (id >= 1 && id < s.GetItem()) s.SetTipsValue({tip}); break;
      default: {  // look-ups with any ids only read
        CString parents;
        std::vector<_TREE_ITEM> checked;
        std::vector<int> children;
        s.GetItemById(id, item);
        s.GetNextItem(TREE_ITEM_NEXT(in.Pick(0, 3)), id, item);
        s.GetItemChildItem(id, children);
        s.GetItemParentStr(id, parents);
        s.GetCheckedItems(checked);
        FUZZ_CHECK((s.IsChildItem(id, other) | s.IsBrotherItem(id, other)) <= 1);
      }
    }
    ExpectConsistent(s);
    s.CalcShowItems();
    FUZZ_CHECK(s.m_vecShowItems == ShownByWalk(s) && !testing::Test::HasFailure());
    for (int i = 0; i < s.m_nShowCount; ++i)
      FUZZ_CHECK(s.GetItemInShowPos(s.m_vecShowItems[std::size_t(i)]) == i);
  }
  return 0;
}
