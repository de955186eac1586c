// The drop list's items, their data and the selection, without a screen: seeded random edits
// against a plain model, with every invariant checked after every step.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "droplist/CElementDropList.h"

namespace {

struct ModelItem {
  std::wstring text;
  unsigned long data = 0;
};

void ExpectSame(const CElementDropList& drop, const std::vector<ModelItem>& model, int selection,
                const std::string& where) {
  ASSERT_EQ(drop.GetCount(), int(model.size())) << where;
  for (int i = 0; i < int(model.size()); ++i) {
    ASSERT_EQ(drop.GetItemText(i), model[std::size_t(i)].text) << where << ", item " << i;
    ASSERT_EQ(drop.GetItemData(i), model[std::size_t(i)].data) << where << ", item " << i;
  }
  ASSERT_EQ(drop.GetItemData(int(model.size())), 0u) << where << ": no data past the items";
  ASSERT_EQ(drop.GetCurSel(), selection) << where;
}

TEST(DropListStore, DataAndSelectionFollowTheirItemsThroughRandomEdits) {
  constexpr unsigned kSeed = 1106;
  std::mt19937 random(kSeed);
  CElementDropList drop;
  std::vector<ModelItem> model;
  int selection = CElementDropList::INVALID_SEL_INDEX;
  int made = 0;
  for (int step = 0; step < 3000; ++step) {
    const int count = int(model.size());
    const std::string where = "seed " + std::to_string(kSeed) + ", step " + std::to_string(step);
    const std::wstring text = L"t" + std::to_wstring(made++);
    switch (std::uniform_int_distribution<int>(0, 4)(random)) {
      case 0: {
        ASSERT_EQ(drop.AddString(text.c_str()), count) << where;
        model.push_back({text});
        break;
      }
      case 1: {
        // -2 and count + 1 are refused; -1 and count append.
        const int at = std::uniform_int_distribution<int>(-2, count + 1)(random);
        const int result = drop.InsertString(at, text.c_str());
        if (at < -1 || at > count) {
          ASSERT_EQ(result, -1) << where;
          break;
        }
        const int index = at == -1 ? count : at;
        ASSERT_EQ(result, index) << where;
        model.insert(model.begin() + index, {text});
        if (selection >= index) ++selection;
        break;
      }
      case 2: {
        const int at = std::uniform_int_distribution<int>(0, count)(random);
        const int result = drop.DeleteString(unsigned(at));
        if (at >= count) {
          ASSERT_EQ(result, -1) << where;
          break;
        }
        model.erase(model.begin() + at);
        ASSERT_EQ(result, int(model.size())) << where << ": the items left";
        if (selection == at)
          selection = CElementDropList::INVALID_SEL_INDEX;
        else if (selection > at)
          --selection;
        break;
      }
      case 3: {
        const int at = std::uniform_int_distribution<int>(-1, count)(random);
        const unsigned long data = random();
        ASSERT_EQ(drop.SetItemData(at, data), 0) << where;
        if (at >= 0 && at < count) model[std::size_t(at)].data = data;
        break;
      }
      default: {
        if (count == 0) break;
        selection = std::uniform_int_distribution<int>(-1, count - 1)(random);
        ASSERT_EQ(drop.SetCurSel(selection), 0) << where;
        break;
      }
    }
    ExpectSame(drop, model, selection, where);
    // Keep the list between a few and a few dozen items, so every kind of edit happens.
    if (model.size() > 40) {
      model.erase(model.begin());
      drop.DeleteString(0);
      if (selection == 0)
        selection = -1;
      else if (selection > 0)
        --selection;
    }
  }
}

}  // namespace
