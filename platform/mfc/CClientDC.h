// A DC on a window's client area (GetDC), released when destroyed.
#pragma once

#include "platform/mfc/CDC.h"

class CWnd;

class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* wnd);
  ~CClientDC() override;

 protected:
  HWND m_hWnd = nullptr;
};
