// The bridge over the library's own controls on the headless screen: what a reader hears as a
// user works a tree or types in an edit box, and what it reads and does with a drop list
// through ATK alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "platform/text/Utf8.h"
#include "tests/droplist/DropListFixture.h"
#include "tests/edit/EditBoxFixture.h"
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

// ---- the edit box: its text, caret and selection

class AtkEditTest : public EditBox {
 protected:
  Bridge bridge;
};

// What a reader keeps of an edit box's text: the text it read first, changed by each insertion
// and deletion it hears, and the caret where it last heard it moved.
struct TextMirror {
  std::string text;
  gint caret = -1;

  static void OnInsert(AtkText* object, gint at, gint length, TextMirror* mirror) {
    gchar* inserted = atk_text_get_text(object, at, at + length);
    const gchar* place = g_utf8_offset_to_pointer(mirror->text.c_str(), at);
    mirror->text.insert(std::size_t(place - mirror->text.c_str()), inserted);
    g_free(inserted);
  }
  static void OnDelete(AtkText*, gint at, gint length, TextMirror* mirror) {
    const gchar* from = g_utf8_offset_to_pointer(mirror->text.c_str(), at);
    const gchar* to = g_utf8_offset_to_pointer(from, length);
    mirror->text.erase(std::size_t(from - mirror->text.c_str()), std::size_t(to - from));
  }
  static void OnCaret(AtkText*, gint offset, TextMirror* mirror) { mirror->caret = offset; }
};

// Random typing, moving, selecting and deleting: after every step ATK's text, caret and
// selection are the edit box's, and the text a reader rebuilt from what it heard is too.
TEST_F(AtkEditTest, RandomEditingKeepsTheTextCaretAndSelectionAndWhatWasHeardTrue) {
  Make(L"编辑 box", 300);
  AtkObject* entry = FindRole(bridge.root, ATK_ROLE_ENTRY);
  ASSERT_NE(entry, nullptr);
  ASSERT_TRUE(ATK_IS_TEXT(entry));
  AtkText* text = ATK_TEXT(entry);
  TextMirror mirror;
  gchar* first = atk_text_get_text(text, 0, -1);
  mirror.text = first;
  g_free(first);
  const gulong handlers[] = {
      g_signal_connect(entry, "text-changed::insert", G_CALLBACK(TextMirror::OnInsert), &mirror),
      g_signal_connect(entry, "text-changed::delete", G_CALLBACK(TextMirror::OnDelete), &mirror),
      g_signal_connect(entry, "text-caret-moved", G_CALLBACK(TextMirror::OnCaret), &mirror),
  };
  Click(edit, At(0), 12);  // the focus, and the caret at the start
  Advance(1000);

  const wchar_t* const typed[] = {L"a", L"字", L"xy", L" "};
  const UINT keys[] = {VK_LEFT, VK_RIGHT, VK_HOME, VK_END, VK_BACK, VK_DELETE};
  std::mt19937 random(27);
  for (int step = 0; step < 80; ++step) {
    const int length = int(Text().size());
    const unsigned what = random() % 3;
    SCOPED_TRACE(testing::Message() << "seed 27, step " << step << ", text '"
                                    << platform::Utf8FromWide(Text()) << "', action " << what);
    if (what == 0) Type(typed[random() % std::size(typed)]);
    if (what == 1) Key(keys[random() % std::size(keys)]);
    if (what == 2) Drag(int(random() % unsigned(length + 1)), int(random() % unsigned(length + 1)));
    const std::string now = platform::Utf8FromWide(Text());
    gchar* told = atk_text_get_text(text, 0, -1);
    EXPECT_EQ(told, now);
    g_free(told);
    EXPECT_EQ(atk_text_get_character_count(text), g_utf8_strlen(now.c_str(), -1));
    EXPECT_EQ(mirror.text, now);
    EXPECT_EQ(atk_text_get_caret_offset(text), edit.GetCaret());
    EXPECT_EQ(mirror.caret, edit.GetCaret());
    const bool selected = edit.GetSelectedStart() != edit.GetSelectedEnd();
    ASSERT_EQ(atk_text_get_n_selections(text), selected ? 1 : 0);
    if (selected) {
      gint start = -1, end = -1;
      g_free(atk_text_get_selection(text, 0, &start, &end));
      EXPECT_EQ(std::min(start, end), std::min(edit.GetSelectedStart(), edit.GetSelectedEnd()));
      EXPECT_EQ(std::max(start, end), std::max(edit.GetSelectedStart(), edit.GetSelectedEnd()));
    }
  }
  for (gulong handler : handlers) g_signal_handler_disconnect(entry, handler);
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


// A drop list at the foot of its window opens its list below the window's edge: the rows in
// the pop-up are in sight all the same.
TEST_F(AtkDropListTest, RowsOfAListOpenBeyondItsWindowAreShowing) {
  CElementDropList low;
  _CONTAINER_INFO info = Info(10, kWindowHeight - 20, kWidth, 18, kId + 1);
  low.InitObject(L"low", &info);
  Fill(low, 5);
  low.SetCurSel(1);
  Pump();
  AtkObject* combo = FindRole(bridge.root, ATK_ROLE_COMBO_BOX, "Item 1");
  ASSERT_NE(combo, nullptr);
  ASSERT_TRUE(atk_action_do_action(ATK_ACTION(combo), 0));
  RunQueuedActions(screen);
  ASSERT_TRUE(IsOpen(low));
  ASSERT_GT(PopupRect(low).bottom, kWindowY + kWindowHeight) << "the list opened inside";
  AtkObject* list = FindRole(combo, ATK_ROLE_LIST);
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(atk_object_get_n_accessible_children(list), 5);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(Has(Child(list, i), ATK_STATE_SHOWING)) << i;
}

}  // namespace
}  // namespace trellis::test
