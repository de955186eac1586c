// MFC's scroll bar control object. The scroll bar window class and its SBM_ messages belong to
// the platform's standard controls; this is the object a parent's OnVScroll/OnHScroll receives.
#pragma once

#include "platform/mfc/CWnd.h"

class CScrollBar : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(L"ScrollBar", nullptr, style, rect, parent, id);
  }
};
