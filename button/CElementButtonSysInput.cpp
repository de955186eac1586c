// The system button's input: the event table in CElementButtonSys.h.
#include "button/CElementButtonSys.h"

namespace {
void ShowHandCursor() { ::SetCursor(::LoadCursorW(nullptr, IDC_HAND)); }
}  // namespace

void CElementButtonSys::Notify(UINT code) {
  NMHDR header{nullptr, GetID(), code};
  SendControlMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
}

int CElementButtonSys::OnLButtonDown(POINT) {
  if (!IsEnable()) return 0;
  SetCapture();
  SetShowColor(COLOR_STATE_PUSH);
  m_bPushed = TRUE;
  ShowHandCursor();
  Repaint();
  return 1;
}

int CElementButtonSys::OnLButtonUp(POINT) {
  if (!IsEnable()) return 0;
  ReleaseCapture();
  m_bPushed = FALSE;
  SetShowColor(COLOR_STATE_HOVER);
  Repaint();
  // Last: the parent may destroy the button while it handles the click.
  Notify(BN_CLICKED);
  return 1;
}

int CElementButtonSys::OnMouseMove(int, int, DWORD) {
  if (!IsEnable()) return 0;
  if (!m_bPushed && !m_bHover) {
    SetShowColor(COLOR_STATE_HOVER);
    m_bHover = TRUE;
    Repaint();
  }
  ShowHandCursor();
  SkipMsg();
  return 1;
}

int CElementButtonSys::OnMouseLeave() {
  if (!IsEnable()) return 0;
  if (!m_bFocus) SetShowColor(COLOR_STATE_NORMAL);
  m_bHover = FALSE;
  Repaint();
  return 1;
}

int CElementButtonSys::OnSetFocus(int gained) {
  if (!IsEnable()) return 0;
  SetShowColor(gained ? COLOR_STATE_FOCUS : COLOR_STATE_NORMAL);
  m_bFocus = gained ? TRUE : FALSE;
  Repaint();
  Notify(gained ? BN_SETFOCUS : BN_KILLFOCUS);
  return 1;
}

int CElementButtonSys::OnEnable() {
  const bool enabled = IsEnable();
  if (!enabled && m_bPushed) {
    // A disabled button ignores the release, so a press it kept would hold the capture, and
    // every mouse message of the window with it, for good.
    m_bPushed = FALSE;
    ReleaseCapture();
  }
  SetShowColor(enabled ? COLOR_STATE_NORMAL : COLOR_STATE_DISABLE);
  Repaint();
  return 1;
}
