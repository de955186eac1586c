// The edit box driven as a user drives it: through the host window, with injected input, the
// platform clock and pixels read back.
#include <tuple>

#include "tests/edit/EditBoxFixture.h"

using namespace trellis::test;

// Left and Right move the caret alone (Shift selects nothing), Up and Down bring the selection
// to it, and Delete takes the character after the caret.
TEST_F(EditBox, KeysMoveOnlyTheCaretAndDeleteTakesTheCharacterAfterIt) {
  Make(L"abcd");
  Click(edit, 2, 12);
  // {key, with Shift, caret, selection start and end, text}
  const std::tuple<UINT, bool, int, int, int, const wchar_t*> steps[] = {
      {VK_RIGHT, false, 1, 0, 0, L"abcd"}, {VK_RIGHT, false, 2, 0, 0, L"abcd"},
      {VK_DELETE, false, 2, 2, 2, L"abd"}, {VK_LEFT, true, 1, 2, 2, L"abd"},
      {VK_UP, false, 1, 1, 1, L"abd"},     {VK_END, false, 3, 3, 3, L"abd"},
      {VK_RIGHT, false, 3, 3, 3, L"abd"},  {VK_HOME, false, 0, 0, 0, L"abd"},
  };
  for (const auto& [key, shift, caret, start, end, text] : steps) {
    if (shift) screen.KeyDown(VK_SHIFT);
    Key(key);
    if (shift) screen.KeyUp(VK_SHIFT);
    ExpectPositions(caret, start, end);
    EXPECT_EQ(Text(), text);
  }
  // A text set by the host pulls caret and selection into it.
  Key(VK_END);
  edit.SetText(L"ab");
  ExpectPositions(2, 2, 2);
}

// Dragging selects in either direction with the same look; disabling the edit during a drag lets
// the mouse go (what a disabled edit tells its parent is the pinned notification sequence's).
TEST_F(EditBox, DragsSelectInEitherDirectionAndDisablingLetsTheMouseGo) {
  Make(L"hello world");
  Press(edit, At(2), 12);
  MoveTo(edit, At(7), 12);
  EXPECT_EQ(edit.GetShowState(), DWORD(COLOR_STATE_PUSH));
  Release(edit, At(7), 12);
  ExpectPositions(7, 2, 7);
  EXPECT_EQ(edit.GetShowState(), DWORD(COLOR_STATE_FOCUS));
  // The caret has not blinked on yet, so the rows compare whole.
  const std::vector<COLORREF> leftToRight = Shown(edit, {0, 12, 200, 13});
  LoseFocus();  // clears the selection, keeps the caret
  ExpectPositions(7, 0, 0);

  Press(edit, At(7), 12);
  MoveTo(edit, At(2), 12);
  Release(edit, At(2), 12);
  ExpectPositions(2, 7, 2);
  // The selection's own look is the golden image's.
  EXPECT_EQ(Shown(edit, {0, 12, 200, 13}), leftToRight);
  Advance(1000);  // no double click
  Press(edit, At(1), 12);
  ASSERT_EQ(window.Host()->Capture(), &edit);
  edit.Enable(0);
  EXPECT_EQ(window.Host()->Capture(), nullptr);
  EXPECT_EQ(edit.GetShowState(), DWORD(COLOR_STATE_DISABLE));
  Release(edit, At(1), 12);
  EXPECT_EQ(Text(), L"hello world");
}

// Which boundary is nearer is EditGeometry's table; here clicks reach it, in a view scrolled
// to keep the caret shown, and a double click selects all.
TEST_F(EditBox, ClicksFindTheCharacterUnderThemAndTheViewScrollsToTheCaret) {
  Make(std::wstring(200, L'm').c_str(), 100);
  Click(edit, 1, 12);  // left of the text
  EXPECT_EQ(edit.GetCaret(), 0);
  Key(VK_END);  // the text's end at the right edge, as the golden image shows
  EXPECT_EQ(BoundaryX(200), 100 - kTextLeft);
  Advance(1000);
  Click(edit, At(195), 12);
  ExpectPositions(195, 195, 195);
  Advance(1000);
  Click(edit, 99, 12);  // beyond the text
  EXPECT_EQ(edit.GetCaret(), 200);
  // The second click comes at once: the whole text, the caret at its end, kept by the release.
  Click(edit, 99, 12);
  ExpectPositions(200, 0, 200);
  Key(VK_HOME);
  EXPECT_EQ(edit.GetScrollOffset(), 0);
}

TEST_F(EditBox, TheCaretBlinksOnlyWhileFocused) {
  Make(L"abc");
  Click(edit, 190, 12);
  const COLORREF field = PixelAt(edit, 150, 12);  // the focused look, beyond the text
  const int x = BoundaryX(3);
  EXPECT_EQ(PixelAt(edit, x, 12), field);  // first shown at the first tick
  for (bool shown : {true, false, true}) {
    Advance(GetCaretBlinkTime());
    EXPECT_EQ(PixelAt(edit, x, 12) != field, shown);
  }
  LoseFocus();
  // The pointer is still over the edit: its field shows the hover look, with no caret.
  const COLORREF hovered = PixelAt(edit, 150, 12);
  EXPECT_EQ(PixelAt(edit, x, 12), hovered);
  Advance(10 * GetCaretBlinkTime());
  EXPECT_EQ(PixelAt(edit, x, 12), hovered);
}

// The looks of each state are the golden image's; a frame of no colour leaves the background.
TEST_F(EditBox, AnAmpersandShowsAsItselfAndAMissingFrameShowsTheBackground) {
  Make(L"a&&");
  const COLORREF field = PixelAt(edit, 150, 12);
  // Where the caret counts the second ampersand.
  EXPECT_GT(PixelsOtherThan(edit, {BoundaryX(2), 4, BoundaryX(3), 20}, field), 5);
  edit.SetColor(COLOR_NONE, COLOR_PART_FRAME, COLOR_STATE_NORMAL);
  edit.SetShowColor(COLOR_STATE_NORMAL);
  edit.InvalidContainerRect(0, nullptr);
  EXPECT_EQ(PixelAt(edit, 0, 0), edit.GetColor(COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL));
}
