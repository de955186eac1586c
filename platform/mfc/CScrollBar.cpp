#include "platform/mfc/CScrollBar.h"

BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO info, BOOL redraw) {
  if (!info) return FALSE;
  info->cbSize = sizeof(SCROLLINFO);
  ::SetScrollInfo(m_hWnd, SB_CTL, info, redraw);
  return TRUE;
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO info, UINT mask) {
  if (!info) return FALSE;
  info->cbSize = sizeof(SCROLLINFO);
  info->fMask = mask;
  return ::GetScrollInfo(m_hWnd, SB_CTL, info);
}
