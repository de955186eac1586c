// The tree's looks and settings that the page picture does not show: a focus colour's fallback,
// colours taken at insert, the pictures, fonts, a second initialisation and copies.
#include <gtest/gtest.h>

#include "tests/support/Pixels.h"
#include "tests/support/SolidBitmap.h"
#include "tests/tree/TreeFixture.h"

namespace trellis::test {
namespace {

class TreeLook : public TreeFixture {};

// With no second-level colour set, a child's focus row takes the top-level focus colour, not
// black. The set colours and the gradient are the page picture's.
TEST_F(TreeLook, AFlatChildFocusRowFallsBackToTheTopLevelColour) {
  Make(240, 205, TREE_STYLE_FLAT);
  Fill(2, 2);
  tree->SetFocusItem(2);
  EXPECT_EQ(PixelAt(*tree, 200, 30), tree->GetFocusBkColor());
}

// The flat style gives a text colour only to a slot the host left unset.
TEST_F(TreeLook, TheFlatStyleKeepsTextColoursSetBeforeInitialisation) {
  DropTree();
  tree = new TestTree;
  tree->AddRef();
  tree->SetShowStyle(TREE_STYLE_FLAT);
  tree->SetHoverTextColor(RGB(1, 2, 3), 0, 0);
  _CONTAINER_INFO info = Info(kTreeX, kTreeY, 240, 205);
  tree->InitObject(L"tree", &info);
  EXPECT_EQ(std::pair(tree->GetHoverTextColor(), tree->GetFocusTextColor()),
            std::pair(RGB(1, 2, 3), COLORREF(0x1B1B1B)));
}

// The table is read at each insert: earlier items keep the colours they were given.
TEST_F(TreeLook, NewItemsTakeTheirColoursFromTheColourTable) {
  CElementTree plain;
  plain.SetColor(RGB(200, 210, 220), COLOR_PART_PANEL, COLOR_STATE_NORMAL);
  _TREE_ITEM first, second;
  plain.SetColor(RGB(10, 20, 30), COLOR_PART_TEXT, COLOR_STATE_NORMAL);
  plain.InsertItem(first, nullptr);
  plain.SetColor(RGB(1, 1, 1), COLOR_PART_TEXT, COLOR_STATE_NORMAL);
  plain.InsertItem(second, &first);
  EXPECT_EQ(std::vector<COLORREF>({first.clrBkFrom, first.clrBkTo, second.clrText}),
            std::vector<COLORREF>({RGB(200, 210, 220), RGB(200, 210, 220), RGB(1, 1, 1)}));
  EXPECT_EQ(ItemById(plain, 1).clrText, RGB(10, 20, 30));
}

// A second initialisation keeps the items; a style change keeps the pictures it was made with.
TEST_F(TreeLook, InitialisingAgainKeepsTheItems) {
  Make(240, 205, TREE_STYLE_FLAT);
  Fill(2);
  _CONTAINER_INFO info = Info(kTreeX, kTreeY, 240, 205);
  tree->InitObject(L"again", &info);
  _TREE_ITEM item;
  tree->InsertItem(item, nullptr);
  EXPECT_EQ(item.nID, 3);
  tree->SetShowStyle(TREE_STYLE_LINE);
  BITMAP open{};
  ASSERT_TRUE(tree->GetBitmapOpen()->GetBitmap(&open));
  EXPECT_EQ(CSize(open.bmWidth, open.bmHeight), CSize(11, 11));
}

TEST_F(TreeLook, BitmapSettersCopyOrTakeThePicture) {
  Make(240, 205);
  CBitmap mine;
  SolidBitmap(mine, 2, 2, RGB(255, 0, 0));
  tree->SetBitmapCheckYes(&mine);
  ASSERT_NE(mine.m_hObject, nullptr);  // the caller keeps its own
  EXPECT_NE(tree->GetBitmapCheckYes()->m_hObject, mine.m_hObject);
  mine.DeleteObject();
  EXPECT_EQ(BitmapPixel(*tree->GetBitmapCheckYes(), 1, 1), RGB(255, 0, 0));

  CBitmap given;
  given.CreateBitmap(3, 3, 1, 32, nullptr);
  const HGDIOBJ handle = given.m_hObject;
  tree->SetBitmapClose(&given);
  EXPECT_EQ(given.m_hObject, nullptr);  // so that it is deleted once, by the tree
  EXPECT_EQ(tree->GetBitmapClose()->m_hObject, handle);
}

TEST_F(TreeLook, ACopyOutlivesItsSource) {
  Make(240, 205);
  Fill(3, 2, 0, TREE_CHECK_NO);
  auto* copy = new TestTree(*tree);
  copy->AddRef();
  tree->DelAllItems();  // the copy has its own items
  DropTree();
  tree = copy;
  EXPECT_NE(copy->GetBitmapCheckNo()->m_hObject, nullptr);
  _CONTAINER_INFO info = Info(kTreeX, kTreeY, 240, 205);
  copy->InitObject(L"copy", &info);
  copy->RecalcAndRefresh();
  ClickAt(ButtonPoint(0));
  EXPECT_EQ(copy->GetShowCount(), 5);
  CElementTree assigned;
  assigned = *copy;
  EXPECT_EQ(assigned.GetItem(), 10);
  EXPECT_EQ(PixelAt(*copy, CheckPoint(0).x - 6, CheckPoint(0).y - 6), RGB(0, 0, 0));
}

TEST_F(TreeLook, TwoTreesMeasureWithTheirOwnFonts) {
  CElementTree other;
  _CONTAINER_INFO info = Info(kTreeX, 220, 240, 60);
  other.InitObject(L"other", &info);
  LOGFONTW big = *Make(240, 205).GetTreeFatherLogfont();
  big.lfHeight *= 2;
  other.SetTreeFont(big, big);
  for (CElementTree* t : {static_cast<CElementTree*>(tree), &other}) {
    _TREE_ITEM item{.strText = L"1"};
    t->InsertItem(item, nullptr);
    t->RecalcAndRefresh();
  }
  EXPECT_GT(ItemById(*tree, 1).nTextLeave, ItemById(other, 1).nTextLeave);
  other.ReleaseObject();
}

}  // namespace
}  // namespace trellis::test
