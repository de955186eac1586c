// The radio's mouse handling: the shared press machine, a click on a release inside.
//
// "The base handler" of each is the element's default handling, past the plain control's check
// box.
#include "choice/CElementRadio.h"

#include "choice/CRatioGroup.h"
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
  if (!step.click) return result;
  // The group first, so that the previous choice is unchecked before the parent hears.
  if (m_pGroupOwner && m_pfnGroupClicked) {
    const ElementWatch alive(*this);
    const DWORD id = GetID();
    (m_pGroupOwner->*m_pfnGroupClicked)(id);
    if (!alive.Alive()) return result;
  }
  m_eCheck = RADIO_CHECKED;
  InvalidateCheck();
  // Notify last (ElementWatch.h).
  NMHDR header{nullptr, GetID(), 0};
  SendControlMessage(WM_NOTIFY, GetID(), reinterpret_cast<LPARAM>(&header));
  return result;
}
