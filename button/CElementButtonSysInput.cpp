// The system button's input: the shared press machine with a click on every release; and, with
// the environment's keyboard operation on, Space and Enter.
#include "button/CElementButtonSys.h"

#include "host/CGlobalEnv.h"

namespace {
void ShowHandCursor() { ::SetCursor(::LoadCursorW(nullptr, IDC_HAND)); }
}  // namespace

void CElementButtonSys::Notify(UINT code) {
  NMHDR header{nullptr, GetID(), code};
  SendControlMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
}

void CElementButtonSys::ShowLook() {
  m_bPushed = GetPress().PushedLook() ? TRUE : FALSE;
  m_bHover = GetPress().Hover() ? TRUE : FALSE;
  m_bFocus = IsFocus() ? TRUE : FALSE;
  SetShowColor(GetLook());
}

int CElementButtonSys::OnLButtonDown(POINT pt) {
  if (Press(PressEvent::Down, pt).ignored) return 0;
  ShowLook();
  ShowHandCursor();
  return 1;
}

int CElementButtonSys::OnLButtonUp(POINT pt) {
  const PressStep step = Press(PressEvent::Up, pt);
  if (step.ignored) return 0;
  ShowLook();
  Repaint();
  // Notify last (ElementWatch.h).
  if (step.click) Notify(BN_CLICKED);
  return 1;
}

int CElementButtonSys::OnMouseMove(int x, int y, DWORD flags) {
  if (Press(PressEvent::Move, {x, y}, flags).ignored) return 0;
  ShowLook();
  ShowHandCursor();
  SkipMsg();
  return 1;
}

int CElementButtonSys::OnMouseLeave() {
  if (Press(PressEvent::Leave).ignored) return 0;
  ShowLook();
  return 1;
}

int CElementButtonSys::OnSetFocus(int gained) {
  if (!IsEnable()) return 0;
  ShowLook();
  Repaint();
  Notify(gained ? BN_SETFOCUS : BN_KILLFOCUS);
  return 1;
}

int CElementButtonSys::OnKeyDown(UINT vk, UINT repeat, UINT flags) {
  if (!CGlobalEnv::IsPressKey(vk) || !CGlobalEnv::KeyboardOperation() || !IsEnable())
    return PassKeyDownOn(vk, repeat, flags);
  Notify(BN_CLICKED);
  return 1;
}

int CElementButtonSys::OnEnable() {
  CElementControl::OnEnable();
  ShowLook();
  return 1;
}
