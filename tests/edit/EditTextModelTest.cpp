// The edit box's text model on its own: editing, the caret and selection rules, undo.
#include <gtest/gtest.h>

#include <random>

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

// What the random walk below cannot tell from a fault: which characters an edit takes, and
// what undo gives back.
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

TEST(EditTextModel, RandomEditsKeepEveryPositionInsideTheText) {
  std::mt19937 rng(7);
  EditTextModel m;
  std::wstring expected;
  for (int step = 0; step < 5000; ++step) {
    const int length = m.Length();
    switch (rng() % 9) {
      case 0: case 1: {
        const bool replaces = m.HasSelection();
        const int at = replaces ? m.SelMin() : m.Caret();
        if (replaces) expected.erase(std::size_t(at), std::size_t(m.SelMax() - at));
        expected.insert(std::size_t(at), 1, wchar_t(L'a' + rng() % 26));
        m.InsertChar(expected[std::size_t(at)]);
        EXPECT_EQ(m.Caret(), at + 1);
        break;
      }
      case 2: m.Backspace(); expected = m.Text(); break;
      case 3: m.DeleteSelect(); expected = m.Text(); break;
      case 4: m.MoveCaretLeft(); break;
      case 5: m.MoveCaretRight(); break;
      case 6: m.SetSelectedStart(int(rng() % unsigned(length + 2)) - 1); break;
      case 7: m.SetSelectedEnd(int(rng() % unsigned(length + 2)) - 1); break;
      default:
        if (rng() % 4 == 0) m.TakeUndoSnapshot();
        else m.Undo();
        expected = m.Text();
        break;
    }
    ASSERT_EQ(m.Text(), expected);
    ASSERT_TRUE(m.IsAccepted(m.Caret()));
    ASSERT_TRUE(m.IsAccepted(m.SelStart()));
    ASSERT_TRUE(m.IsAccepted(m.SelEnd()));
  }
}
