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

TEST(EditTextModel, EditsTakeTheSelectionElseActAtTheCaretNotTheAnchor) {
  EditTextModel m = Typed(L"hello");
  // Selected from right to left: "ell"; typing replaces it and collapses after the character.
  ASSERT_TRUE(m.SetSelectedStart(4));
  ASSERT_TRUE(m.SetSelectedEnd(1));
  m.InsertChar(L'A');
  EXPECT_EQ(m.Text(), L"hAo");
  ExpectPositions(m, 2, 2, 2);
  // Without a selection, Delete takes the character after the caret, not after the anchor.
  m = Typed(L"abcd");
  m.PlaceAt(1);
  m.MoveCaretRight();
  m.MoveCaretRight();  // the empty selection stays at 1
  ExpectPositions(m, 3, 1, 1);
  m.DeleteSelect();
  EXPECT_EQ(m.Text(), L"abc");
  ExpectPositions(m, 3, 3, 3);
  // Backspace at the start writes nothing back; with a selection it erases just that.
  m.TakeWriteBack();
  m.SetCaret(0);
  m.Backspace();
  EXPECT_FALSE(m.TakeWriteBack());
  m.PlaceAt(3);
  m.SetSelectedStart(1);  // erases "bc", not the character before the caret
  m.Backspace();
  EXPECT_EQ(m.Text(), L"a");
  ExpectPositions(m, 1, 1, 1);
}

TEST(EditTextModel, UndoTogglesAndClampsTheSelectionToAShorterText) {
  EditTextModel m = Typed(L"ab");
  m.TakeUndoSnapshot();
  m.InsertText(L"cdef");
  m.SelectAll();
  ExpectPositions(m, 6, 0, 6);
  m.Undo();
  EXPECT_EQ(m.Text(), L"ab");
  ExpectPositions(m, 2, 0, 2);
  m.Undo();
  EXPECT_EQ(m.Text(), L"abcdef");
  EXPECT_EQ(m.Caret(), 6);
  EXPECT_TRUE(m.TakeWriteBack());
}

TEST(EditTextModel, PastedTextEntersWholeWithItsLineFeedsAndTheSelectionFollows) {
  EditTextModel m;
  m.InsertText(L"a\n");
  m.InsertText(L"\txy");
  EXPECT_EQ(m.Text(), L"a\n\txy");
  ExpectPositions(m, 5, 5, 5);
  // Nothing to paste leaves even a selection alone.
  m.SelectAll();
  m.InsertText(L"");
  EXPECT_EQ(m.Text(), L"a\n\txy");
  ExpectPositions(m, 5, 0, 5);
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
