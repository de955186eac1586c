// What the tree promises its host: the notices of each interaction in their order, a parent
// that may end the tree, its window or its items inside any notice, and bad arguments refused
// with the state left as it was.
#include <gtest/gtest.h>

#include <climits>
#include <sstream>

#include "tests/tree/TreeFixture.h"

namespace trellis::test {
namespace {

class TreeContract : public TreeFixture {
 protected:
  // Everything a refused call must leave as it was.
  std::wstring Snapshot() {
    std::wostringstream out;
    out << tree->GetItem() << ' ' << tree->GetFocusItem() << ' ' << tree->GetFirstShow() << ' '
        << tree->GetShowCount() << '|';
    for (int id = 0; id < tree->GetItem(); ++id) {
      const _TREE_ITEM r = ItemById(*tree, id);
      out << r.nID << ',' << r.nParentID << ',' << r.nIndex << ',' << r.nChildCount << ','
          << r.nOpen << ',' << r.eCheck << ',' << r.clrText << ',' << r.clrBkFrom << ','
          << r.nHeight << ',' << r.strText.GetString() << ';';
    }
    return out.str();
  }
};

// Both styles, scripted: every notice with its message, code, item and text, in order.
TEST_F(TreeContract, EachInteractionSaysWhatItDidInOrder) {
  using Notices = std::vector<std::tuple<UINT, UINT, int, std::wstring>>;
  const auto heard = [&] {
    Notices out;
    for (const TreeNotice& n : notices)
      out.emplace_back(n.msg, n.code, n.id, n.pathText ? n.text : L"");
    notices.clear();
    return out;
  };
  Make(240, 205);
  Fill(3, 2, 0, TREE_CHECK_NO);
  ClickAt(ButtonPoint(0));        // opens 1
  ClickAt(TextPoint(1));          // focus to 2: nothing said
  MoveTo(*tree, 100, 100);        // hover is the flat style's
  ClickAt(CheckPoint(1));         // ticks 2
  Advance(1000);
  ClickAt(TextPoint(3));          // a double click on 4's text opens it
  ClickAt(TextPoint(3));
  EXPECT_EQ(tree->GetShowCount(), 7);
  Advance(1000);
  for (UINT key : {VK_DOWN, VK_UP, VK_END, VK_HOME, UINT('A')}) Key(key);
  tree->SendMessageToParent(77, 2, CString(L"x"), 0);
  EXPECT_EQ(heard(), (Notices{{WM_NOTIFY, NM_CLICK, 1, L""},
                              {WM_NOTIFY, NM_CLICK, 2, L""},
                              {WM_NOTIFY, NM_DBLCLK, 4, L""},
                              {WM_KEYDOWN, VK_DOWN, 5, L""},
                              {WM_KEYDOWN, VK_UP, 4, L""},
                              {WM_KEYDOWN, VK_END, 7, L""},
                              {WM_KEYDOWN, VK_HOME, 1, L""},
                              {WM_KEYDOWN, 'A', 1, L""},
                              {WM_NOTIFY, 77, 2, L"1.1.1.x"}}));

  Make(240, 205, TREE_STYLE_FLAT);
  Fill(3, 2);
  ClickAt({60, 10});  // opens 1
  MoveTo(*tree, 60, 50);
  ClickAt({60, 70});  // 4 opens, 1 closes
  EXPECT_EQ(tree->ShownIds(), (std::vector<int>{1, 4, 5, 6, 7}));
  Advance(1000);
  ClickAt({60, 30});  // a double click on 4 acts once: it closes
  ClickAt({60, 30});
  Key(VK_DOWN);
  EXPECT_EQ(heard(), (Notices{{WM_NOTIFY, NM_CLICK, 1, L""},
                              {WM_NOTIFY, NM_CLICK, 4, L""},
                              {WM_NOTIFY, NM_CLICK, 4, L""},
                              {WM_KEYDOWN, VK_DOWN, 7, L""}}));
}

// Every entry point that takes an item refuses a bad one, a deleted one and another tree's,
// leaves the tree and its outputs as they were, and says nothing to the parent.
TEST_F(TreeContract, BadItemsAreRefusedAndChangeNothing) {
  Make(240, 205);
  Fill(3, 2, 0, TREE_CHECK_NO);
  _TREE_ITEM stale = ItemById(*tree, tree->GetItem() - 1);
  tree->DelItemChild(stale.nParentID);
  CElementTree other;
  for (int k = 0; k < 40; ++k) other.InsertItem(stale, nullptr);  // stale.nID: 40, other's
  const int count = tree->GetItem();
  _TREE_ITEM out, colours;
  out.strText = L"untouched";
  CString path(L"untouched");
  std::vector<int> list{42};
  const struct {
    const char* entry;
    std::function<long(int)> call;
    long refusal;
    bool refusesRoot;
  } kEntries[] = {
      {"GetItemById", [&](int id) { return tree->GetItemById(id, out); }, 0, false},
      {"SetItemByID", [&](int id) { return tree->SetItemByID(id, &colours); }, 0, false},
      {"DelItemChild", [&](int id) { return tree->DelItemChild(id); }, 0, true},
      {"GetNextItem itself", [&](int id) { return tree->GetNextItem(TREE_NEXT_ITSELF, id, out); },
       0, true},
      {"GetNextItem child", [&](int id) { return tree->GetNextItem(TREE_NEXT_CHILD, id, out); },
       0, false},
      {"GetItemParentStr", [&](int id) { return tree->GetItemParentStr(id, path); }, 0, true},
      {"GetItemChildItem", [&](int id) { return tree->GetItemChildItem(id, list), 0L; }, 0, true},
      {"GetFatherItemsBtnNoShow", [&](int id) { return tree->GetFatherItemsBtnNoShow(id); }, 0,
       true},
      {"GetItemChildCheckNum", [&](int id) { return tree->GetItemChildCheckNum(id); }, 0, false},
      {"SendMessageToParent", [&](int id) { return tree->SendMessageToParent(77, id, L"x", 0); },
       0, true},
      {"SetFocusItem", [&](int id) { return tree->SetFocusItem(id), 0L; }, 0, true},
      {"SetItemCheck", [&](int id) { return tree->SetItemCheck(id, TREE_CHECK_YES), 0L; }, 0,
       true},
      {"ChangeItemTip", [&](int id) {
         _TREE_ITEM_TIP tip;
         tip.nItemID = id;
         return tree->ChangeItemTip(tip);
       }, 1, true},
      {"InsertItem under it", [&](int id) {
         _TREE_ITEM item, parent;
         parent.nID = id;
         tree->InsertItem(item, &parent);
         return long(item.nID);
       }, -1, false},
  };
  const std::wstring before = Snapshot();
  for (const auto& e : kEntries) {
    for (int id : {-1, 0, count, count + 1, INT_MIN, INT_MAX, stale.nID, 40}) {
      if (id == 0 && !e.refusesRoot) continue;
      SCOPED_TRACE(testing::Message() << e.entry << " of " << id);
      EXPECT_EQ(e.call(id), e.refusal);
      ASSERT_EQ(Snapshot(), before);
      EXPECT_EQ(out.strText, L"untouched");
      EXPECT_EQ(path, L"untouched");
      EXPECT_EQ(list, std::vector<int>{42});
    }
  }
  EXPECT_EQ(tree->DelItemChild(3), 0);  // a leaf
  EXPECT_EQ(tree->SetItemByID(1, nullptr), 0);
  for (TREE_ITEM_NEXT what : {TREE_ITEM_NEXT(3), TREE_ITEM_NEXT(-1), TREE_ITEM_NEXT(INT_MIN)})
    EXPECT_EQ(tree->GetNextItem(what, 1, out), 0);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_TRUE(notices.empty());
}

// Sizes and texts the tree takes as they come: rows of no, negative or huge height lay out,
// paint, scroll and answer clicks without overflowing anything; a megabyte of text travels whole.
TEST_F(TreeContract, ExtremeHeightsAndTextsAreTakenWithoutHarm) {
  Make(240, 205);
  for (int height : {0, -1, INT_MIN, INT_MAX}) {
    SCOPED_TRACE(height);
    tree->DelAllItems();
    Fill(30, 0, 0, TREE_CHECK_NONE, height);
    for (UINT key : {VK_END, VK_PRIOR, VK_NEXT, VK_HOME, VK_DOWN}) Key(key);
    Click(*tree, 50, 30);
    MoveTo(*tree, 50, 100);
    screen.MouseWheel(-WHEEL_DELTA);
    Pump();
    EXPECT_GE(tree->GetScrollPix(), 0);
    EXPECT_LT(tree->GetFirstShow(), tree->GetShowCount());
  }
  const std::wstring huge(1 << 20, L'w');
  _TREE_ITEM item{.strText = huge.c_str()};
  tree->InsertItem(item, nullptr);
  tree->RecalcAndRefresh();
  Pump();
  EXPECT_EQ(tree->SendMessageToParent(77, item.nID, huge.c_str(), 0), 1);
  EXPECT_EQ(notices.back().text.size(), huge.size() * 2 + 1);
}

// Inside each notice the parent ends the tree, ends the host window, or changes the tree (its
// items, text and enabling). Afterwards the window is gone cleanly, or still routes: the tree,
// or a fresh one, hears a click.
enum class Input { Button, Check, FlatRow, DoubleClick, PageKey, OtherKey, PathNotice };
enum class Act { EndTree, EndWindow, Change };

class TreeReentry : public TreeContract,
                    public ::testing::WithParamInterface<std::tuple<Input, Act>> {};

TEST_P(TreeReentry, TheParentMayActInsideANotice) {
  const auto [input, act] = GetParam();
  Make(240, 205, input == Input::FlatRow ? TREE_STYLE_FLAT : TREE_STYLE_LINE);
  Fill(20, 2, 0, TREE_CHECK_NO);
  bool acted = false;
  onNotice = [&, act = act](const TreeNotice&) {
    if (std::exchange(acted, true)) return;
    if (act == Act::EndWindow) return void(window.DestroyWindow());
    if (act == Act::EndTree) {
      tree->ReleaseObject();
      tree->Release();
      tree = nullptr;
      return;
    }
    tree->DelAllItems();
    _TREE_ITEM item;
    tree->InsertItem(item, nullptr);
    tree->SetText(L"changed");
    tree->Enable(0);
  };
  switch (input) {
    case Input::Button:
    case Input::FlatRow: ClickAt(ButtonPoint(0)); break;
    case Input::Check: ClickAt(CheckPoint(0)); break;
    case Input::DoubleClick: ClickAt(TextPoint(0)), ClickAt(TextPoint(0)); break;
    case Input::PageKey: Key(VK_NEXT); break;
    case Input::OtherKey: Key('A'); break;
    case Input::PathNotice: tree->SendMessageToParent(77, 1, CString(L"x"), 0); break;
  }
  EXPECT_TRUE(acted);
  EXPECT_EQ(notices.size(), 1u);
  if (act == Act::EndWindow) return ExpectWindowEnded();
  if (!tree) Make(240, 205);
  tree->Enable(1);
  tree->DelAllItems();
  Fill(3, 2);
  Advance(1000);
  ClickAt(ButtonPoint(0));
  EXPECT_EQ(notices.back().code, UINT(NM_CLICK));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TreeReentry,
    ::testing::Combine(::testing::Values(Input::Button, Input::Check, Input::FlatRow,
                                         Input::DoubleClick, Input::PageKey, Input::OtherKey,
                                         Input::PathNotice),
                       ::testing::Values(Act::EndTree, Act::EndWindow, Act::Change)));

}  // namespace
}  // namespace trellis::test
