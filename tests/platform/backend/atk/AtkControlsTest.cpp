// The bridge over the library's own controls on the headless screen: what a reader hears as a
// user works a tree, and what it reads and does with a drop list through ATK alone.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/droplist/DropListFixture.h"
#include "tests/platform/backend/atk/AtkTesting.h"
#include "tests/tree/TreeFixture.h"

namespace trellis::test {
namespace {

// ---- the tree: items, their checks and the focus among them

class AtkTreeItemsTest : public TreeFixture {
 protected:
  Bridge bridge;
};

// Users click boxes and texts at random; after every click each row tells ATK the check its
// item has, and what the reader last heard of each row (checked, focused) is still true: the
// tree announces on itself, and the bridge finds which of its items changed or took the focus.
TEST_F(AtkTreeItemsTest, RandomClicksKeepEveryRowsStatesAndWhatWasHeardTrue) {
  Make(240, 205);
  Fill(3, 2, 0, TREE_CHECK_NO);  // nine rows of 20, all in sight once open
  tree->OpenAll();
  tree->RecalcAndRefresh();
  Pump();
  AtkObject* outline = FindRole(bridge.root, ATK_ROLE_TREE);
  ASSERT_NE(outline, nullptr);
  Heard heard;
  std::vector<AtkObject*> rows;  // the outline's items; its scroll bar follows them
  for (int i = 0; i < atk_object_get_n_accessible_children(outline); ++i) {
    AtkObject* child = Child(outline, i);
    if (atk_object_get_role(child) == ATK_ROLE_TREE_ITEM) rows.push_back(child);
  }
  const int count = int(rows.size());
  ASSERT_EQ(count, 9);
  for (AtkObject* row : rows) {  // "2" is a top item, "2.1" its child
    const std::string level = Name(row).find('.') == std::string::npos ? "1" : "2";
    AtkAttributeSet* attributes = atk_object_get_attributes(row);
    std::string told;
    for (GSList* at = attributes; at; at = at->next) {
      const auto* attribute = static_cast<const AtkAttribute*>(at->data);
      if (std::string(attribute->name) == "level") told = attribute->value;
    }
    EXPECT_EQ(told, level) << Name(row);
    atk_attribute_set_free(attributes);
  }
  // What a reader knows: what it read first, then what it heard.
  for (AtkObject* row : rows) {
    heard.Listen(row);
    heard.states[row] = {{"checked", Has(row, ATK_STATE_CHECKED)},
                         {"focused", Has(row, ATK_STATE_FOCUSED)}};
  }

  std::mt19937 random(27);
  for (int step = 0; step < 60; ++step) {
    const int row = int(random() % unsigned(count));
    const bool onBox = random() % 3 != 0;
    SCOPED_TRACE(testing::Message() << "seed 27, step " << step << ", row " << row
                                    << (onBox ? " box" : " text"));
    ClickAt(onBox ? CheckPoint(row) : TextPoint(row));
    Advance(1000);  // apart enough that no two clicks make a double click
    const int focusRow = tree->GetAccessibleFocusItem() - 1;
    for (int i = 0; i < count; ++i) {
      const TREE_ITEM_CHECK check = ItemById(*tree, tree->ShownIds()[std::size_t(i)]).eCheck;
      EXPECT_EQ(Has(rows[i], ATK_STATE_CHECKED), check == TREE_CHECK_YES) << "row " << i;
      EXPECT_EQ(Has(rows[i], ATK_STATE_INDETERMINATE), check == TREE_CHECK_YES_HALF)
          << "row " << i;
      EXPECT_TRUE(Has(rows[i], ATK_STATE_CHECKABLE)) << "row " << i;
      const auto& known = heard.states[rows[i]];
      EXPECT_EQ(known.at("checked"), check == TREE_CHECK_YES) << "row " << i;
      EXPECT_EQ(known.at("focused"), i == focusRow) << "row " << i;
    }
  }
}

// ---- the drop list: a combo box read by what it shows, opened and picked through ATK

class AtkDropListTest : public DropListFixture {
 protected:
  Bridge bridge;
};

TEST_F(AtkDropListTest, AComboBoxReadByWhatItShowsIsOpenedAndPickedFromThroughAtk) {
  Fill(drop, 5);
  drop.SetCurSel(2);
  Pump();
  AtkObject* combo = FindRole(bridge.root, ATK_ROLE_COMBO_BOX);
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(Name(combo), "Item 2");
  EXPECT_TRUE(Has(combo, ATK_STATE_EXPANDABLE));
  EXPECT_FALSE(Has(combo, ATK_STATE_EXPANDED));
  Heard heard;
  heard.Listen(combo);

  ASSERT_TRUE(ATK_IS_ACTION(combo));
  ASSERT_TRUE(atk_action_do_action(ATK_ACTION(combo), 0));
  RunQueuedActions(screen);
  ASSERT_TRUE(IsOpen(drop));
  EXPECT_TRUE(Has(combo, ATK_STATE_EXPANDED));
  AtkObject* list = FindRole(combo, ATK_ROLE_LIST);
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(ATK_IS_SELECTION(list));
  ASSERT_EQ(atk_object_get_n_accessible_children(list), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Name(Child(list, i)), "Item " + std::to_string(i));
  EXPECT_TRUE(Has(list, ATK_STATE_SHOWING));
  EXPECT_TRUE(atk_selection_is_child_selected(ATK_SELECTION(list), 2));

  ASSERT_TRUE(atk_selection_add_selection(ATK_SELECTION(list), 4));
  RunQueuedActions(screen);
  EXPECT_FALSE(IsOpen(drop));
  EXPECT_EQ(drop.GetCurSel(), 4);
  EXPECT_EQ(Name(combo), "Item 4");
  EXPECT_FALSE(Has(combo, ATK_STATE_EXPANDED));
  const std::vector<std::string> expected = {"Item 2 expanded on", "Item 4 expanded off",
                                             "Item 4 name"};
  std::vector<std::string> told;
  for (const std::string& line : heard.lines)
    if (line.find(" name") != std::string::npos || line.find("expanded") != std::string::npos)
      told.push_back(line);
  EXPECT_EQ(told, expected);
}

}  // namespace
}  // namespace trellis::test
