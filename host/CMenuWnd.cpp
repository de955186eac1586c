// The pop-up menu window: opening, input and closing. Painting is in CMenuWndPaint.cpp.
#include "host/CMenuWnd.h"

#include <memory>

#include "host/CElementHost.h"
#include "host/MenuAccessible.h"
#include "host/MenuPlacement.h"
#include "platform/win32/WinInput.h"

// ---- opening

CMenuWnd::CMenuWnd(MenuTrack track) : m_track(std::move(track)) {}

bool CMenuWnd::Open(MenuTrack track) {
  if (track.items.empty() || !::IsWindow(track.owner)) return false;
  std::unique_ptr<CMenuWnd> menu(new CMenuWnd(std::move(track)));
  menu->Prepare();
  // The client area plus the one-pixel WS_BORDER frame on each side.
  const CSize client = menu->m_layout.ClientSize();
  const SIZE size{client.cx + 2, client.cy + 2};
  const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  const MenuTrack& t = menu->m_track;
  const POINT corner = PlaceMenu(t.anchor, size, t.tpmFlags, screen, t.avoid ? &*t.avoid : nullptr);
  if (!menu->CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, nullptr, L"", WS_POPUP | WS_BORDER,
                      corner.x, corner.y, size.cx, size.cy, t.owner, nullptr))
    return false;
  CMenuWnd* self = menu.release();
  self->m_bOwnsSelf = true;
  const HWND hwnd = self->m_hWnd;
  ::ShowWindow(hwnd, SW_SHOW);
  NotifyWinEvent(EVENT_SYSTEM_MENUPOPUPSTART, hwnd, OBJID_CLIENT, CHILDID_SELF);
  ::SetFocus(hwnd);
  ::SetCapture(hwnd);
  // Whatever the owner did on losing the focus may have closed the menu already.
  return ::IsWindow(hwnd) && ::IsWindowVisible(hwnd);
}

CMenuWnd* CMenuWnd::FromMenuWindow(HWND hwnd) {
  return dynamic_cast<CMenuWnd*>(CWnd::FromHandlePermanent(hwnd));
}

CRect CMenuWnd::GetItemRect(int index) const {
  CRect row = m_layout.RowRect(index);
  if (!row.IsRectEmpty()) ClientToScreen(&row);
  return row;
}

// ---- input

bool CMenuWnd::IsOutside(CPoint client) const {
  CPoint screen = client;
  ClientToScreen(&screen);
  CRect window;
  GetWindowRect(&window);
  return !window.PtInRect(screen);
}

PressPart CMenuWnd::ChoosablePartAt(CPoint client) const {
  const int row = m_layout.RowAt(client);
  return row >= 0 && m_track.items[std::size_t(row)].IsChoosable() ? PartOfRow(row) : kNoPart;
}

PressStep CMenuWnd::Carry(PressEvent event, PressPart part, DWORD keys) {
  // The menu holds the capture from opening to closing whatever the presses in between, so the
  // step's capture requests are met already (and letting go would close it). Its rows show
  // pushed and hover alike, so only a change of the hot row repaints.
  const PressStep step = m_press.On(event, true, part, keys);
  if (step.hotBefore != m_press.Hot()) {
    for (const PressPart changed : {step.hotBefore, m_press.Hot()}) {
      const CRect row = m_layout.RowRect(RowOfPart(changed));
      if (!row.IsRectEmpty()) InvalidateRect(&row, FALSE);
    }
    if (m_press.Hot() != kNoPart)
      NotifyWinEvent(EVENT_OBJECT_FOCUS, m_hWnd, OBJID_CLIENT, LONG(m_press.Hot()));
  }
  return step;
}

void CMenuWnd::Press(CPoint client) {
  if (IsOutside(client)) return Close(std::nullopt);
  Carry(PressEvent::Down, ChoosablePartAt(client));
}

void CMenuWnd::Release(CPoint client) {
  // A release off a choosable row, such as the one ending the press that opened the menu,
  // leaves the menu open.
  if (Carry(PressEvent::Up, ChoosablePartAt(client)).click) ChooseHotRow();
}

void CMenuWnd::ChooseHotRow() {
  const int row = GetHotItem();
  if (row >= 0) Close(m_track.items[std::size_t(row)].nID);
}

void CMenuWnd::OnMouseMove(UINT flags, CPoint point) {
  Carry(PressEvent::Move, ChoosablePartAt(point), flags);
}
void CMenuWnd::OnLButtonDown(UINT, CPoint point) { Press(point); }
void CMenuWnd::OnLButtonDblClk(UINT, CPoint point) { Press(point); }
void CMenuWnd::OnRButtonDown(UINT, CPoint point) { Press(point); }
void CMenuWnd::OnRButtonDblClk(UINT, CPoint point) { Press(point); }
void CMenuWnd::OnMButtonDown(UINT, CPoint point) { Press(point); }
void CMenuWnd::OnLButtonUp(UINT, CPoint point) { Release(point); }

void CMenuWnd::OnRButtonUp(UINT, CPoint point) {
  if (m_track.tpmFlags & TPM_RIGHTBUTTON) Release(point);
}

void CMenuWnd::OnKeyDown(UINT ch, UINT, UINT) {
  const auto walk = [this](int step) {
    Carry(PressEvent::Navigate, PartOfRow(NextChoosableItem(m_track.items, GetHotItem(), step)));
  };
  switch (ch) {
    case VK_UP: walk(-1); break;
    case VK_DOWN: walk(+1); break;
    case VK_RETURN: ChooseHotRow(); break;
    case VK_ESCAPE: Close(std::nullopt); break;
    default: break;
  }
}

void CMenuWnd::OnActivate(UINT state, CWnd* other, BOOL minimized) {
  CWnd::OnActivate(state, other, minimized);
  if (state == WA_INACTIVE) Close(std::nullopt);
}

void CMenuWnd::OnCaptureChanged(CWnd* wnd) {
  if (!wnd || wnd->GetSafeHwnd() != m_hWnd) Close(std::nullopt);
}

void CMenuWnd::OnCancelMode() { Close(std::nullopt); }

// ---- closing

void CMenuWnd::Close(std::optional<DWORD> command) {
  // Hidden means closing already, or being destroyed along with the owner.
  if (m_bClosing || !IsWindowVisible()) return;
  m_bClosing = true;
  const HWND self = m_hWnd, owner = m_track.owner;
  const UINT_PTR opener = m_track.openerToken;
  // A menu closing because another window took the activation (a second menu, say) leaves the
  // focus where that window put it.
  const bool active = ::GetActiveWindow() == self;
  if (::GetCapture() == self) ::ReleaseCapture();
  ::ShowWindow(self, SW_HIDE);
  NotifyWinEvent(EVENT_SYSTEM_MENUPOPUPEND, self, OBJID_CLIENT, CHILDID_SELF);
  if (::IsWindow(owner)) {
    if (active) ::SetFocus(owner);
    if (command) ::PostMessageW(owner, WM_ELEMENT_MENUCOMMAND, opener, LPARAM(*command));
  }
  ::DestroyWindow(self);
}

LRESULT CMenuWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETOBJECT)
    if (const LRESULT answer = platform::AnswerClientObject<MenuAccessible>(m_hWnd, wParam, lParam))
      return answer;
  return CWnd::WindowProc(message, wParam, lParam);
}

void CMenuWnd::PostNcDestroy() {
  if (m_bOwnsSelf) delete this;
}
