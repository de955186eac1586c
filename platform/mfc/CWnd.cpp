// CWnd: owning windows, creating and destroying them, and the helpers over the Win32 calls.
// The message side (WindowProc, the handlers, reflection) is in CWndMessages.cpp.
#include "platform/mfc/CWnd.h"

#include "platform/mfc/CDC.h"
#include "platform/mfc/TempHandleMap.h"
#include "platform/window/CreationHook.h"

namespace {

constexpr wchar_t kAfxWndClass[] = L"AfxWnd";

// Never destroyed: CWnd objects with static storage (wndTop and the like, or an application's)
// may look themselves up while the process exits.
TempHandleMap<CWnd>& WndMap() {
  static auto* map = new TempHandleMap<CWnd>(
      [](void* h) {
        auto wnd = std::make_unique<CWnd>();
        wnd->m_hWnd = static_cast<HWND>(h);
        return wnd;
      },
      [](CWnd& wnd) { wnd.m_hWnd = nullptr; },
      [](void* h) { return ::IsWindow(static_cast<HWND>(h)) != FALSE; });
  return *map;
}

LPCWSTR AfxWndClass() {
  WNDCLASSEXW wc{};
  if (!::GetClassInfoExW(nullptr, kAfxWndClass, &wc)) {
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kAfxWndClass;
    ::RegisterClassExW(&wc);
  }
  return kAfxWndClass;
}

}  // namespace

IMPLEMENT_DYNAMIC(CWnd, CObject)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::~CWnd() {
  if (m_hWnd && FromHandlePermanent(m_hWnd) == this) ::DestroyWindow(m_hWnd);
  if (m_hWnd && FromHandlePermanent(m_hWnd) == this) Detach();
}

BOOL CWnd::Attach(HWND hwnd) {
  if (!hwnd || m_hWnd || !::IsWindow(hwnd) || FromHandlePermanent(hwnd)) return FALSE;
  m_hWnd = hwnd;
  WndMap().SetPermanent(hwnd, this);
  return TRUE;
}

HWND CWnd::Detach() {
  const HWND hwnd = m_hWnd;
  if (hwnd && FromHandlePermanent(hwnd) == this) WndMap().RemovePermanent(hwnd);
  m_hWnd = nullptr;
  return hwnd;
}

CWnd* CWnd::FromHandle(HWND hwnd) { return ::IsWindow(hwnd) ? WndMap().FromHandle(hwnd) : nullptr; }

CWnd* CWnd::FromHandlePermanent(HWND hwnd) { return WndMap().Permanent(hwnd); }

void CWnd::DeleteTempMap() { WndMap().DeleteTemps(); }

BOOL CWnd::SubclassWindow(HWND hwnd) {
  if (!Attach(hwnd)) return FALSE;
  const auto old = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
  if (old != &AfxWndProc) m_pfnSuper = old;
  return TRUE;
}

HWND CWnd::UnsubclassWindow() {
  if (!m_hWnd) return nullptr;
  ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  m_pfnSuper = nullptr;
  return Detach();
}

void CWnd::AttachWhileCreating(HWND hwnd, void* self) {
  static_cast<CWnd*>(self)->SubclassWindow(hwnd);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU idOrMenu, LPVOID param) {
  if (m_hWnd) return FALSE;
  platform::SetCreationHook(&CWnd::AttachWhileCreating, this);
  const HWND hwnd = ::CreateWindowExW(exStyle, className ? className : AfxWndClass(), windowName,
                                      style, x, y, width, height, parent, idOrMenu, nullptr, param);
  platform::SetCreationHook(nullptr, nullptr);
  return hwnd && hwnd == m_hWnd;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id, LPVOID param) {
  return CreateEx(exStyle, className, windowName, style, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top,
                  parent ? parent->m_hWnd : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id) {
  // MFC's Create makes child windows.
  return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id);
}

BOOL CWnd::DestroyWindow() {
  const HWND hwnd = m_hWnd;
  if (!hwnd) return FALSE;
  const BOOL done = ::DestroyWindow(hwnd);
  // A window attached without subclassing never told us of its WM_NCDESTROY.
  if (done && m_hWnd == hwnd) Detach();
  return done;
}

void CWnd::ClientToScreen(LPRECT rect) const {
  ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::ScreenToClient(LPRECT rect) const {
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const {
  ::MapWindowPoints(m_hWnd, to ? to->m_hWnd : nullptr, points, count);
}

void CWnd::MapWindowPoints(CWnd* to, LPRECT rect) const {
  ::MapWindowPoints(m_hWnd, to ? to->m_hWnd : nullptr, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
  ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
  if (rect) MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
  return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
}

namespace {

BOOL ModifyLong(HWND hwnd, int index, DWORD remove, DWORD add, UINT flags) {
  const DWORD style = DWORD(::GetWindowLongW(hwnd, index));
  const DWORD changed = (style & ~remove) | add;
  if (style == changed) return FALSE;
  ::SetWindowLongW(hwnd, index, LONG(changed));
  if (flags)
    ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
  return TRUE;
}

}  // namespace

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) {
  return ModifyLong(m_hWnd, GWL_STYLE, remove, add, flags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags) {
  return ModifyLong(m_hWnd, GWL_EXSTYLE, remove, add, flags);
}

void CWnd::GetWindowText(CString& out) const {
  const int length = ::GetWindowTextLengthW(m_hWnd);
  wchar_t* buffer = out.GetBuffer(length);
  ::GetWindowTextW(m_hWnd, buffer, length + 1);
  out.ReleaseBuffer(length);
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), redraw);
}

CFont* CWnd::GetFont() const {
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
  return font ? CFont::FromHandle(font) : nullptr;
}

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }

int CWnd::ReleaseDC(CDC* dc) { return dc ? ::ReleaseDC(m_hWnd, dc->m_hDC) : 0; }
