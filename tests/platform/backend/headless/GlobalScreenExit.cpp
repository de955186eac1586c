// A program that keeps its headless screen in a global, as a tool or a test runner may, must
// exit with 0: the screen, its windows, their timers and device contexts, and the fonts drawn
// with are torn down by static destructors in whatever order the runtime picks.
//
//   global_screen_exit first   the screen is made before the fonts, maps and registries that
//                              the program brings to life, so it goes after them
//   global_screen_exit last    they are all in use before the screen is made, so it goes first
#include <cstring>
#include <cwchar>
#include <optional>

#include "platform/backend/headless/HeadlessScreen.h"
#include "platform/mfc/CGdiObject.h"
#include "platform/win32/WinUser.h"

namespace {

using platform::headless::HeadlessScreen;

CFont g_font;  // an application's font, deleted at exit after the screen's windows
std::optional<HeadlessScreen> g_screen;

HFONT MakeFont(LONG height) {
  LOGFONTW lf{};
  lf.lfHeight = height;
  std::wcscpy(lf.lfFaceName, L"Tahoma");
  return CreateFontIndirectW(&lf);
}

void DrawLine(HDC dc, const wchar_t* text) {
  HGDIOBJ old = SelectObject(dc, g_font.m_hObject);
  RECT r{0, 0, 200, 40};
  DrawTextW(dc, text, -1, &r, DT_SINGLELINE | DT_VCENTER);
  SelectObject(dc, old);
}

// Paints text, and measures and draws text it never drew before while it is destroyed, which
// happens at exit when the screen goes.
LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    DrawLine(BeginPaint(hwnd, &ps), L"Painted");
    EndPaint(hwnd, &ps);
    return 0;
  }
  if (message == WM_DESTROY) {
    HDC dc = GetDC(hwnd);
    DrawLine(dc, L"Gone \x4E2D");
    ReleaseDC(hwnd, dc);
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Made after everything main warmed up, so destroyed before all of it.
HeadlessScreen& LateScreen() {
  static HeadlessScreen screen(320, 200);
  return screen;
}

}  // namespace

int main(int argc, char** argv) {
  const bool screenFirst = argc > 1 && std::strcmp(argv[1], "first") == 0;
  if (screenFirst) g_screen.emplace(320, 200);
  if (!g_font.Attach(MakeFont(-12))) return 1;
  HDC measure = CreateCompatibleDC(nullptr);
  SelectObject(measure, g_font.m_hObject);
  SIZE size{};
  GetTextExtentPoint32W(measure, L"Warm", 4, &size);
  DeleteDC(measure);
  LoadCursorW(nullptr, IDC_ARROW);

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = Proc;
  wc.lpszClassName = L"GlobalScreenExit";
  if (!RegisterClassExW(&wc)) return 1;
  HeadlessScreen& screen = screenFirst ? *g_screen : LateScreen();
  HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100,
                              nullptr, nullptr, nullptr, nullptr);
  if (!hwnd || !SetTimer(hwnd, 1, 100, nullptr)) return 1;
  // A font that outlives main and a DC that is never released.
  SelectObject(GetDC(hwnd), MakeFont(-13));
  screen.AdvanceTime(250);
  return screen.PixelAt(0, 0) == CLR_INVALID ? 1 : 0;
}
