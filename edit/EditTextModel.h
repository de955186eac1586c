/// @class EditTextModel
/// The edit box's text, caret and selection, and the editing operations on them, apart from any
/// window or platform so that they can be tested on their own.
///
/// The caret and the selection are independent: moving the caret with the arrow keys leaves the
/// selection where it is. The selection is the half-open range between its anchor (start) and
/// its end, in either order; it is empty when they are equal. Every position stays within
/// 0..Length() whatever happens to the text, so a position the model hands out is always valid
/// for the text it holds.
///
/// Each edit marks the text for write-back; the owner hands it to wherever the authoritative
/// copy lives (the element's control text) and learns of it through TakeWriteBack().
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class EditTextModel {
 public:
  /// How the text differs from an earlier one: the two share their first `head` and their last
  /// `tail` characters, which do not overlap in either text.
  struct Change {
    std::size_t head = 0;  ///< characters alike at the start
    std::size_t tail = 0;  ///< characters alike at the end
  };

  ///@{
  /// The text and its length in characters.
  const std::wstring& Text() const { return m_strText; }
  int Length() const { return static_cast<int>(m_strText.size()); }
  ///@}
  ///@{
  /// The caret, and the selection's anchor and end, in characters from the start.
  int Caret() const { return m_nCaret; }
  int SelStart() const { return m_nSelStart; }
  int SelEnd() const { return m_nSelEnd; }
  ///@}
  /// The selection is not empty.
  bool HasSelection() const { return m_nSelStart != m_nSelEnd; }
  ///@{
  /// The selection's ends in text order, whichever way it was made.
  int SelMin() const { return m_nSelStart < m_nSelEnd ? m_nSelStart : m_nSelEnd; }
  int SelMax() const { return m_nSelStart < m_nSelEnd ? m_nSelEnd : m_nSelStart; }
  ///@}
  /// The characters between SelMin and SelMax.
  std::wstring SelectedText() const;
  /// A position the caret or the selection may take.
  bool IsAccepted(int pos) const { return pos >= 0 && pos <= Length(); }
  /// Bumped on every change of the text, so that whatever is derived from it knows when to redo it.
  unsigned Revision() const { return m_nRevision; }

  // ---- editing; each writes the text back, except where it says otherwise
  /// Replaces a non-empty selection with the character, or inserts it at the caret; the
  /// selection then collapses after it.
  void InsertChar(wchar_t ch);
  /// The same as inserting the characters one by one, with a single write-back.
  void InsertText(std::wstring_view text);
  /// Erases the selection, or else the character before the caret. At the start of the text with
  /// no selection nothing is erased or written back.
  void Backspace();
  /// Erases the selection, or else the character after the caret (nothing at the end).
  void DeleteSelect();
  /// Swaps the text with the undo snapshot; the caret goes to the end. A second Undo restores
  /// the text the first replaced.
  void Undo();
  /// Remembers the text as the one Undo goes back to; the owner calls it before each edit of
  /// the user's.
  void TakeUndoSnapshot() { m_strUndo = m_strText; }

  // ---- caret and selection; none of these writes back
  ///@{
  /// Left and Right move the caret only, one character, stopping at the ends.
  void MoveCaretLeft();
  void MoveCaretRight();
  ///@}
  /// Caret and an empty selection at one position, clamped to the text.
  void PlaceAt(int pos);
  /// The caret alone at a position, clamped to the text.
  void SetCaret(int pos);
  ///@{
  /// Refused (false) when pos is not an accepted position.
  bool SetSelectedStart(int pos);
  bool SetSelectedEnd(int pos);
  ///@}
  /// Selects the whole text; the caret stays.
  void SelectAll();
  /// Selection start and end at the caret.
  void CollapseOnCaret();

  /// The text as it now stands elsewhere (the host replaced it); caret and selection are pulled
  /// into it. Returns false, changing nothing, when it is the text already held.
  bool ReplaceText(std::wstring_view text);
  /// True once after each edit that must be written back; `changed`, when given, then says
  /// how the text differs from the one last written back or taken in (nothing when it does not).
  bool TakeWriteBack(std::optional<Change>* changed = nullptr);

  /// What changed since the last call, nothing when the text is the same; for the one owner
  /// that keeps what it derives from the text in step by redoing only the changed part.
  std::optional<Change> TakeChange() { return std::exchange(m_change, std::nullopt); }

 private:
  void Erase(int from, int count);
  /// Notes, before it happens, that `removed` characters at `at` give way to others.
  void NoteSplice(std::size_t at, std::size_t removed);
  /// Notes that the whole text was replaced by `now`, before it is.
  void NoteReplacement(std::wstring_view now);
  void MarkWritten();
  void ClampPositions();

  std::wstring m_strText;
  std::wstring m_strUndo;
  int m_nCaret = 0;
  int m_nSelStart = 0;
  int m_nSelEnd = 0;
  unsigned m_nRevision = 0;
  bool m_bWriteBack = false;
  /// Since the last TakeChange, and since the last write-back or text taken in.
  std::optional<Change> m_change;
  std::optional<Change> m_writeBackChange;
};
