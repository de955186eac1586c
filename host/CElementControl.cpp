// The plain control's life cycle and input, and the press machine every control shares.
#include "host/CElementControl.h"

namespace {
// The plain control's messages: a label only paints; a check box takes the mouse, the space bar
// and the focus.
constexpr UINT kCheckBoxMessages[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE, WM_KEYDOWN,
                                      WM_SETFOCUS};
}  // namespace

int CElementControl::InitObject(const wchar_t* name, _CONTAINER_INFO* info) {
  if (!CElementContainer::InitObject(name, info)) return 0;
  RegisterMessage(WM_PAINT);
  if (IsCheckBox()) RegisterMessages(kCheckBoxMessages);
  if (CElementContainer* parent = info->Parent()) SetLayer(parent->GetLayer() + 1);
  return 1;
}

PressStep CElementControl::Press(PressEvent event, POINT pt, DWORD keys) {
  const PressStep step = m_press.On(event, IsEnable(), PressPartAt(pt), keys);
  if (step.takeCapture) SetCapture();
  if (step.releaseCapture) ReleaseCapture();
  if (step.changed) OnPressLookChanged(step);
  return step;
}

PressPart CElementControl::PressPartAt(POINT pt) const {
  return GetDrawRect().PtInRect(pt) ? kWholePart : kNoPart;
}

void CElementControl::OnPressLookChanged(const PressStep&) { InvalidContainerRect(0, nullptr); }

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
  if (!IsCheckBox()) return CElementContainer::OnLButtonDown(pt);
  if (Press(PressEvent::Down, pt).ignored) return 1;
  SetFocus();
  return 1;
}

int CElementControl::OnLButtonUp(POINT pt) {
  if (!IsCheckBox()) return CElementContainer::OnLButtonUp(pt);
  if (Press(PressEvent::Up, pt).click) Toggle();
  return 1;
}

int CElementControl::OnMouseMove(int x, int y, DWORD flags) {
  if (!IsCheckBox()) return CElementContainer::OnMouseMove(x, y, flags);
  Press(PressEvent::Move, {x, y}, flags);
  return 1;
}

int CElementControl::OnMouseLeave() {
  if (!IsCheckBox()) return CElementContainer::OnMouseLeave();
  Press(PressEvent::Leave);
  return 1;
}

int CElementControl::OnKeyDown(UINT vk, UINT repeat, UINT flags) {
  if (!IsCheckBox()) return CElementContainer::OnKeyDown(vk, repeat, flags);
  if (vk != VK_SPACE || !IsEnable()) return 0;
  Toggle();
  return 1;
}

int CElementControl::OnSetFocus(int gained) {
  if (!IsCheckBox()) return CElementContainer::OnSetFocus(gained);
  InvalidContainerRect(0, nullptr);
  return 1;
}

int CElementControl::OnEnable() {
  if (!IsEnable()) Press(PressEvent::Cancel);
  InvalidContainerRect(0, nullptr);
  return 1;
}
