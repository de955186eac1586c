// The edit box's text model on its own: editing, the caret and selection rules, undo.
#include <gtest/gtest.h>

#include "edit/EditTextModel.h"

namespace {

EditTextModel Typed(std::wstring_view text) {
  EditTextModel m;
  for (wchar_t c : text) m.InsertChar(c);
  m.TakeWriteBack();
  return m;
}

void ExpectPositions(const EditTextModel& m, int caret, int start, int end) {
  EXPECT_EQ(m.Caret(), caret);
  EXPECT_EQ(m.SelStart(), start);
  EXPECT_EQ(m.SelEnd(), end);
}

}  // namespace

// What a check against a plain string cannot tell from a fault: which characters an edit
// takes, and what undo gives back.
TEST(EditTextModel, EditsActOnTheSelectionElseAtTheCaretAndUndoToggles) {
  EditTextModel m = Typed(L"hello");
  ASSERT_TRUE(m.SetSelectedStart(4) && m.SetSelectedEnd(1));  // "ell", right to left
  m.InsertChar(L'A');  // replaces it and collapses after the character
  EXPECT_EQ(m.Text(), L"hAo");
  ExpectPositions(m, 2, 2, 2);
  m = Typed(L"abcd");
  m.PlaceAt(1);
  m.MoveCaretRight();
  m.MoveCaretRight();  // the empty selection stays at 1
  m.DeleteSelect();    // the character after the caret, not after the anchor
  EXPECT_EQ(m.Text(), L"abc");
  ExpectPositions(m, 3, 3, 3);
  m.TakeWriteBack();
  m.SetCaret(0);
  m.Backspace();  // at the start: nothing to write back
  EXPECT_FALSE(m.TakeWriteBack());
  m.PlaceAt(3);
  m.SetSelectedStart(1);
  m.Backspace();  // the selection "bc" only
  EXPECT_EQ(m.Text(), L"a");
  m.TakeUndoSnapshot();
  m.InsertText(L"b\n\t");  // pasted whole, line feed and tab too
  EXPECT_EQ(m.Text(), L"ab\n\t");
  m.SelectAll();
  m.Undo();  // the selection is pulled into the shorter text, the caret to its end
  EXPECT_EQ(m.Text(), L"a");
  ExpectPositions(m, 1, 0, 1);
  m.Undo();
  EXPECT_EQ(m.Text(), L"ab\n\t");
  EXPECT_TRUE(m.TakeWriteBack());
}

TEST(EditTextModel, TextReplacedFromOutsidePullsCaretAndSelectionIntoIt) {
  EditTextModel m = Typed(L"abcdef");
  m.SetSelectedStart(2);
  EXPECT_FALSE(m.ReplaceText(L"abcdef"));
  const unsigned revision = m.Revision();
  EXPECT_TRUE(m.ReplaceText(L"x"));
  EXPECT_NE(m.Revision(), revision);
  ExpectPositions(m, 1, 1, 1);
  EXPECT_FALSE(m.TakeWriteBack());  // it came from where the text lives
  // Selection setters refuse positions outside the text.
  EXPECT_FALSE(m.SetSelectedStart(-1));
  EXPECT_FALSE(m.SetSelectedEnd(2));
  ExpectPositions(m, 1, 1, 1);
  EXPECT_TRUE(m.SetSelectedEnd(0));
  EXPECT_EQ(m.SelectedText(), L"x");
}
