#include "host/CMenuEx.h"

#include "host/CElementHost.h"
#include "host/CMenuWnd.h"
#include "platform/mfc/CWnd.h"

CMenuEx::CMenuEx(OPEN_MODE openMode, MENUBK_MODE backgroundMode)
    : m_nOpenMode(openMode), m_nBackgroundMode(backgroundMode) {}

BOOL CMenuEx::AppendMenuEx(UINT flags, DWORD id, const wchar_t* text) {
  if (flags & ~(MF_GRAYED | MF_SEPARATOR)) return FALSE;
  if (flags & MF_SEPARATOR) {
    m_vecItems.push_back({MF_SEPARATOR, 0, {}});
    return TRUE;
  }
  if (!text) return FALSE;
  m_vecItems.push_back({flags, id, text});
  return TRUE;
}

BOOL CMenuEx::TrackPopupMenuWithContainerID(UINT tpmFlags, int x, int y, CWnd* owner,
                                            DWORD containerId, const RECT* rect) {
  if (m_vecItems.empty() || !owner || !::IsWindow(owner->GetSafeHwnd())) return FALSE;
  MenuTrack track;
  track.items = m_vecItems;
  track.gradient = m_nBackgroundMode == MENUBK_GRADIENT;
  track.tpmFlags = tpmFlags;
  if (m_nOpenMode == OPEN_UP && !(tpmFlags & (TPM_VCENTERALIGN | TPM_BOTTOMALIGN)))
    track.tpmFlags |= TPM_BOTTOMALIGN;
  track.anchor = {x, y};
  if (rect) track.avoid = *rect;
  track.owner = owner->GetSafeHwnd();
  // The opener is named now, while its handler runs, so that the choice reaches that element
  // even when others share its id.
  track.openerToken = UINT_PTR(::SendMessageW(track.owner, WM_ELEMENT_MENUOPENER, containerId, 0));
  return CMenuWnd::Open(std::move(track)) ? TRUE : FALSE;
}
