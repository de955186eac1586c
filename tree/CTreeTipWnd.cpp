#include "tree/CTreeTipWnd.h"

#include "foundation/CLightCanvas.h"
#include "foundation/CMemDC.h"
#include "host/FontCache.h"
#include "platform/mfc/CPaintDC.h"

namespace {

constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

}  // namespace

CTreeTipWnd::~CTreeTipWnd() {
  if (m_hWnd && ::IsWindow(m_hWnd)) DestroyWindow();
}

bool CTreeTipWnd::Show(const _TREE_ITEM_TIP& tip, POINT anchor, const TreeTipLook& look,
                       HWND owner) {
  if (!::IsWindow(owner)) return false;
  m_look = look;
  CFont* font = FontCache::Shared().Get(look.font);
  CDC measuring;
  measuring.CreateCompatibleDC(nullptr);
  const HGDIOBJ old = font ? ::SelectObject(measuring.GetSafeHdc(), font->m_hObject) : nullptr;
  m_layout = LayoutTreeTip(tip, look.lineHeight, [&](const CString& text) {
    SIZE extent{};
    ::GetTextExtentPoint32W(measuring.GetSafeHdc(), text.GetString(), text.GetLength(), &extent);
    return int(extent.cx);
  });
  if (old) ::SelectObject(measuring.GetSafeHdc(), old);

  const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  const POINT corner = PlaceTreeTip(anchor, m_layout.size, screen);
  if (!m_hWnd || !::IsWindow(m_hWnd)) {
    m_hWnd = nullptr;
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, nullptr, L"", WS_POPUP, corner.x, corner.y,
                  m_layout.size.cx, m_layout.size.cy, owner, nullptr))
      return false;
  } else {
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, corner.x, corner.y, m_layout.size.cx, m_layout.size.cy,
                   SWP_NOACTIVATE);
    Invalidate(FALSE);
  }
  ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
  return true;
}

void CTreeTipWnd::Hide() {
  if (IsShown()) ::ShowWindow(m_hWnd, SW_HIDE);
}

BOOL CTreeTipWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_ACTIVATEAPP && !wParam) Hide();
  return CWnd::OnWndMsg(message, wParam, lParam, result);
}

int CTreeTipWnd::OnMouseActivate(CWnd*, UINT, UINT) { return MA_NOACTIVATE; }

void CTreeTipWnd::OnMouseMove(UINT, CPoint) { Hide(); }
void CTreeTipWnd::OnLButtonDown(UINT, CPoint) { Hide(); }
void CTreeTipWnd::OnRButtonDown(UINT, CPoint) { Hide(); }

void CTreeTipWnd::OnPaint() {
  CPaintDC paintDC(this);
  CRect client;
  GetClientRect(&client);
  CMemDC dc(&paintDC, &client);
  CLightCanvas canvas(&dc);
  canvas.FillRect(client, m_look.back);
  canvas.FrameRect(client, m_look.frame);
  canvas.SetBkMode(TRANSPARENT);
  canvas.SetTextColor(m_look.text);
  canvas.SetFont(m_look.font);
  for (const TreeTipCell& cell : m_layout.cells) {
    CRect rect = cell.rect;
    canvas.DrawText(cell.text.GetString(), cell.text.GetLength(), &rect, kTextFormat);
  }
  canvas.Restore();
}
