// The SDL backend on SDL's dummy video driver: what the window shows, SDL events arriving as
// window messages, text typed once, and clipboard text traded with SDL as UTF-8.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/backend/sdl/SdlScreen.h"
#include "platform/win32/WinImm.h"
#include "platform/win32/WinUser.h"

namespace {

struct Received {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

std::vector<Received> g_log;
COLORREF g_paintColor = RGB(200, 0, 0);
std::wstring g_imeResult;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  g_log.push_back({message, wParam, lParam});
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HBRUSH brush = CreateSolidBrush(g_paintColor);
    FillRect(dc, &ps.rcPaint, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &ps);
    return 0;
  }
  if (message == WM_IME_COMPOSITION) {
    const HIMC context = ImmGetContext(hwnd);
    g_imeResult.assign(std::size_t(ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0)) /
                           sizeof(wchar_t),
                       L'?');
    ImmGetCompositionStringW(context, GCS_RESULTSTR, g_imeResult.data(),
                             DWORD(g_imeResult.size() * sizeof(wchar_t)));
    ImmReleaseContext(hwnd, context);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

class SdlScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "dummy", SDL_HINT_OVERRIDE);
    using namespace platform::sdl;
    if (!screen.Open(L"Trellis 测试", 320, 240, kSdlAnyDriver | kSdlResizable))
      GTEST_SKIP() << "SDL cannot start: " << screen.Error();
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = RecordingProc;
    wc.lpszClassName = L"SdlScreenTestWindow";
    RegisterClassExW(&wc);
    window = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 20, 10, 100, 50,
                             nullptr, nullptr, nullptr, nullptr);
    SetFocus(window);
    g_log.clear();
    g_paintColor = RGB(200, 0, 0);
  }

  std::vector<Received> Only(UINT message) const {
    std::vector<Received> out;
    for (const Received& r : g_log)
      if (r.message == message) out.push_back(r);
    return out;
  }

  COLORREF ShownAt(int x, int y) {
    SDL_Surface* surface = SDL_GetWindowSurface(screen.OsWindow());
    SDL_LockSurface(surface);
    const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    const Uint32 pixel = *reinterpret_cast<const Uint32*>(row + x * surface->format->BytesPerPixel);
    SDL_UnlockSurface(surface);
    Uint8 r, g, b;
    SDL_GetRGB(pixel, surface->format, &r, &g, &b);
    return RGB(r, g, b);
  }

  static void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1); }
  static void PushKey(Uint32 type, SDL_Keycode key) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = key;
    Push(e);
  }
  static void PushText(Uint32 type, const char* utf8) {
    SDL_Event e{};
    e.type = type;
    if (type == SDL_TEXTINPUT)
      SDL_strlcpy(e.text.text, utf8, sizeof(e.text.text));
    else
      SDL_strlcpy(e.edit.text, utf8, sizeof(e.edit.text));
    Push(e);
  }

  platform::sdl::SdlScreen screen;
  HWND window = nullptr;
};

TEST_F(SdlScreenTest, TheWindowShowsTheScreenAndOnlyNewFrames) {
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 320);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 240);
  ASSERT_TRUE(screen.PumpUntilIdle());
  EXPECT_EQ(ShownAt(30, 20), RGB(200, 0, 0));
  EXPECT_NE(ShownAt(5, 5), RGB(200, 0, 0));  // the desktop
  const int frames = screen.FramesPresented();
  EXPECT_GE(frames, 1);
  ASSERT_TRUE(screen.PumpUntilIdle());
  EXPECT_EQ(screen.FramesPresented(), frames);
  g_paintColor = RGB(0, 0, 200);
  InvalidateRect(window, nullptr, FALSE);
  ASSERT_TRUE(screen.PumpUntilIdle());
  EXPECT_EQ(screen.FramesPresented(), frames + 1);
  EXPECT_EQ(ShownAt(30, 20), RGB(0, 0, 200));
}

TEST_F(SdlScreenTest, TheScreenFollowsTheWindowsSizeAndTopLevelWindowsHearOfIt) {
  ASSERT_TRUE(screen.PumpUntilIdle());
  g_log.clear();
  SDL_SetWindowSize(screen.OsWindow(), 400, 150);
  ASSERT_TRUE(screen.PumpUntilIdle());
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 400);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 150);
  const auto changes = Only(WM_DISPLAYCHANGE);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(LOWORD(changes[0].lParam), 400);
  EXPECT_EQ(HIWORD(changes[0].lParam), 150);
  // The new surface shows the whole screen, the part that was not there before too.
  EXPECT_EQ(ShownAt(30, 20), RGB(200, 0, 0));
  EXPECT_EQ(ShownAt(390, 140), ShownAt(5, 5));
  EXPECT_NE(ShownAt(390, 140), RGB(200, 0, 0));
}

TEST_F(SdlScreenTest, MouseEventsReachTheWindowUnderThePointer) {
  SDL_Event press{};
  press.type = SDL_MOUSEBUTTONDOWN;
  press.button.button = SDL_BUTTON_LEFT;
  press.button.x = 30;
  press.button.y = 25;
  Push(press);
  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  wheel.wheel.y = -1;
  wheel.wheel.preciseY = -1.0f;
  Push(wheel);
  ASSERT_TRUE(screen.PumpUntilIdle());
  const auto down = Only(WM_LBUTTONDOWN);
  ASSERT_EQ(down.size(), 1u);
  EXPECT_EQ(GET_X_LPARAM(down[0].lParam), 10);
  EXPECT_EQ(GET_Y_LPARAM(down[0].lParam), 15);
  const auto turns = Only(WM_MOUSEWHEEL);
  ASSERT_EQ(turns.size(), 1u);
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(turns[0].wParam), -WHEEL_DELTA);
}

TEST_F(SdlScreenTest, KeysMapAndTextIsTypedOnce) {
  PushKey(SDL_KEYDOWN, SDLK_LEFT);
  PushKey(SDL_KEYUP, SDLK_LEFT);
  // A printable key: SDL reports the key and, separately, its text.
  PushKey(SDL_KEYDOWN, SDLK_a);
  PushText(SDL_TEXTINPUT, "a");
  PushKey(SDL_KEYUP, SDLK_a);
  PushKey(SDL_KEYDOWN, SDLK_RETURN);  // no text from SDL: Enter's character is ours
  PushKey(SDL_KEYUP, SDLK_RETURN);
  PushText(SDL_TEXTINPUT, "é");  // a dead key or a compose sequence: text without a key
  ASSERT_TRUE(screen.PumpUntilIdle());
  std::vector<WPARAM> keys;
  for (const Received& r : Only(WM_KEYDOWN)) keys.push_back(r.wParam);
  EXPECT_EQ(keys, (std::vector<WPARAM>{VK_LEFT, 'A', VK_RETURN}));
  std::wstring typed;
  for (const Received& r : Only(WM_CHAR)) typed.push_back(wchar_t(r.wParam));
  EXPECT_EQ(typed, L"a\ré");
}

TEST_F(SdlScreenTest, TextAnInputMethodComposedArrivesAsItsResult) {
  PushText(SDL_TEXTEDITING, "zhongwen");
  PushText(SDL_TEXTINPUT, "中文");
  PushKey(SDL_KEYDOWN, SDLK_b);  // the input method let go: plain typing again
  PushText(SDL_TEXTINPUT, "b");
  ASSERT_TRUE(screen.PumpUntilIdle());
  ASSERT_EQ(Only(WM_IME_COMPOSITION).size(), 1u);
  EXPECT_EQ(Only(WM_IME_COMPOSITION)[0].lParam, LPARAM(GCS_RESULTSTR));
  EXPECT_EQ(g_imeResult, L"中文");
  const auto chars = Only(WM_CHAR);
  ASSERT_EQ(chars.size(), 1u);
  EXPECT_EQ(chars[0].wParam, WPARAM(L'b'));
}

TEST_F(SdlScreenTest, ClipboardTextIsTradedWithSdlAsUtf8) {
  const std::wstring copied = L"复制 copy";
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const HGLOBAL memory = GlobalAlloc(GHND, (copied.size() + 1) * sizeof(wchar_t));
  std::wmemcpy(static_cast<wchar_t*>(GlobalLock(memory)), copied.c_str(), copied.size() + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  char* utf8 = SDL_GetClipboardText();
  const std::string seen = utf8 ? utf8 : "";
  SDL_free(utf8);
  if (seen.empty()) GTEST_SKIP() << "this video driver keeps no clipboard";
  EXPECT_EQ(seen, "\xE5\xA4\x8D\xE5\x88\xB6 copy");

  ASSERT_EQ(SDL_SetClipboardText("\xE7\xB2\x98\xE8\xB4\xB4 paste"), 0);
  ASSERT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  ASSERT_TRUE(OpenClipboard(window));
  const HGLOBAL offered = GetClipboardData(CF_UNICODETEXT);
  ASSERT_NE(offered, nullptr);
  EXPECT_STREQ(static_cast<const wchar_t*>(GlobalLock(offered)), L"粘贴 paste");
  GlobalUnlock(offered);
  CloseClipboard();
}

TEST_F(SdlScreenTest, ClosingTheWindowEndsTheLoop) {
  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  close.window.windowID = SDL_GetWindowID(screen.OsWindow());
  Push(close);
  EXPECT_EQ(screen.Run(), 0);
  PostQuitMessage(3);
  EXPECT_EQ(screen.Run(), 3);
  EXPECT_TRUE(screen.PumpUntilIdle());
}

}  // namespace
