#include "host/CElementHostWnd.h"

CElementHostWnd::~CElementHostWnd() {
  if (m_hWnd) DestroyWindow();
}

BOOL CElementHostWnd::CreateHost(LPCWSTR title, const RECT& rect, DWORD style, HWND parent) {
  CRect window(rect);
  // The rectangle asked for is the client area; a border lies outside it.
  if (style & WS_BORDER) window.InflateRect(1, 1);
  return CreateEx(0, nullptr, title, style, window.left, window.top, window.Width(),
                  window.Height(), parent, nullptr);
}

LRESULT CElementHostWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) m_pHost = std::make_unique<CElementHost>(m_hWnd);
  if (message == WM_NCDESTROY) {
    // An element's handler may be what destroys the window: the host it runs in stays until
    // that routing unwinds, and takes no further message.
    if (m_nRouting > 0) m_pRetiredHost = std::move(m_pHost);
    m_pHost.reset();
  }
  LRESULT result = 0;
  if (m_pHost) {
    ++m_nRouting;
    const bool handled = m_pHost->Route(message, wParam, lParam, result);
    if (--m_nRouting == 0) m_pRetiredHost.reset();
    if (handled) return result;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
