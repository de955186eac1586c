// The radio's input: the shared press machine, a click on a release inside; and, with the
// environment's keyboard operation on, the keys that click.
//
// "The base handler" of each is the element's default handling, past the plain control's check
// box.
#include "choice/CElementRadio.h"

#include "choice/CRatioGroup.h"
#include "host/CGlobalEnv.h"
#include "host/ElementWatch.h"

int CElementRadio::OnLButtonDown(POINT pt) {
  if (Press(PressEvent::Down, pt).ignored) return 1;
  const ElementWatch alive(*this);
  SetFocus();
  if (!alive.Alive()) return 0;
  return CElementContainer::OnLButtonDown(pt);
}

int CElementRadio::OnMouseMove(int x, int y, DWORD flags) {
  if (Press(PressEvent::Move, {x, y}, flags).ignored) return 1;
  return CElementContainer::OnMouseMove(x, y, flags);
}

int CElementRadio::OnMouseLeave() {
  if (Press(PressEvent::Leave).ignored) return 0;
  return CElementContainer::OnMouseLeave();
}

int CElementRadio::OnLButtonUp(POINT pt) {
  const PressStep step = Press(PressEvent::Up, pt);
  if (step.ignored) return 1;
  const int result = CElementContainer::OnLButtonUp(pt);
  if (step.click) Choose();
  return result;
}

void CElementRadio::Choose() {
  // The group first, so that the previous choice is unchecked before the parent hears.
  if (m_pGroupOwner && m_pfnGroupClicked) {
    const ElementWatch alive(*this);
    const DWORD id = GetID();
    (m_pGroupOwner->*m_pfnGroupClicked)(id);
    if (!alive.Alive()) return;
  }
  m_eCheck = RADIO_CHECKED;
  InvalidateCheck();
  // Notify last (ElementWatch.h).
  NMHDR header{nullptr, GetID(), 0};
  SendControlMessage(WM_NOTIFY, GetID(), reinterpret_cast<LPARAM>(&header));
}

int CElementRadio::OnKeyDown(UINT vk, UINT repeat, UINT flags) {
  if (!CGlobalEnv::KeyboardOperation() || !IsEnable()) return PassKeyDownOn(vk, repeat, flags);
  if (CGlobalEnv::IsPressKey(vk)) {
    Choose();
    return 1;
  }
  const int step = vk == VK_DOWN || vk == VK_RIGHT ? 1 : vk == VK_UP || vk == VK_LEFT ? -1 : 0;
  CElementRadio* next = step && m_pGroupOwner ? m_pGroupOwner->Neighbour(this, step) : nullptr;
  if (!next) return PassKeyDownOn(vk, repeat, flags);
  // The focus first, as a press gives it before the click; its loss may end either radio.
  const ElementWatch alive(*next);
  next->SetFocus();
  if (alive.Alive()) next->Choose();
  return 1;
}
