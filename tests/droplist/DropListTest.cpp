// The drop list through the host window and its real pop-up: opening, choosing by clicking and
// by keys, every way of closing, placement, scrolling, and a host that destroys the control.
#include <functional>

#include "host/CElementHost.h"
#include "tests/droplist/DropListFixture.h"

namespace trellis::test {
namespace {

using DropList = CElementDropList;
using Codes = std::vector<UINT>;
const Codes kChosen{DropList::DROPLIST_NM_SELECT, DropList::DROPLIST_NM_SELECTDONE};

class DropListTest : public DropListFixture {
 protected:
  // A second focusable element beside the drop list.
  CElementControl* MakeNeighbour() {
    auto* other = new CElementControl;
    _CONTAINER_INFO info = Info(200, 10, 60, 18, 9, ELEMENT_STYLE_CHECKBOX);
    other->InitObject(L"other", &info);
    neighbour = other;
    return other;
  }
  ~DropListTest() override {
    if (neighbour) delete neighbour;
  }
  CElementControl* neighbour = nullptr;
};

// Moving over rows selects them without choosing; a click chooses and shows the row's text,
// and the keyboard focus stays with the control, so its keys still reach it.
TEST_F(DropListTest, HoverSelectsAndAClickChoosesARowOfThePopup) {
  Fill(*drop, 25);
  Drop(*drop);
  TakeCodes();
  for (int row : {6, 2, 3}) {
    HoverAt(RowPoint(*drop, row));
    EXPECT_EQ(PopupList(*drop).GetCurSel(), row);
  }
  EXPECT_TRUE(TakeCodes().empty());
  ClickAt(RowPoint(*drop, 3));
  EXPECT_EQ(TakeCodes(), kChosen);
  EXPECT_EQ(std::wstring(drop->GetTextString().GetString()), L"Item 3");
  EXPECT_TRUE(drop->IsFocus());
}

TEST_F(DropListTest, EveryWayOfClosing) {
  struct Way {
    const char* name;
    std::function<void()> act;
    bool chooses;
  };
  const Way ways[] = {
      {"press outside the pop-up", [this] { Click(parent, 300, 250); }, false},
      {"press on the face", [this] { Drop(*drop); }, false},
      {"Escape", [this] { Key(VK_ESCAPE); }, false},
      {"Enter", [this] { Key(VK_RETURN); }, true},
      {"release on a row", [this] { ClickAt(RowPoint(*drop, 1)); }, true},
      {"press on the face dragged to a row",
       [this] {
         const POINT face = ScreenPoint(*drop, kWidth - 6, 9), row = RowPoint(*drop, 1);
         Key(VK_ESCAPE);
         screen.MouseDown(face.x, face.y);
         Pump();
         TakeCodes();
         screen.MouseMove(row.x, row.y);
         screen.MouseUp(row.x, row.y);
       },
       true},
      {"capture taken by another window",
       [this] {
         ::SetCapture(window.m_hWnd);
         Pump();
       },
       false},
      {"WM_KILLFOCUS", [this] { Popup(*drop).CWnd::SendMessage(WM_KILLFOCUS); }, false},
      {"focus moved to another element", [this] { MakeNeighbour()->SetFocus(); }, false},
      {"Tab",
       [this] {
         MakeNeighbour();
         Key(VK_TAB);
       },
       false},
      {"disabled", [this] { drop->Enable(0); }, false},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    if (neighbour) {
      delete neighbour;
      neighbour = nullptr;
    }
    drop->Enable(1);
    Fill(*drop, 5);
    drop->SetCurSel(0);
    Drop(*drop);
    ASSERT_TRUE(IsOpen(*drop));
    HoverAt(RowPoint(*drop, 1));
    TakeCodes();
    way.act();
    Pump();
    EXPECT_FALSE(IsOpen(*drop));
    EXPECT_EQ(PopupList(*drop).GetCount(), 0);
    EXPECT_NE(::GetCapture(), Popup(*drop).m_hWnd);
    EXPECT_EQ(TakeCodes(), way.chooses ? kChosen : Codes{});
    EXPECT_EQ(drop->GetCurSel(), way.chooses ? 1 : 0);
  }
}

TEST_F(DropListTest, OpeningIsSilentAndShowsTheSelectionClamped) {
  Fill(*drop, 25);
  drop->SetCurSel(22);
  Drop(*drop);
  EXPECT_EQ(TakeCodes(), Codes{DropList::DROPLIST_NM_DROPDOWN});
  EXPECT_EQ(PopupList(*drop).GetCurSel(), 22);
  EXPECT_EQ(PopupList(*drop).GetTopIndex(), 5);
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  ASSERT_TRUE(Popup(*drop).GetScrollBar().GetScrollInfo(&info));
  EXPECT_EQ(info.nPos, 5);
  EXPECT_EQ(info.nMax, 24);
  EXPECT_EQ(info.nPage, 20u);
}

TEST_F(DropListTest, PopupPlacementFollowsRowsPageCountAndRoomBelow) {
  struct Case {
    int items, page;
    int height;
    bool scroll;
  };
  // The heights are the layout's; here the real window takes them, and the bar shows or not.
  const Case cases[] = {{3, 20, 56, false}, {25, 20, 362, true}, {25, 0, 20, true}};
  const POINT corner = ScreenPoint(*drop, 0, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.items << " items, page " << c.page);
    Fill(*drop, c.items);
    drop->SetDropPageCount(c.page);
    Drop(*drop);
    ASSERT_TRUE(IsOpen(*drop));
    const CRect rect = PopupRect(*drop);
    EXPECT_EQ(rect, CRect(corner.x, corner.y + 17, corner.x + kWidth, corner.y + 17 + c.height));
    EXPECT_EQ(bool(Popup(*drop).GetScrollBar().IsWindowVisible()), c.scroll);
    CRect list;
    PopupList(*drop).GetWindowRect(&list);
    EXPECT_EQ(list.Width(), c.scroll ? kWidth - 15 : kWidth - 2);
    Key(VK_ESCAPE);
  }
  // Near the bottom of the screen it opens upward, over the control's top border.
  drop->SetDropPageCount(20);
  Fill(*drop, 25);
  drop->MoveContainer(10, 270, kWidth, 18);
  ::MoveWindow(window.m_hWnd, kWindowX, 280, kWindowWidth, kWindowHeight, TRUE);
  Pump();
  Drop(*drop);
  const POINT top = ScreenPoint(*drop, 0, 0);
  EXPECT_EQ(PopupRect(*drop), CRect(top.x, top.y + 1 - 362, top.x + kWidth, top.y + 1));
}

// Which row an arrow reaches is the layout's; here the list and its bar follow, silently.
TEST_F(DropListTest, KeysMoveTheSelectionAndTheBarFollows) {
  Fill(*drop, 25);
  drop->SetCurSel(0);
  Drop(*drop);
  TakeCodes();
  for (int i = 0; i < 21; ++i) Key(VK_DOWN);
  EXPECT_EQ(PopupList(*drop).GetTopIndex(), 2);
  EXPECT_EQ(BarPos(*drop), 2);
  for (const auto& [key, row] : {std::pair{VK_END, 24}, {VK_HOME, 0}, {VK_NEXT, 19}}) {
    Key(key);
    EXPECT_EQ(PopupList(*drop).GetCurSel(), row) << key;
  }
  EXPECT_TRUE(TakeCodes().empty());
}

TEST_F(DropListTest, KeysWithTheListClosedReachTheParentAsKeysNotNotifications) {
  Fill(*drop, 3);
  drop->SetFocus();
  for (UINT vk : {UINT(VK_BACK), UINT(VK_RETURN), UINT(VK_DOWN)}) {
    parent.notices.clear();
    Key(vk);
    ASSERT_EQ(parent.notices.size(), 1u) << vk;
    EXPECT_EQ(parent.notices[0].msg, UINT(WM_KEYDOWN));
    EXPECT_EQ(parent.notices[0].wParam, WPARAM(vk));
    EXPECT_EQ(parent.notices[0].from, kId);
  }
  EXPECT_EQ(drop->GetCurSel(), -1);
}

TEST_F(DropListTest, WheelScrollsARowANotchAndTheBarFollows) {
  Fill(*drop, 25);
  Drop(*drop);
  HoverAt(RowPoint(*drop, 2));
  for (int notch = 0; notch < 3; ++notch) screen.MouseWheel(-WHEEL_DELTA);
  screen.MouseWheel(WHEEL_DELTA);
  Pump();
  EXPECT_EQ(PopupList(*drop).GetTopIndex(), 2);
  EXPECT_EQ(BarPos(*drop), 2);
  EXPECT_TRUE(IsOpen(*drop));
}

TEST_F(DropListTest, TheScrollBarScrollsTheListAndKeepsThePopupOpen) {
  Fill(*drop, 100000);
  Drop(*drop);
  CSkinScroll& bar = Popup(*drop).GetScrollBar();
  ASSERT_TRUE(bar.IsWindowVisible());
  // A double click on an arrow scrolls one line; a click after it one more.
  const POINT down = BarPoint(*drop, 7, bar.GetDownRect().CenterPoint().y);
  ClickAt(down);
  ClickAt(down);
  EXPECT_EQ(PopupList(*drop).GetTopIndex(), 1);
  Advance(1000);
  ClickAt(down);
  EXPECT_EQ(PopupList(*drop).GetTopIndex(), 2);
  // Dragging the thumb to the bottom reaches the last page, far past 65,535.
  const CRect thumb = bar.GetThumbRect();
  const POINT from = BarPoint(*drop, 7, thumb.CenterPoint().y);
  screen.MouseDown(from.x, from.y);
  screen.MouseMove(from.x, from.y + 400);
  screen.MouseUp(from.x, from.y + 400);
  Pump();
  EXPECT_TRUE(IsOpen(*drop));
  EXPECT_EQ(PopupList(*drop).GetTopIndex(), 100000 - 20);
  EXPECT_TRUE(TakeCodes() == Codes{DropList::DROPLIST_NM_DROPDOWN});
  // A release on the bar chooses nothing; a row still can be chosen afterwards.
  ClickAt(RowPoint(*drop, 99990));
  EXPECT_EQ(drop->GetCurSel(), 99990);
}

// The parent destroys the control when it hears of the choice: nothing may touch it afterwards
// (the sanitizer build sees any use after free).
class DestroyingParent : public RecordingParent {
 public:
  CElementDropList* victim = nullptr;
  UINT onCode = 0;

 protected:
  int OnControlMessage(DWORD fromId, UINT msg, WPARAM wParam, LPARAM lParam) override {
    RecordingParent::OnControlMessage(fromId, msg, wParam, lParam);
    if (victim && msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == onCode)
      std::exchange(victim, nullptr)->Release();
    return 1;
  }
};

TEST_F(DropListTest, TheParentMayDestroyTheControlInAnyOfItsNotifications) {
  for (const UINT code : {DropList::DROPLIST_NM_SELECT, DropList::DROPLIST_NM_SELECTDONE,
                          DropList::DROPLIST_NM_DROPDOWN}) {
    for (const bool byKey : {false, true}) {
      SCOPED_TRACE(testing::Message() << "code " << code << (byKey ? ", Enter" : ", click"));
      DestroyingParent owner;
      _CONTAINER_INFO info = Info(0, 0, kWindowWidth, kWindowHeight);
      info.SetParent(window.Root());
      owner.InitObject(L"owner", &info);
      auto* victim = new CElementDropList;
      victim->AddRef();
      _CONTAINER_INFO own = Info(10, 40, kWidth, 18, 3);
      own.SetParent(&owner);
      victim->InitObject(L"victim", &own);
      for (int i = 0; i < 4; ++i) victim->AddString(L"row");
      owner.victim = victim;
      owner.onCode = code;
      Pump();
      Drop(*victim);
      if (owner.victim) {
        if (byKey)
          Key(VK_RETURN);
        else
          ClickAt(RowPoint(*victim, 2));
      }
      EXPECT_EQ(owner.victim, nullptr);
      Pump();
    }
  }
}

TEST_F(DropListTest, EachCopyOwnsItsOwnPopup) {
  Fill(*drop, 4);
  drop->SetCurSel(1);
  {
    CElementDropList copy(*drop);
    EXPECT_EQ(copy.GetDropWnd(), nullptr);
    EXPECT_EQ(copy.GetCurSel(), 1);
    copy.ResetParent(&parent);
    copy.MoveContainer(10, 60, kWidth, 18);
    Pump();
    Drop(copy);
    ASSERT_TRUE(IsOpen(copy));
    EXPECT_NE(copy.GetDropWnd(), drop->GetDropWnd());
    EXPECT_FALSE(IsOpen(*drop));
    ClickAt(RowPoint(copy, 3));
    EXPECT_EQ(copy.GetCurSel(), 3);
    EXPECT_EQ(drop->GetCurSel(), 1);
  }
  Pump();
  // The original's pop-up outlived the copy's.
  Drop(*drop);
  EXPECT_TRUE(IsOpen(*drop));
}

TEST_F(DropListTest, TheFaceIsEighteenHighAndItsArrowLeavesRoomForTheText) {
  drop->MoveContainer(10, 10, 120, 40);
  Pump();
  Fill(*drop, 2);
  drop->SetCurSel(0);
  // Text, separator and arrow colours, read back from the screen.
  const COLORREF frame = drop->GetColor(COLOR_PART_FRAME, COLOR_STATE_NORMAL);
  EXPECT_EQ(PixelAt(*drop, 0, 9), frame);
  EXPECT_EQ(PixelAt(*drop, 120 - 15, 9), frame);  // the separator
  EXPECT_EQ(PixelAt(*drop, 60, 17), frame);       // the bottom edge at 18 pixels
  EXPECT_EQ(PixelAt(*drop, 60, 18), PixelAt(parent, 300, 250));
}

}  // namespace
}  // namespace trellis::test
