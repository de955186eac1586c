// The plain control's life cycle and input.
#include "host/CElementControl.h"

int CElementControl::InitObject(const wchar_t* name, _CONTAINER_INFO* info) {
  if (!CElementContainer::InitObject(name, info)) return 0;
  RegisterMessage(WM_PAINT);
  if (IsCheckBox()) {
    for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE, WM_MOUSELEAVE, WM_KEYDOWN,
                     WM_SETFOCUS})
      RegisterMessage(msg);
  }
  if (CElementContainer* parent = info->Parent()) SetLayer(parent->GetLayer() + 1);
  return 1;
}

void CElementControl::SetCheck(int checked) {
  if ((checked != 0) == m_bChecked) return;
  m_bChecked = checked != 0;
  InvalidContainerRect(0, nullptr);
}

void CElementControl::Toggle() {
  SetCheck(!m_bChecked);
  SendControlMessage(WM_COMMAND, MAKEWPARAM(GetID(), BN_CLICKED), 0);
}

int CElementControl::OnLButtonDown(POINT pt) {
  if (!IsEnable()) return 1;
  SetFocus();
  m_press.Down(GetDrawRect().PtInRect(pt));
  if (m_press.Pressed()) SetCapture();
  InvalidContainerRect(0, nullptr);
  return 1;
}

int CElementControl::OnLButtonUp(POINT pt) {
  const bool wasPressed = m_press.Pressed();
  const bool click = m_press.Up(GetDrawRect().PtInRect(pt));
  if (wasPressed) ReleaseCapture();
  InvalidContainerRect(0, nullptr);
  if (click && IsEnable()) Toggle();
  return 1;
}

int CElementControl::OnMouseMove(int x, int y, DWORD) {
  const bool hover = m_press.Hover(), pushed = m_press.PushedLook();
  m_press.Move(GetDrawRect().PtInRect({x, y}));
  if (hover != m_press.Hover() || pushed != m_press.PushedLook()) InvalidContainerRect(0, nullptr);
  return 1;
}

int CElementControl::OnMouseLeave() {
  m_press.Leave();
  InvalidContainerRect(0, nullptr);
  return 1;
}

int CElementControl::OnKeyDown(UINT vk, UINT, UINT) {
  if (vk != VK_SPACE || !IsEnable()) return 0;
  Toggle();
  return 1;
}

int CElementControl::OnSetFocus(int) {
  InvalidContainerRect(0, nullptr);
  return 1;
}

int CElementControl::OnEnable() {
  if (!IsEnable()) {
    m_press.Cancel();
    ReleaseCapture();
  }
  InvalidContainerRect(0, nullptr);
  return 1;
}
