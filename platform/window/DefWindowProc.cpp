// The default handling of messages that windows pass on.
#include <algorithm>

#include "platform/gdi/DeviceContext.h"
#include "platform/window/WindowManager.h"

using namespace platform;

namespace {

bool IsChildWindow(const Window& w) { return (w.style & WS_CHILD) && w.parent && !IsDesktop(*w.parent); }

LRESULT EraseBackground(Window& w, HDC hdc) {
  if (!Resolve<GdiBrush>(w.windowClass->background)) return 0;
  RECT box{};
  if (GetClipBox(hdc, &box) == ERROR) return 0;
  FillRect(hdc, &box, w.windowClass->background);
  return 1;
}

LRESULT CopyText(const Window& w, WPARAM capacity, LPWSTR out) {
  if (!out || capacity == 0) return 0;
  const std::size_t n = std::min<std::size_t>(w.text.size(), capacity - 1);
  std::copy_n(w.text.begin(), n, out);
  out[n] = L'\0';
  return LRESULT(n);
}

}  // namespace

LRESULT DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* w = FindWindowObject(hwnd);
  if (!w) return 0;
  switch (message) {
    case WM_NCCREATE: {
      const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) w->text = cs->lpszName;
      return TRUE;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      if (BeginPaint(hwnd, &ps)) EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND: return EraseBackground(*w, reinterpret_cast<HDC>(wParam));
    case WM_SETTEXT:
      w->text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : L"";
      return TRUE;
    case WM_GETTEXT: return CopyText(*w, wParam, reinterpret_cast<LPWSTR>(lParam));
    case WM_GETTEXTLENGTH: return LRESULT(w->text.size());
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !IsSelfOrAncestor(*w, FindWindowObject(GetFocus())))
        SetFocus(hwnd);
      return 0;
    case WM_CANCELMODE:
      if (GetCapture() == hwnd) ReleaseCapture();
      return 0;
    case WM_SETCURSOR:
      // The parent decides first; then the class cursor shows over the client area.
      if (IsChildWindow(*w) &&
          SendMessageW(w->parent->Handle(), WM_SETCURSOR, wParam, lParam))
        return TRUE;
      if (!(w = FindWindowObject(hwnd))) return FALSE;
      if (LOWORD(lParam) == HTCLIENT) {
        if (!w->windowClass->cursor) return FALSE;
        SetCursor(w->windowClass->cursor);
        return TRUE;
      }
      SetCursor(LoadCursorW(nullptr, IDC_ARROW));
      return FALSE;
    case WM_MOUSEACTIVATE:
      if (IsChildWindow(*w))
        if (LRESULT r = SendMessageW(w->parent->Handle(), WM_MOUSEACTIVATE, wParam, lParam)) return r;
      return MA_ACTIVATE;
    // The window leaves its composition to the platform to show.
    case WM_IME_STARTCOMPOSITION:
      Desktop::Current().inputMethod.ShowDefaultWindowFor(hwnd);
      return 0;
    case WM_MOUSEWHEEL:
      // An unhandled wheel turn goes up to the parent.
      if (IsChildWindow(*w)) return SendMessageW(w->parent->Handle(), message, wParam, lParam);
      return 0;
    default: return 0;
  }
}

LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(hwnd, message, wParam, lParam) : 0;
}
