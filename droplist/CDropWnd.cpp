// The drop window: its life cycle, opening and closing, layout, painting, mouse routing, keys
// and scrolling.
#include "droplist/CDropWnd.h"

#include <algorithm>
#include <climits>

#include "droplist/DropWndLayout.h"
#include "foundation/CLightCanvas.h"
#include "foundation/CMemDC.h"
#include "foundation/CTrellisApp.h"
#include "host/CThemePalette.h"
#include "host/ThemeLookup.h"
#include "platform/mfc/CPaintDC.h"

namespace {

constexpr DWORD kPopupStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                             LBS_HASSTRINGS | LBS_OWNERDRAWFIXED | LBS_NOTIFY;
constexpr DWORD kScrollStyle = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | SBS_VERT;

bool IsShownWindow(const CWnd& wnd) { return wnd.m_hWnd && wnd.IsWindowVisible(); }

bool ContainsScreenPoint(const CWnd& wnd, POINT screen) {
  CRect rect;
  wnd.GetWindowRect(&rect);
  return rect.PtInRect(screen);
}

}  // namespace

// ---- life cycle

CDropWnd::CDropWnd()
    : m_pList(std::make_unique<CDropList>(L"DropList.CLR.ItemNormal", L"DropList.CLR.ItemSelected",
                                          L"DropList.CLR.TextCommon", L"DropList.CLR.TextCommon")) {
}

CDropWnd::~CDropWnd() {
  // Destroyed here, while the handlers of this class still exist: the list and the bar go with
  // the window, before their objects do.
  if (m_hWnd) CWnd::DestroyWindow();
}

int CDropWnd::InitObject(const wchar_t* name, _CONTAINER_INFO* info) {
  if (!info) return 0;
  std::wstring ownName = info->Name() ? info->Name() : L"";
  ownName += L"_DropWnd";
  _CONTAINER_INFO copy = *info;
  copy.SetName(ownName.c_str());
  if (!CElementContainer::InitObject(name, &copy)) return 0;
  if (CElementContainer* parent = info->Parent()) SetLayer(parent->GetLayer() + 1);
  RegisterMessage(WM_MOUSEWHEEL);
  return 1;
}

BOOL CDropWnd::CreatePopup(const RECT& rect) {
  if (m_hWnd) return FALSE;
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  if (!CreateEx(WS_EX_TOOLWINDOW, nullptr, L"", kPopupStyle, rect, CWnd::GetDesktopWindow(),
                kWindowId))
    return FALSE;
  if (m_pList->m_hWnd) m_pList->SetItemHeight(0, DropWndLayout::kRowHeight);
  return TRUE;
}

void CDropWnd::SetOwner(CElementDropList* owner, SelectedProc selected) {
  m_pOwner = owner;
  m_pfnSelected = selected;
}

int CDropWnd::OnCreate(LPCREATESTRUCT cs) {
  if (CWnd::OnCreate(cs) == -1) return -1;
  CRect client;
  CWnd::GetClientRect(&client);
  const CRect list(client.left + 1, client.top, client.right - DropWndLayout::kScrollWidth,
                   client.bottom - 1);
  m_pList->Create(kListStyle, list, this, kListId);
  return 0;
}

// ---- opening and closing

bool CDropWnd::IsOpen() const { return m_hWnd && CWnd::IsWindowVisible(); }

BOOL CDropWnd::PreTranslateMessage(MSG* msg) { return CWnd::PreTranslateMessage(msg); }

bool CDropWnd::Open(std::span<const std::wstring> items, int selection, const RECT& place) {
  if (!m_hWnd || !m_pList->m_hWnd) return false;
  m_pList->ResetContent();
  // Room for every row and its text first, so that a long list is filled without moving them.
  std::size_t characters = 0;
  for (const std::wstring& text : items) characters += text.size();
  m_pList->InitStorage(int(items.size()), UINT(std::min<std::size_t>(
                                              characters * sizeof(wchar_t), UINT_MAX)));
  for (const std::wstring& text : items) m_pList->AddString(text.c_str());
  Place(place, selection >= 0 && selection < int(items.size()) ? selection : -1);
  CWnd::ShowWindow(SW_SHOW);
  CWnd::SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  return IsOpen();
}

void CDropWnd::ItemInserted(int index, const wchar_t* text, const RECT& place) {
  if (!IsOpen()) return;
  m_pList->InsertString(index, text);
  Place(place, m_pList->GetCurSel());
}

void CDropWnd::ItemDeleted(int index, const RECT& place) {
  if (!IsOpen()) return;
  m_pList->DeleteString(UINT(index));
  Place(place, m_pList->GetCurSel());
}

void CDropWnd::Close() {
  FollowPress(PressEvent::Cancel);
  if (!IsOpen()) return;
  CWnd::ShowWindow(SW_HIDE);
  m_pList->ResetContent();
  // The capture goes last: losing it calls OnCaptureChanged, which finds the pop-up closed.
  const HWND capture = ::GetCapture();
  if (capture == m_hWnd || ::IsChild(m_hWnd, capture)) ::ReleaseCapture();
}

// ---- layout

void CDropWnd::Place(const RECT& place, int selection) {
  CWnd::MoveWindow(&place, TRUE);
  LayOut(selection);
}

bool CDropWnd::ScrollBarShown() const { return IsShownWindow(m_wndScroll); }

void CDropWnd::LayOut(int selection) {
  CRect client;
  CWnd::GetClientRect(&client);
  const int count = m_pList->GetCount();
  const int rowHeight = m_pList->GetItemHeight(0);
  const DropWndLayout::Parts parts = DropWndLayout::SplitClient(client, count, rowHeight);
  if (parts.scrollShown) {
    if (!m_wndScroll.m_hWnd) {
      AFX_MANAGE_STATE(AfxGetStaticModuleState());
      m_wndScroll.Create(kScrollStyle, parts.scroll, this, kScrollId);
    }
    m_wndScroll.MoveWindow(&parts.scroll, TRUE);
    m_wndScroll.ShowWindow(SW_SHOW);
  } else if (m_wndScroll.m_hWnd) {
    m_wndScroll.ShowWindow(SW_HIDE);
  }
  m_pList->MoveWindow(&parts.list, TRUE);
  const int visible = DropWndLayout::VisibleRows(parts.list.bottom - parts.list.top, rowHeight);
  const int top = DropWndLayout::FirstRowFor(selection, count, visible);
  if (count > 0) m_pList->SetTopIndex(top);
  m_pList->SetCurSel(selection);
  if (!parts.scrollShown) return;
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, count - 1, UINT(visible), top, 0};
  m_wndScroll.UpdateScrollInfo(&info, TRUE);
}

void CDropWnd::SyncScrollBar() {
  if (!ScrollBarShown()) return;
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, m_pList->GetTopIndex(), 0};
  m_wndScroll.UpdateScrollInfo(&info, TRUE);
}

// ---- painting

void CDropWnd::OnPaint() {
  CPaintDC paint(this);
  CRect clip;
  paint.GetClipBox(&clip);
  CMemDC memory(&paint, &clip);
  CLightCanvas canvas(&memory);
  // Without a palette there is no background colour to fill with.
  if (CComPtr<CThemePalette> palette = ThemePalette()) {
    CRect client;
    CWnd::GetClientRect(&client);
    canvas.FillRect(client, ThemeColor(m_strBkKey.c_str()));
  }
}

BOOL CDropWnd::OnEraseBkgnd(CDC*) { return TRUE; }

// ---- mouse

void CDropWnd::RetakeCapture() {
  if (IsOpen() && ::GetCapture() != m_hWnd) CWnd::SetCapture();
}

bool CDropWnd::RouteMouse(UINT message, UINT flags, CPoint point,
                          const ElementWatch& alive) {
  CPoint screen = point;
  CWnd::ClientToScreen(&screen);
  CWnd* target = nullptr;
  if (m_bScrollTracking && m_wndScroll.m_hWnd) {
    target = &m_wndScroll;
  } else {
    CRect client;
    CWnd::GetClientRect(&client);
    if (!client.PtInRect(point)) {
      RetakeCapture();
      return false;
    }
    if (IsShownWindow(*m_pList) && ContainsScreenPoint(*m_pList, screen))
      target = m_pList.get();
    else if (ScrollBarShown() && ContainsScreenPoint(m_wndScroll, screen))
      target = &m_wndScroll;
  }
  if (target) {
    CPoint local = screen;
    target->ScreenToClient(&local);
    target->SendMessage(message, flags, MAKELPARAM(local.x, local.y));
  }
  if (alive.Alive()) RetakeCapture();
  return true;
}

void CDropWnd::FollowPress(PressEvent event, CPoint point) {
  constexpr PressPart kListPart = 1, kBarPart = 2;
  PressPart part = kNoPart;
  if (event != PressEvent::Cancel) {
    CPoint screen = point;
    CWnd::ClientToScreen(&screen);
    if (ScrollBarShown() && ContainsScreenPoint(m_wndScroll, screen)) part = kBarPart;
    else if (IsShownWindow(*m_pList) && ContainsScreenPoint(*m_pList, screen)) part = kListPart;
  }
  // The pop-up holds the capture for as long as it is open, whatever the machine asks.
  m_press.On(event, true, part);
  m_bScrollTracking = m_press.Active() == kBarPart;
}

void CDropWnd::Press(UINT message, UINT flags, CPoint point) {
  FollowPress(PressEvent::Down, point);
  const ElementWatch alive(*this);
  if (!RouteMouse(message, flags, point, alive) && alive.Alive()) Close();
}

void CDropWnd::OnLButtonDown(UINT flags, CPoint point) { Press(WM_LBUTTONDOWN, flags, point); }
// The bar swallows the second press of a double click (one line a click); the list takes it as
// a press.
void CDropWnd::OnLButtonDblClk(UINT flags, CPoint point) { Press(WM_LBUTTONDBLCLK, flags, point); }

void CDropWnd::OnLButtonUp(UINT flags, CPoint point) {
  const ElementWatch alive(*this);
  RouteMouse(WM_LBUTTONUP, flags, point, alive);
  if (alive.Alive()) FollowPress(PressEvent::Up, point);
}

void CDropWnd::OnMouseMove(UINT flags, CPoint point) {
  const ElementWatch alive(*this);
  RouteMouse(WM_MOUSEMOVE, flags, point, alive);
}

void CDropWnd::OnCaptureChanged(CWnd* wnd) {
  const HWND gaining = wnd ? wnd->m_hWnd : nullptr;
  if (gaining && (gaining == m_hWnd || ::IsChild(m_hWnd, gaining))) return;
  const bool tracking = m_bScrollTracking;
  Close();
  // A drag of the thumb ends with the capture.
  if (tracking && m_wndScroll.m_hWnd) m_wndScroll.SendMessage(WM_LBUTTONUP, 0, 0);
}

void CDropWnd::OnKillFocus(CWnd* newWnd) {
  Close();
  CWnd::OnKillFocus(newWnd);
}

// ---- choosing

BOOL CDropWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (wParam != kListId || !header || header->code != CDropList::kChosenCode)
    return CWnd::OnNotify(wParam, lParam, result);
  const int row = m_pList->GetCurSel();
  Close();
  if (result) *result = 1;
  CElementDropList* owner = m_pOwner;
  const SelectedProc selected = m_pfnSelected;
  // Last (ElementWatch.h): the owner's host may end the control, and this window with it.
  if (owner && selected) (owner->*selected)(row);
  return TRUE;
}

// ---- keys and scrolling

BOOL CDropWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_KEYDOWN && HandleKey(UINT(wParam))) {
    if (result) *result = 0;
    return TRUE;
  }
  return CWnd::OnWndMsg(message, wParam, lParam, result);
}

bool CDropWnd::HandleKey(UINT vk) {
  if (!IsOpen()) return false;
  switch (vk) {
    case VK_UP:
    case VK_DOWN: {
      CRect view;
      m_pList->GetClientRect(&view);
      const int visible = DropWndLayout::VisibleRows(view.Height(), m_pList->GetItemHeight(0));
      const int target = DropWndLayout::ArrowTarget(
          vk, m_pList->GetTopIndex(), m_pList->GetCurSel(), visible, m_pList->GetCount());
      if (target >= 0) m_pList->SetCurSel(target);
      SyncScrollBar();
      return true;
    }
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
      m_pList->SendMessage(WM_KEYDOWN, vk, 0);
      SyncScrollBar();
      return true;
    case VK_RETURN:
      m_pList->ReportChosen();
      return true;
    case VK_ESCAPE:
      Close();
      return true;
    default:
      return false;
  }
}

void CDropWnd::ScrollByWheel(int delta) {
  if (!IsOpen() || !ScrollBarShown()) return;
  m_pList->SendMessage(WM_VSCROLL, MAKEWPARAM(delta < 1 ? SB_LINEDOWN : SB_LINEUP, 0), 0);
  SyncScrollBar();
}

BOOL CDropWnd::OnMouseWheel(UINT, short delta, CPoint) {
  ScrollByWheel(delta);
  return TRUE;
}

int CDropWnd::OnMouseWheel(UINT, int delta, POINT) {
  ScrollByWheel(delta);
  return 1;
}

void CDropWnd::OnVScroll(UINT code, UINT pos, CScrollBar* bar) {
  if (bar == &m_wndScroll) {
    if (code == SB_THUMBTRACK) {
      // The message carries 16 bits of position; the bar tells all of it while it is dragged.
      SCROLLINFO info{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
      if (m_wndScroll.GetScrollInfo(&info, SIF_TRACKPOS)) m_pList->SetTopIndex(info.nTrackPos);
    } else {
      m_pList->SendMessage(WM_VSCROLL, MAKEWPARAM(code, pos), 0);
    }
    return;
  }
  CWnd::OnVScroll(code, pos, bar);
}
