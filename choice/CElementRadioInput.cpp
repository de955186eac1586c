// The radio's mouse handling: RadioLogic.h's press machine, fed by the framework's handlers.
//
// The plain control's own mouse handlers run its check box, so these go past them to the
// element's defaults.
#include "choice/CElementRadio.h"

#include "choice/CRatioGroup.h"

void CElementRadio::ApplyPress(radio::PressState state) {
  m_dwStatus = state.dwStatus;
  m_bPushed = state.bPushed;
  InvalidateCheck();
}

int CElementRadio::OnLButtonDown(POINT pt) {
  if (!IsEnable()) return 1;
  ApplyPress(radio::AfterDown({m_dwStatus, m_bPushed}));
  SetCapture();
  SetFocus();
  return CElementContainer::OnLButtonDown(pt);
}

int CElementRadio::OnMouseMove(int x, int y, DWORD flags) {
  if (!IsEnable()) return 1;
  ApplyPress(radio::AfterMove({m_dwStatus, m_bPushed}, flags));
  return CElementContainer::OnMouseMove(x, y, flags);
}

int CElementRadio::OnMouseLeave() {
  if (!IsEnable()) return 0;
  ApplyPress(radio::AfterLeave({m_dwStatus, m_bPushed}));
  return CElementContainer::OnMouseLeave();
}

int CElementRadio::OnLButtonUp(POINT pt) {
  if (!IsEnable()) return 1;
  ReleaseCapture();
  const CRect place = GetContainerRect();
  const bool inside = CRect(0, 0, place.Width(), place.Height()).PtInRect(pt);
  const radio::ReleaseResult up = radio::AfterUp({m_dwStatus, m_bPushed}, inside);
  const int result = CElementContainer::OnLButtonUp(pt);
  if (!up.click) {
    ApplyPress(up.state);
    return result;
  }
  // The group first, so that the previous choice is unchecked before the parent hears.
  if (m_pGroupOwner && m_pfnGroupClicked) {
    const DWORD id = GetID();
    (m_pGroupOwner->*m_pfnGroupClicked)(id);
  }
  m_eCheck = RADIO_CHECKED;
  ApplyPress(up.state);
  // Last: the parent may destroy the radio while it handles the notification.
  NMHDR header{nullptr, GetID(), 0};
  SendControlMessage(WM_NOTIFY, GetID(), reinterpret_cast<LPARAM>(&header));
  return result;
}
