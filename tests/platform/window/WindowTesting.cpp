#include "tests/platform/window/WindowTesting.h"

#include <algorithm>

namespace trellis::test {

WindowTest* WindowTest::s_current = nullptr;

WindowTest::WindowTest() {
  // Both classes live for the process; the white brush with them.
  static const bool registered = [] {
    WNDCLASSEXW wc{sizeof(wc), CS_DBLCLKS, &WindowTest::Proc, 0, 16, nullptr, nullptr,
                   LoadCursorW(nullptr, IDC_ARROW), CreateSolidBrush(kBackground), nullptr,
                   kLogClass, nullptr};
    RegisterClassExW(&wc);
    wc.style = 0;
    wc.hbrBackground = nullptr;
    wc.lpszClassName = kPlainClass;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
  s_current = this;
}

WindowTest::~WindowTest() { s_current = nullptr; }

LRESULT CALLBACK WindowTest::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowTest* self = s_current;
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  self->m_log.push_back({hwnd, message, wParam, lParam});
  auto it = self->m_handlers.find({hwnd, message});
  if (it == self->m_handlers.end()) it = self->m_handlers.find({nullptr, message});
  if (it == self->m_handlers.end()) return DefWindowProcW(hwnd, message, wParam, lParam);
  const Handler handler = it->second;  // the handler may replace itself
  return handler(wParam, lParam);
}

HWND WindowTest::Make(DWORD style, RECT rect, HWND parent, DWORD exStyle,
                      const wchar_t* className, UINT id) {
  return CreateWindowExW(exStyle, className, L"", style, rect.left, rect.top,
                         rect.right - rect.left, rect.bottom - rect.top, parent,
                         reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
}

std::vector<Logged> WindowTest::Received(std::vector<UINT> only) const {
  std::vector<Logged> out;
  for (const Logged& l : m_log)
    if (only.empty() || std::find(only.begin(), only.end(), l.message) != only.end()) out.push_back(l);
  return out;
}

std::vector<UINT> WindowTest::MessagesTo(HWND hwnd, std::vector<UINT> only) const {
  std::vector<UINT> out;
  for (const Logged& l : Received(std::move(only)))
    if (l.hwnd == hwnd) out.push_back(l.message);
  return out;
}

Order WindowTest::Sequence(std::vector<UINT> only) const {
  Order order;
  for (const Logged& l : Received(std::move(only))) order.push_back({l.hwnd, l.message});
  return order;
}

void WindowTest::PaintWith(HWND hwnd, COLORREF color) {
  On(hwnd, WM_PAINT, [hwnd, color](WPARAM, LPARAM) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &ps);
    return LRESULT(0);
  });
}

}  // namespace trellis::test
