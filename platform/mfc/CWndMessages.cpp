// CWnd's message side: the window procedure, dispatch to the virtual handlers, their default
// handling, reflection to child controls, and pre-translation.
#include "platform/mfc/CDC.h"
#include "platform/mfc/CScrollBar.h"
#include "platform/mfc/CWnd.h"
#include "platform/win32/WinListBox.h"

namespace {

// The message being handled, for Default() and GetCurrentMessage(); nested sends save and
// restore it.
thread_local MSG t_currentMessage{};

CPoint PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }
CWnd* WndOf(WPARAM wParam) { return CWnd::FromHandle(reinterpret_cast<HWND>(wParam)); }
CWnd* WndOf(LPARAM lParam) { return CWnd::FromHandle(reinterpret_cast<HWND>(lParam)); }

}  // namespace

LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
  if (!wnd) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  const MSG saved = t_currentMessage;
  t_currentMessage = {hwnd, message, wParam, lParam, 0, {0, 0}};
  // The object may delete itself in PostNcDestroy: nothing touches it after this call.
  const LRESULT result = wnd->WindowProc(message, wParam, lParam);
  t_currentMessage = saved;
  return result;
}

const MSG* CWnd::GetCurrentMessage() { return &t_currentMessage; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  const MSG& m = t_currentMessage;
  return DefWindowProc(m.message, m.wParam, m.lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  LRESULT r = 0;
  switch (message) {
    case WM_CREATE: r = OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)); break;
    case WM_DESTROY: OnDestroy(); break;
    case WM_NCDESTROY: OnNcDestroy(); break;
    case WM_PAINT: OnPaint(); break;
    case WM_ERASEBKGND: r = OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam))); break;
    case WM_SIZE: OnSize(UINT(wParam), LOWORD(lParam), HIWORD(lParam)); break;
    case WM_MOVE: OnMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); break;
    case WM_SHOWWINDOW: OnShowWindow(BOOL(wParam), UINT(lParam)); break;
    case WM_ENABLE: OnEnable(BOOL(wParam)); break;
    case WM_ACTIVATE: OnActivate(LOWORD(wParam), WndOf(lParam), HIWORD(wParam)); break;
    case WM_MOUSEACTIVATE: r = OnMouseActivate(WndOf(wParam), LOWORD(lParam), HIWORD(lParam)); break;
    case WM_CANCELMODE: OnCancelMode(); break;
    case WM_LBUTTONDOWN: OnLButtonDown(UINT(wParam), PointOf(lParam)); break;
    case WM_LBUTTONUP: OnLButtonUp(UINT(wParam), PointOf(lParam)); break;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(UINT(wParam), PointOf(lParam)); break;
    case WM_RBUTTONDOWN: OnRButtonDown(UINT(wParam), PointOf(lParam)); break;
    case WM_RBUTTONUP: OnRButtonUp(UINT(wParam), PointOf(lParam)); break;
    case WM_RBUTTONDBLCLK: OnRButtonDblClk(UINT(wParam), PointOf(lParam)); break;
    case WM_MBUTTONDOWN: OnMButtonDown(UINT(wParam), PointOf(lParam)); break;
    case WM_MBUTTONUP: OnMButtonUp(UINT(wParam), PointOf(lParam)); break;
    case WM_MBUTTONDBLCLK: OnMButtonDblClk(UINT(wParam), PointOf(lParam)); break;
    case WM_MOUSEMOVE: OnMouseMove(UINT(wParam), PointOf(lParam)); break;
    case WM_MOUSEWHEEL:
      r = OnMouseWheel(GET_KEYSTATE_WPARAM(wParam), GET_WHEEL_DELTA_WPARAM(wParam), PointOf(lParam));
      break;
    case WM_MOUSELEAVE: OnMouseLeave(); break;
    case WM_KEYDOWN: OnKeyDown(UINT(wParam), LOWORD(lParam), HIWORD(lParam)); break;
    case WM_KEYUP: OnKeyUp(UINT(wParam), LOWORD(lParam), HIWORD(lParam)); break;
    case WM_CHAR: OnChar(UINT(wParam), LOWORD(lParam), HIWORD(lParam)); break;
    case WM_TIMER: OnTimer(UINT_PTR(wParam)); break;
    case WM_SETFOCUS: OnSetFocus(WndOf(wParam)); break;
    case WM_KILLFOCUS: OnKillFocus(WndOf(wParam)); break;
    case WM_CAPTURECHANGED: OnCaptureChanged(WndOf(lParam)); break;
    case WM_SETCURSOR: r = OnSetCursor(WndOf(wParam), LOWORD(lParam), HIWORD(lParam)); break;
    case WM_VSCROLL:
    case WM_HSCROLL: {
      // A scroll bar control sends its own handle; window scroll bars send none.
      auto* bar = dynamic_cast<CScrollBar*>(FromHandlePermanent(reinterpret_cast<HWND>(lParam)));
      const UINT code = LOWORD(wParam), pos = UINT(short(HIWORD(wParam)));
      if (message == WM_VSCROLL) OnVScroll(code, pos, bar);
      else OnHScroll(code, pos, bar);
      break;
    }
    case WM_DRAWITEM:
      OnDrawItem(int(wParam), reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
      r = TRUE;
      break;
    case WM_COMMAND:
      if (!OnCommand(wParam, lParam)) return FALSE;
      break;
    case WM_NOTIFY:
      // Senders that leave the header's window field unset still reach OnNotify.
      if (!lParam || !OnNotify(wParam, lParam, &r)) return FALSE;
      break;
    default: return FALSE;
  }
  if (result) *result = r;
  return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND hwndStop, MSG* msg) {
  if (!msg) return FALSE;
  for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (wnd && wnd->PreTranslateMessage(msg)) return TRUE;
    if (hwnd == hwndStop) break;
  }
  return FALSE;
}

// ---- reflection

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* result) {
  const MSG& m = t_currentMessage;
  return OnChildNotify(m.message, m.wParam, m.lParam, result);
}

BOOL CWnd::ReflectLastMsg(HWND child, LRESULT* result) {
  // Only a permanent object can have handlers of its own.
  CWnd* wnd = FromHandlePermanent(child);
  return wnd && wnd->SendChildNotifyLastMsg(result);
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

BOOL CWnd::OnCommand(WPARAM, LPARAM lParam) {
  // From a control (lParam is its window): the control gets the first word.
  return lParam && ReflectLastMsg(reinterpret_cast<HWND>(lParam));
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  return header && ReflectLastMsg(header->hwndFrom, result);
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* scrollBar) {
  if (scrollBar && scrollBar->SendChildNotifyLastMsg()) return;
  Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* scrollBar) {
  if (scrollBar && scrollBar->SendChildNotifyLastMsg()) return;
  Default();
}

void CWnd::OnDrawItem(int, DRAWITEMSTRUCT* dis) {
  if (dis && ReflectLastMsg(dis->hwndItem)) return;
  Default();
}

// ---- handlers whose default is the default window procedure

int CWnd::OnCreate(LPCREATESTRUCT) { return int(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return BOOL(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return int(Default()); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return BOOL(Default()); }
void CWnd::OnMouseLeave() { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return BOOL(Default()); }

void CWnd::OnNcDestroy() {
  Default();
  // Hand the window back to the procedure it had, if nobody subclassed it after us.
  if (m_pfnSuper && reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC)) == &AfxWndProc)
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  m_pfnSuper = nullptr;
  Detach();
  PostNcDestroy();
}

void CWnd::PostNcDestroy() {}
