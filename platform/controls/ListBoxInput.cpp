// The list box's mouse, keyboard, wheel and focus handling.
#include "platform/controls/ListBoxControl.h"

#include <algorithm>

namespace platform {

void ListBoxControl::OnButtonDown(POINT pt) {
  if (GetFocus() != m_hwnd) SetFocus(m_hwnd);
  m_pressed = true;
  SetCapture(m_hwnd);
  if (m_model.Count() > 0) MoveSelectionTo(m_model.RowAtY(pt.y));
}

void ListBoxControl::OnDoubleClick() {
  // The first press of the pair has selected the row already.
  if (Style() & LBS_NOTIFY) Notify(LBN_DBLCLK);
}

void ListBoxControl::OnMouseMove(POINT pt) {
  // Only the press's own capture tracks: once another window took it, moves here are hover.
  if (!m_pressed || GetCapture() != m_hwnd || m_model.Count() == 0) return;
  // Beyond the view the selection walks one row past its edge, which scrolls the list.
  int row = 0;
  if (pt.y < 0) row = m_model.Top() - 1;
  else if (pt.y >= m_model.ViewHeight()) row = m_model.Top() + m_model.PageRows();
  else row = m_model.RowAtY(pt.y);
  MoveSelectionTo(std::clamp(row, 0, m_model.Count() - 1));
}

void ListBoxControl::EndPress() {
  if (!m_pressed) return;
  m_pressed = false;
  if (GetCapture() == m_hwnd) ReleaseCapture();
  if ((Style() & LBS_NOTIFY) && m_model.Count() > 0) Notify(LBN_SELCHANGE);
}

void ListBoxControl::OnKeyDown(UINT vk) {
  const int target = m_model.KeyTarget(vk);
  if (target >= 0 && MoveSelectionTo(target) && (Style() & LBS_NOTIFY)) Notify(LBN_SELCHANGE);
}

void ListBoxControl::OnChar(wchar_t ch) {
  // Owner-drawn rows without texts have nothing to match; control characters type nothing.
  if (!HasStrings() || ch < L' ') return;
  const int target = m_typeAhead.Type(m_model, ch, GetTickCount64());
  if (target >= 0 && MoveSelectionTo(target) && (Style() & LBS_NOTIFY)) Notify(LBN_SELCHANGE);
}

void ListBoxControl::OnWheel(short delta) {
  if (const int rows = m_model.Wheel(delta)) SetTop(m_model.Top() + rows);
}

void ListBoxControl::OnFocus(bool focused) {
  if (!focused) EndPress();
  m_focused = focused;
  InvalidateRow(m_model.Caret());
  Notify(focused ? LBN_SETFOCUS : LBN_KILLFOCUS);
}

bool ListBoxControl::MoveSelectionTo(int index) {
  const int old = m_model.Selected(), oldCaret = m_model.Caret();
  m_model.Select(index);
  if (index != old) AnnounceSelection();
  const int top = m_model.Top();
  m_model.ScrollIntoView(index);
  if (m_model.Top() != top) {
    InvalidateView();
    UpdateScrollBar();
  } else {
    InvalidateRow(old);
    InvalidateRow(oldCaret);
    InvalidateRow(index);
  }
  return old != index;
}

}  // namespace platform
