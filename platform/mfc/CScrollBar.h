// MFC's scroll bar control object: a window of the platform's "ScrollBar" class. It is also the
// object a parent's OnVScroll/OnHScroll receives, and a derived bar reflects them to itself.
#pragma once

#include "platform/mfc/CWnd.h"
#include "platform/win32/WinScrollBar.h"

class CScrollBar : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_SCROLLBARW, nullptr, style, rect, parent, id);
  }
  // Both fill in the record's size (and GetScrollInfo its mask) first, as MFC does. FALSE for a
  // null record, or when nothing was asked for.
  BOOL SetScrollInfo(LPSCROLLINFO info, BOOL redraw = TRUE);
  BOOL GetScrollInfo(LPSCROLLINFO info, UINT mask = SIF_ALL);
};
