#include "edit/EditTextModel.h"

#include <algorithm>
#include <utility>

std::wstring EditTextModel::SelectedText() const {
  return m_strText.substr(std::size_t(SelMin()), std::size_t(SelMax() - SelMin()));
}

void EditTextModel::InsertChar(wchar_t ch) { InsertText(std::wstring_view(&ch, 1)); }

void EditTextModel::InsertText(std::wstring_view text) {
  if (text.empty()) return;
  if (HasSelection()) DeleteSelect();
  m_strText.insert(std::size_t(m_nCaret), text);
  m_nCaret += static_cast<int>(text.size());
  MarkWritten();
  CollapseOnCaret();
}

void EditTextModel::Backspace() {
  if (HasSelection()) {
    const int from = SelMin();
    Erase(from, SelMax() - from);
    m_nCaret = from;
    MarkWritten();
  } else if (m_nCaret >= 1) {
    --m_nCaret;
    Erase(m_nCaret, 1);
    MarkWritten();
  }
  CollapseOnCaret();
}

void EditTextModel::DeleteSelect() {
  if (HasSelection()) {
    const int from = SelMin();
    Erase(from, SelMax() - from);
    m_nCaret = from;
  } else if (m_nCaret < Length()) {
    Erase(m_nCaret, 1);
  }
  // Written back even when nothing was erased, as the host may count on hearing of a Delete.
  MarkWritten();
  CollapseOnCaret();
}

void EditTextModel::Undo() {
  std::swap(m_strText, m_strUndo);
  m_nCaret = Length();
  ClampPositions();
  MarkWritten();
}

void EditTextModel::MoveCaretLeft() {
  if (m_nCaret > 0) --m_nCaret;
}

void EditTextModel::MoveCaretRight() {
  if (m_nCaret < Length()) ++m_nCaret;
}

void EditTextModel::PlaceAt(int pos) {
  m_nCaret = std::clamp(pos, 0, Length());
  CollapseOnCaret();
}

void EditTextModel::SetCaret(int pos) { m_nCaret = std::clamp(pos, 0, Length()); }

bool EditTextModel::SetSelectedStart(int pos) {
  if (!IsAccepted(pos)) return false;
  m_nSelStart = pos;
  return true;
}

bool EditTextModel::SetSelectedEnd(int pos) {
  if (!IsAccepted(pos)) return false;
  m_nSelEnd = pos;
  return true;
}

void EditTextModel::SelectAll() {
  m_nSelStart = 0;
  m_nSelEnd = Length();
}

void EditTextModel::CollapseOnCaret() { m_nSelStart = m_nSelEnd = m_nCaret; }

bool EditTextModel::ReplaceText(std::wstring_view text) {
  if (text == m_strText) return false;
  m_strText.assign(text);
  ++m_nRevision;
  ClampPositions();
  return true;
}

bool EditTextModel::TakeWriteBack() { return std::exchange(m_bWriteBack, false); }

void EditTextModel::Erase(int from, int count) {
  m_strText.erase(std::size_t(from), std::size_t(count));
}

void EditTextModel::MarkWritten() {
  ++m_nRevision;
  m_bWriteBack = true;
}

void EditTextModel::ClampPositions() {
  m_nCaret = std::clamp(m_nCaret, 0, Length());
  m_nSelStart = std::clamp(m_nSelStart, 0, Length());
  m_nSelEnd = std::clamp(m_nSelEnd, 0, Length());
}
