// The edit box's input: keys, typed characters, the mouse, focus, the caret blink and hover.
//
// A disabled edit takes no input at all; a read-only one takes no keys or characters (and shows
// no context menu) but can still be focused and have its text selected with the mouse.
#include <algorithm>

#include "edit/CElementEdit.h"
#include "platform/win32/WinInput.h"

namespace {

// What a key press may type: the space and every visible character. Control characters (C0,
// DEL, C1) and the other kinds of space type nothing. Unlike iswgraph, this does not depend on
// the C library's locale, which in the default "C" locale would refuse every non-ASCII letter.
bool IsTypedCharacter(UINT ch) {
  if (ch == L' ') return true;
  if (ch < 0x21 || (ch >= 0x7F && ch <= 0xA0)) return false;
  switch (ch) {
    case 0x1680: case 0x2028: case 0x2029: case 0x202F: case 0x205F: case 0x3000: return false;
    default: return !(ch >= 0x2000 && ch <= 0x200A) && ch <= 0x10FFFF;
  }
}

bool IsCtrlDown() { return ::GetKeyState(VK_CONTROL) < 0; }

}  // namespace

void CElementEdit::SetIBeamCursor() const { ::SetCursor(::LoadCursorW(nullptr, IDC_IBEAM)); }

// ---- keys and characters

int CElementEdit::OnKeyDown(UINT vk, UINT, UINT) {
  if (!IsEnable() || m_bReadOnly) return 0;
  bool changed = false;
  // Letters are their own upper-case virtual keys; Shift is not consulted, so there is no
  // keyboard selection.
  const bool ctrl = IsCtrlDown();
  if (vk == VK_LEFT && m_model.Caret() > 0) {
    m_model.MoveCaretLeft();
  } else if (vk == VK_RIGHT && m_model.Caret() < m_model.Length()) {
    m_model.MoveCaretRight();
  } else if (vk == VK_UP || vk == VK_DOWN) {
    m_model.CollapseOnCaret();
  } else if (ctrl && vk == 'Z') {
    Undo();
    changed = true;
  } else if (ctrl && vk == 'X') {
    CutOperation();
    changed = true;
  } else if (ctrl && vk == 'C') {
    CopyToChipboard();
  } else if (ctrl && vk == 'V') {
    PasteOperation();
    changed = true;
  } else if (vk == VK_DELETE) {
    DeleteSelect();
    changed = true;
  } else if (vk == VK_HOME) {
    m_model.PlaceAt(0);
  } else if (vk == VK_END) {
    m_model.PlaceAt(m_model.Length());
  }
  Redraw();
  // Notify last (ElementWatch.h).
  if (changed) Notify(EDIT_NOTIFY_CHANGE);
  return 1;
}

int CElementEdit::OnChar(UINT ch, int, int) {
  if (!IsEnable() || m_bReadOnly) return 0;
  bool changed = false;
  // Typing replaces the selection or goes in at the caret; erasing takes the selection or the
  // character before the caret: nothing before the earliest of those changes.
  const int first = std::min(m_model.SelMin(), m_model.Caret() - (ch == VK_BACK ? 1 : 0));
  const int scrollBefore = m_nScrollOffset;
  if (ch == VK_BACK) {
    m_model.Backspace();
    changed = true;
  } else if (IsTypedCharacter(ch)) {
    m_model.InsertChar(static_cast<wchar_t>(ch));
    changed = true;
  }
  // The text changed from `first` on at most, and that is all there is to repaint.
  if (changed && KeepModelText()) RedrawFrom(first, scrollBefore);
  else Redraw();
  SkipMsg();
  // Notify last (ElementWatch.h).
  if (changed)
    Notify(EDIT_NOTIFY_CHANGE);
  else if (ch == VK_RETURN)
    Notify(EDIT_NOTIFY_RETURN);
  return 1;
}

// ---- mouse: the shared press machine drags the selection

int CElementEdit::OnLButtonDown(POINT pt) {
  if (Press(PressEvent::Down, pt).ignored) return 0;
  m_model.PlaceAt(CalcTextPos(GetShowText().c_str(), pt.x));
  ShowLook();
  Redraw();
  SkipMsg();
  // The framework leaves click-to-focus to each element; last, as the parent hears of it
  // (ElementWatch.h).
  SetFocus();
  return 1;
}

int CElementEdit::OnMouseMove(int x, int y, DWORD flags) {
  if (Press(PressEvent::Move, {x, y}, flags).ignored) return 0;
  ShowLook();
  if (GetPress().Pressed()) {
    // The anchor stays where the press put it.
    m_model.SetCaret(CalcTextPos(GetShowText().c_str(), x));
    m_model.SetSelectedEnd(m_model.Caret());
    Redraw();
  }
  SetIBeamCursor();
  return 1;
}

int CElementEdit::OnLButtonUp(POINT pt) {
  if (Press(PressEvent::Up, pt).ignored) return 0;
  ShowLook();
  InvalidContainerRect(0, nullptr);
  if (m_bDoubleClick) {
    m_bDoubleClick = 0;
  } else {
    m_model.SetCaret(CalcTextPos(GetShowText().c_str(), pt.x));
    m_model.SetSelectedEnd(m_model.Caret());
  }
  Redraw();
  return 1;
}

int CElementEdit::OnDBClick(int, POINT) {
  if (!IsEnable()) return 0;
  // The whole text, not a word; the release that follows repaints.
  m_model.SelectAll();
  m_model.SetCaret(m_model.Length());
  m_bDoubleClick = 1;
  SkipMsg();
  return 1;
}

int CElementEdit::OnRButtonDown(POINT) { return 1; }

int CElementEdit::OnMouseWheel(UINT, int, POINT) { return 1; }

int CElementEdit::OnSetCursor(UINT, LPARAM) {
  if (GetPress().Hover()) SetIBeamCursor();
  return 1;
}

int CElementEdit::OnMouseLeave() {
  const bool hovered = GetPress().Hover();
  if (Press(PressEvent::Leave).ignored) return 0;
  if (!hovered) return 1;
  ShowLook();
  ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
  return 1;
}

// ---- focus, caret blink, enabling

int CElementEdit::OnSetFocus(int gained) {
  if (gained) {
    if (!IsEnable()) return 0;
    StartTimer(EDIT_CARET_TIMER, ::GetCaretBlinkTime());
    ShowLook();
    m_bFocused = 1;
    GetTextInfo();
    m_model.TakeUndoSnapshot();
    Redraw();
    Notify(EDIT_NOTIFY_SETFOCUS);
    return 1;
  }
  // Losing the focus always stops the caret, even for an edit disabled while it had the focus.
  StopTimer(EDIT_CARET_TIMER);
  m_bCaretVisible = 0;
  ShowLook();
  m_bFocused = 0;
  // The caret stays where it was.
  m_model.SetSelectedStart(0);
  m_model.SetSelectedEnd(0);
  Redraw();
  Notify(EDIT_NOTIFY_KILLFOCUS);
  return 1;
}

int CElementEdit::OnTimer(DWORD) {
  m_bCaretVisible = !m_bCaretVisible;
  InvalidContainerRect(0, nullptr);
  return 1;
}

int CElementEdit::OnEnable() {
  // Lets a drag cut short by disabling go.
  CElementControl::OnEnable();
  ShowLook();
  return 1;
}
