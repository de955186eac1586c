// The drop-down with an edit face: where its box sits, typing around the pop-up, the pop-up's
// keys while the box has the focus, and a picked row replacing the typed text.
#include "droplist/CElementDropdown.h"
#include "platform/window/Desktop.h"
#include "tests/droplist/DropListFixture.h"

namespace trellis::test {
namespace {

using Codes = std::vector<UINT>;

class DropdownTest : public DropListFixture {
 protected:
  DropdownTest() {
    _CONTAINER_INFO info = Info(30, 60, kWidth, 24, 11);
    info.SetName(L"combo");
    combo.InitObject(L"combo", &info);
    for (const wchar_t* t : {L"Apple", L"Banana", L"Cherry"}) combo.AddString(t);
    Pump();
  }

  std::wstring EditText() const { return combo.GetEdit()->GetTextString().GetString(); }

  CElementDropdown combo;
};

// The box covers the face but the arrow and shows the creation name; a click on the arrow
// opens the pop-up and focuses the box; disabling the control disables the box.
TEST_F(DropdownTest, TheBoxCoversTheFaceButTheArrowAndFollowsTheControl) {
  CElementEdit* edit = combo.GetEdit();
  ASSERT_EQ(edit->GetParent(), &combo);
  EXPECT_EQ(EditText(), L"combo");
  combo.MoveContainer(30, 60, 200, 18);
  Pump();
  EXPECT_EQ(edit->GetContainerRect(), CRect(combo.GetContainerRect().TopLeft(), CSize(187, 18)));
  Drop(combo);
  EXPECT_TRUE(IsOpen(combo));
  EXPECT_TRUE(edit->IsFocus());
  combo.Enable(0);
  EXPECT_FALSE(IsOpen(combo));
  EXPECT_FALSE(edit->IsEnable());
  Drop(combo);
  EXPECT_FALSE(IsOpen(combo));
  combo.Enable(1);
  EXPECT_TRUE(edit->IsEnable());
}

// Typed text survives the pop-up closing without a choice; while open, the list takes the
// box's keys and wheel; a row picked by Enter or a click replaces the text.
TEST_F(DropdownTest, TheOpenListTakesItsKeysFromTheBoxAndOnlyAPickReplacesTheText) {
  for (int i = 0; i < 20; ++i) combo.AddString(L"More");
  combo.SetDropPageCount(5);
  Click(*combo.GetEdit(), 20, 9);
  Key(VK_END);
  Type(L" pie");
  for (const UINT close : {UINT(VK_ESCAPE), UINT(0)}) {
    Drop(combo);
    close ? Key(close) : Click(parent, 350, 280);
    EXPECT_FALSE(IsOpen(combo));
    EXPECT_EQ(EditText(), L"combo pie");
  }
  Drop(combo);
  TakeCodes();
  screen.MouseWheel(-WHEEL_DELTA);
  Pump();
  EXPECT_EQ(PopupList(combo).GetTopIndex(), 1);
  screen.MouseWheel(WHEEL_DELTA);
  Pump();
  Key(VK_DOWN);
  Key(VK_DOWN);
  EXPECT_EQ(EditText(), L"combo pie");  // the arrows moved the list, not the caret
  Key(VK_RETURN);
  EXPECT_FALSE(IsOpen(combo));
  EXPECT_EQ(EditText(), L"Banana");
  EXPECT_EQ(combo.GetCurSel(), 1);
  EXPECT_EQ(TakeCodes(), (Codes{CElementDropList::DROPLIST_NM_SELECT,
                                CElementDropList::DROPLIST_NM_SELECTDONE}));
  // Closed, the keys are the box's own: Backspace edits.
  Key(VK_END);
  Key(VK_BACK);
  EXPECT_EQ(EditText(), L"Banan");
  Drop(combo);
  ClickAt(RowPoint(combo, 2));
  EXPECT_EQ(EditText(), L"Cherry");
}

// The box tells the input method where its caret is, as an edit box does: the composition
// shows inside the box and the commit goes into its text.
TEST_F(DropdownTest, TheBoxComposesAtItsCaretAndTakesTheCommit) {
  const platform::InputMethod& ime = platform::Desktop::Current().inputMethod;
  EXPECT_FALSE(ime.TextInputWanted());
  Click(*combo.GetEdit(), 20, 9);
  Key(VK_END);
  ASSERT_TRUE(ime.TextInputWanted());
  screen.ImeComposition(L"li", 2);
  Pump();
  ASSERT_NE(ime.Shown(), nullptr);
  const RECT area = ime.CandidateArea();
  const POINT start = ScreenPoint(*combo.GetEdit(), 0, 0);
  const CRect box(start, combo.GetEdit()->GetContainerRect().Size());
  EXPECT_TRUE(box.PtInRect({area.left, area.top})) << area.left << "," << area.top;
  EXPECT_GT(area.left, start.x + 4);  // after the text "combo"
  EXPECT_EQ(EditText(), L"combo");
  screen.ImeResult(L"梨");
  Pump();
  EXPECT_EQ(EditText(), L"combo梨");
  EXPECT_EQ(ime.Shown(), nullptr);
}

}  // namespace
}  // namespace trellis::test
