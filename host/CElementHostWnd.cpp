#include "host/CElementHostWnd.h"

#include "host/CGlobalEnv.h"

CElementHostWnd::~CElementHostWnd() {
  if (m_hWnd) DestroyWindow();
}

BOOL CElementHostWnd::CreateHost(LPCWSTR title, const RECT& rect, DWORD style, HWND parent) {
  // The environment reads its theme now, before the window's first element, rather than in the
  // constructor of whichever control asks for a palette colour first.
  CGlobalEnv::GetGlobalEnv();
  CRect window(rect);
  // The rectangle asked for is the client area; a border lies outside it.
  if (style & WS_BORDER) window.InflateRect(1, 1);
  return CreateEx(0, nullptr, title, style, window.left, window.top, window.Width(),
                  window.Height(), parent, nullptr);
}

LRESULT CElementHostWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) m_pHost = std::make_shared<CElementHost>(m_hWnd);
  if (message == WM_NCDESTROY) m_pHost.reset();
  // An element may destroy the window while it handles a message (its parent closing the
  // window on hearing of a click): the host it runs in lives until that message is routed.
  const std::shared_ptr<CElementHost> host = m_pHost;
  LRESULT result = 0;
  if (host && host->Route(message, wParam, lParam, result)) return result;
  return CWnd::WindowProc(message, wParam, lParam);
}
