// The drop list through the host window and its real pop-up: every way of closing, placement,
// scrolling by keys, wheel and bar, copies, and the face.
#include <functional>
#include <tuple>

#include "tests/droplist/DropListFixture.h"

namespace trellis::test {
namespace {

using DropList = CElementDropList;
using Codes = std::vector<UINT>;
const Codes kChosen{DropList::DROPLIST_NM_SELECT, DropList::DROPLIST_NM_SELECTDONE};

using DropListTest = DropListFixture;

TEST_F(DropListTest, EveryWayOfClosing) {
  CElementControl other;  // a second focusable element
  _CONTAINER_INFO info = Info(200, 10, 60, 18, 9, ELEMENT_STYLE_CHECKBOX);
  other.InitObject(L"other", &info);
  // {way, what it does, whether it chooses the row under the pointer}
  const std::tuple<const char*, std::function<void()>, bool> ways[] = {
      {"press outside the pop-up", [&] { Click(parent, 300, 250); }, false},
      {"press on the face", [&] { Drop(drop); }, false},
      {"Escape", [&] { Key(VK_ESCAPE); }, false},
      {"Enter", [&] { Key(VK_RETURN); }, true},
      {"release on a row", [&] { ClickAt(RowPoint(drop, 1)); }, true},
      {"press on the face dragged to a row",
       [&] {
         const POINT row = RowPoint(drop, 1);
         Key(VK_ESCAPE), Press(drop, kWidth - 6, 9), TakeCodes();
         screen.MouseMove(row.x, row.y), screen.MouseUp(row.x, row.y);
       },
       true},
      {"capture taken by another window", [&] { ::SetCapture(window.m_hWnd), Pump(); }, false},
      {"WM_KILLFOCUS", [&] { Popup(drop).CWnd::SendMessage(WM_KILLFOCUS); }, false},
      {"focus moved to another element", [&] { other.SetFocus(); }, false},
      {"Tab", [&] { Key(VK_TAB); }, false},
      {"disabled", [&] { drop.Enable(0); }, false},
  };
  for (const auto& [name, act, chooses] : ways) {
    SCOPED_TRACE(name);
    drop.Enable(1);
    Fill(drop, 5);
    drop.SetCurSel(0);
    Drop(drop);
    ASSERT_TRUE(IsOpen(drop));
    HoverAt(RowPoint(drop, 1));
    TakeCodes();
    act();
    Pump();
    EXPECT_FALSE(IsOpen(drop));
    EXPECT_EQ(PopupList(drop).GetCount(), 0);
    EXPECT_NE(::GetCapture(), Popup(drop).m_hWnd);
    EXPECT_EQ(TakeCodes(), chooses ? kChosen : Codes{});
    EXPECT_EQ(drop.GetCurSel(), chooses ? 1 : 0);
  }
}

// The face's state, one background colour each: pushed while the press lasts, dragged off too;
// focused after a release on it until the pointer moves; then hover, focus or not; normal once
// the pointer has left.
TEST_F(DropListTest, TheFaceFollowsThePointer) {
  for (DWORD state : {COLOR_STATE_NORMAL, COLOR_STATE_FOCUS, COLOR_STATE_HOVER, COLOR_STATE_PUSH})
    drop.SetColor(RGB(state, 0, 0), COLOR_PART_BACKGROUND, state);
  Fill(drop, 3);
  const std::pair<std::function<void()>, DWORD> steps[] = {
      {[&] { Press(drop, 20, 9); }, COLOR_STATE_PUSH},
      {[&] { MoveTo(drop, 20, -8); }, COLOR_STATE_PUSH},
      {[&] { MoveTo(drop, 20, 9); }, COLOR_STATE_PUSH},
      {[&] { Release(drop, 20, 9); }, COLOR_STATE_FOCUS},
      {[&] { Key(VK_ESCAPE); }, COLOR_STATE_FOCUS},
      {[&] { MoveTo(drop, 21, 9); }, COLOR_STATE_HOVER},
      {[&] { MoveTo(parent, 390, 290); }, COLOR_STATE_NORMAL}};
  int step = 0;
  for (const auto& [act, state] : steps) {
    act();
    EXPECT_EQ(PixelAt(drop, 2, 9), RGB(state, 0, 0)) << "step " << step++;
  }
}

// The arithmetic is DropWndLayout's; here the real window takes it: a page of rows below the
// control with the selection in view, or above the control near the bottom of the desktop; and
// the list and its bar follow keys and a notch of the wheel a row, silently.
TEST_F(DropListTest, ThePopupOpensBelowOrAboveAndFollowsKeysAndTheWheel) {
  Fill(drop, 25);
  drop.SetCurSel(22);
  Drop(drop);
  const POINT corner = ScreenPoint(drop, 0, 0);
  EXPECT_EQ(PopupRect(drop), CRect(corner.x, corner.y + 17, corner.x + kWidth, corner.y + 379));
  // Made with the control, the pop-up kept where the control was then.
  EXPECT_EQ(Popup(drop).m_rcOwnerScreen, CRect(corner, CSize(kWidth, 18)));
  EXPECT_EQ(std::pair(PopupList(drop).GetTopIndex(), BarPos(drop)), std::pair(5, 5));
  Key(VK_ESCAPE);
  drop.SetCurSel(0);
  Drop(drop);
  TakeCodes();
  for (int i = 0; i < 21; ++i) Key(VK_DOWN);
  EXPECT_EQ(std::pair(PopupList(drop).GetTopIndex(), BarPos(drop)), std::pair(2, 2));
  for (const auto& [key, row] : {std::pair{VK_END, 24}, {VK_HOME, 0}, {VK_NEXT, 19}}) {
    Key(key);
    EXPECT_EQ(PopupList(drop).GetCurSel(), row) << key;
  }
  // The wheel over the list scrolls it under a resting pointer; the row the user pointed at
  // stays the current one, and Enter chooses it.
  const int pointed = PopupList(drop).GetTopIndex() + 1;
  HoverAt(RowPoint(drop, pointed));
  for (int notch = 0; notch < 3; ++notch) screen.MouseWheel(-WHEEL_DELTA);
  screen.MouseWheel(WHEEL_DELTA);
  Pump();
  EXPECT_EQ(std::pair(PopupList(drop).GetTopIndex(), BarPos(drop)), std::pair(2, 2));
  EXPECT_TRUE(IsOpen(drop));
  EXPECT_EQ(PopupList(drop).GetCurSel(), pointed);
  EXPECT_TRUE(TakeCodes().empty());
  Key(VK_RETURN);
  EXPECT_EQ(drop.GetCurSel(), pointed);
  drop.MoveContainer(10, 270, kWidth, 18);
  ::MoveWindow(window.m_hWnd, kWindowX, 280, kWindowWidth, kWindowHeight, TRUE);
  Pump();
  Drop(drop);
  const POINT top = ScreenPoint(drop, 0, 0);
  EXPECT_EQ(PopupRect(drop), CRect(top.x, top.y + 1 - 362, top.x + kWidth, top.y + 1));
}

// A host may fill the list when it opens, and change it while it is open: the pop-up shows the
// items as they are, grows with them, keeps the user's row on its item, and a chosen row is the
// item it shows.
TEST_F(DropListTest, AnOpenPopupShowsTheItemsAsTheyChange) {
  parent.ReactOnce([](const Notice& n) { return n.code == DropList::DROPLIST_NM_DROPDOWN; },
                   [&] { Fill(drop, 3); });
  Drop(drop);
  ASSERT_TRUE(parent.reacted && IsOpen(drop));
  const auto rows = [&] {
    std::vector<std::wstring> texts(std::size_t(PopupList(drop).GetCount()));
    for (std::size_t i = 0; i < texts.size(); ++i) {
      CString text;
      PopupList(drop).GetText(int(i), text);
      texts[i] = text.GetString();
    }
    return texts;
  };
  EXPECT_EQ(rows(), (std::vector<std::wstring>{L"Item 0", L"Item 1", L"Item 2"}));
  const int threeRows = PopupRect(drop).Height();
  Key(VK_DOWN), Key(VK_DOWN);  // on "Item 1"
  drop.InsertString(0, L"first");
  drop.AddString(drop.GetItemText(0).c_str());  // an item's own text, while the items grow
  drop.DeleteString(3);
  EXPECT_EQ(rows(), (std::vector<std::wstring>{L"first", L"Item 0", L"Item 1", L"first"}));
  EXPECT_GT(PopupRect(drop).Height(), threeRows);
  EXPECT_EQ(PopupList(drop).GetCurSel(), 2);
  Key(VK_RETURN);
  EXPECT_FALSE(IsOpen(drop));
  EXPECT_EQ(drop.GetCurSel(), 2);
  EXPECT_EQ(drop.GetTextString(), CString(L"Item 1"));
}

TEST_F(DropListTest, TheScrollBarScrollsTheListAndKeepsThePopupOpen) {
  Fill(drop, 100000);
  Drop(drop);
  CSkinScroll& bar = Popup(drop).GetScrollBar();
  ASSERT_TRUE(bar.IsWindowVisible());
  // A point of the bar in its client coordinates, on the screen.
  const auto at = [&](int y) {
    CPoint pt(7, y);
    bar.ClientToScreen(&pt);
    return pt;
  };
  ClickAt(at(bar.GetDownRect().CenterPoint().y));  // a line; the bar's requests are its own test
  EXPECT_EQ(PopupList(drop).GetTopIndex(), 1);
  // Dragging the thumb to the bottom reaches the last page, far past 65,535.
  const POINT from = at(bar.GetThumbRect().CenterPoint().y);
  screen.MouseDown(from.x, from.y);
  screen.MouseMove(from.x, from.y + 400);
  screen.MouseUp(from.x, from.y + 400);
  Pump();
  EXPECT_TRUE(IsOpen(drop));
  EXPECT_EQ(PopupList(drop).GetTopIndex(), 100000 - 20);
  EXPECT_TRUE(TakeCodes() == Codes{DropList::DROPLIST_NM_DROPDOWN});
  // A release on the bar chooses nothing; a row still can be chosen afterwards.
  ClickAt(RowPoint(drop, 99990));
  EXPECT_EQ(drop.GetCurSel(), 99990);
}

TEST_F(DropListTest, EachCopyOwnsItsOwnPopup) {
  Fill(drop, 4);
  drop.SetCurSel(1);
  {
    CElementDropList copy(drop);
    EXPECT_TRUE(!copy.GetDropWnd() && copy.GetCurSel() == 1);  // its own pop-up comes on opening
    copy.ResetParent(&parent);
    copy.MoveContainer(10, 60, kWidth, 18);
    Pump();
    Drop(copy);
    ASSERT_TRUE(IsOpen(copy));
    EXPECT_NE(copy.GetDropWnd(), drop.GetDropWnd());
    EXPECT_FALSE(IsOpen(drop));
    ClickAt(RowPoint(copy, 3));
    EXPECT_EQ(std::pair(copy.GetCurSel(), drop.GetCurSel()), std::pair(3, 1));
  }
  Pump();
  // The original's pop-up outlived the copy's.
  Drop(drop);
  EXPECT_TRUE(IsOpen(drop));
}

}  // namespace
}  // namespace trellis::test
