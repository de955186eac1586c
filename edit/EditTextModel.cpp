#include "edit/EditTextModel.h"

#include <algorithm>
#include <cwchar>
#include <utility>

namespace {

// Texts are compared a block at a time first: the library's compare of a block costs about what
// a loop spends on a few characters, and an edit leaves thousands of them alike.
constexpr std::size_t kCompareBlock = 64;

// How many characters the two texts of at least `n` characters share at their start.
std::size_t CommonHead(const wchar_t* a, const wchar_t* b, std::size_t n) {
  std::size_t same = 0;
  while (same + kCompareBlock <= n && std::wmemcmp(a + same, b + same, kCompareBlock) == 0)
    same += kCompareBlock;
  while (same < n && a[same] == b[same]) ++same;
  return same;
}

// How many characters the texts ending just before `aEnd` and `bEnd` share at their end, at
// most `n`.
std::size_t CommonTail(const wchar_t* aEnd, const wchar_t* bEnd, std::size_t n) {
  std::size_t same = 0;
  while (same + kCompareBlock <= n &&
         std::wmemcmp(aEnd - same - kCompareBlock, bEnd - same - kCompareBlock, kCompareBlock) == 0)
    same += kCompareBlock;
  while (same < n && aEnd[-1 - std::ptrdiff_t(same)] == bEnd[-1 - std::ptrdiff_t(same)]) ++same;
  return same;
}

}  // namespace

std::wstring EditTextModel::SelectedText() const {
  return m_strText.substr(std::size_t(SelMin()), std::size_t(SelMax() - SelMin()));
}

void EditTextModel::InsertChar(wchar_t ch) { InsertText(std::wstring_view(&ch, 1)); }

void EditTextModel::InsertText(std::wstring_view text) {
  if (text.empty()) return;
  if (HasSelection()) DeleteSelect();
  NoteSplice(std::size_t(m_nCaret), 0);
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
  NoteReplacement(m_strUndo);
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
  NoteReplacement(text);
  m_strText.assign(text);
  // The text came from where it is written back to: the two are alike again.
  m_writeBackChange.reset();
  ++m_nRevision;
  ClampPositions();
  return true;
}

bool EditTextModel::TakeWriteBack(std::optional<Change>* changed) {
  const std::optional<Change> change = std::exchange(m_writeBackChange, std::nullopt);
  if (!std::exchange(m_bWriteBack, false)) return false;
  if (changed) *changed = change;
  return true;
}

void EditTextModel::Erase(int from, int count) {
  NoteSplice(std::size_t(from), std::size_t(count));
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

void EditTextModel::NoteSplice(std::size_t at, std::size_t removed) {
  // What lay before `at` and after the removed run stays, counted from either end; of that,
  // only what every change since the earlier text left alone is still shared.
  const std::size_t after = m_strText.size() - at - removed;
  for (std::optional<Change>* since : {&m_change, &m_writeBackChange}) {
    if (*since) **since = {std::min((*since)->head, at), std::min((*since)->tail, after)};
    else *since = Change{at, after};
  }
}

void EditTextModel::NoteReplacement(std::wstring_view now) {
  const std::size_t shorter = std::min(m_strText.size(), now.size());
  const std::size_t head = CommonHead(m_strText.data(), now.data(), shorter);
  const std::size_t tail =
      CommonTail(m_strText.data() + m_strText.size(), now.data() + now.size(), shorter - head);
  NoteSplice(head, m_strText.size() - head - tail);
}
