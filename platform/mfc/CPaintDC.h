// The DC of a WM_PAINT: BeginPaint when made, EndPaint when destroyed. Its clip box is the part
// of the window to paint.
#pragma once

#include "platform/mfc/CDC.h"

class CWnd;

class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* wnd);
  ~CPaintDC() override;

  PAINTSTRUCT m_ps{};

 protected:
  HWND m_hWnd = nullptr;
};
