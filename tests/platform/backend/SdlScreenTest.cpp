// The SDL backend on SDL's dummy video driver: what the window shows, SDL events arriving as window
// messages, text typed once, and clipboard text traded with SDL as UTF-8.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/backend/sdl/SdlScreen.h"
#include "platform/win32/WinImm.h"
#include "platform/win32/WinUser.h"

// Events and messages are built naming only the fields that matter; the rest are zero.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

constexpr COLORREF kRed = RGB(200, 0, 0);
std::vector<MSG> g_log;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  g_log.push_back({hwnd, message, wParam, lParam});
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

class SdlScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "dummy", SDL_HINT_OVERRIDE);
    using namespace platform::sdl;
    if (!screen.Open(L"Trellis 测试", 320, 240, kSdlAnyDriver | kSdlResizable))
      GTEST_SKIP() << "SDL cannot start: " << screen.Error();
    // The class and its red brush live for the process.
    static const HBRUSH red = CreateSolidBrush(kRed);
    const WNDCLASSEXW wc{.cbSize = sizeof(wc), .lpfnWndProc = RecordingProc, .hbrBackground = red,
                         .lpszClassName = L"SdlScreenTestWindow"};
    RegisterClassExW(&wc);
    window = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 20, 10, 100, 50,
                             nullptr, nullptr, nullptr, nullptr);
    g_log.clear();
  }

  // The wParam (or lParam) of each `message` received.
  static std::vector<WPARAM> Only(UINT message, bool lParam = false) {
    std::vector<WPARAM> out;
    for (const MSG& r : g_log)
      if (r.message == message) out.push_back(lParam ? WPARAM(r.lParam) : r.wParam);
    return out;
  }

  COLORREF ShownAt(int x, int y) {
    SDL_Surface* surface = SDL_GetWindowSurface(screen.OsWindow());
    // A window surface is never RLE-encoded, so it needs no locking to read.
    const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    const Uint32 pixel = *reinterpret_cast<const Uint32*>(row + x * surface->format->BytesPerPixel);
    Uint8 r, g, b;
    SDL_GetRGB(pixel, surface->format, &r, &g, &b);
    return RGB(r, g, b);
  }

  static void Push(SDL_Event e) { ASSERT_EQ(SDL_PushEvent(&e), 1); }
  static void PushKey(Uint32 type, SDL_Keycode key) {
    Push({.key = {.type = type, .keysym = {.sym = key}}});
  }
  static void PushText(Uint32 type, const char* utf8) {
    SDL_Event e{.type = type};
    SDL_strlcpy(type == SDL_TEXTINPUT ? e.text.text : e.edit.text, utf8, sizeof(e.text.text));
    Push(e);
  }

  platform::sdl::SdlScreen screen;
  HWND window = nullptr;
};

// Only new frames are presented, and the screen follows the window's size: top-level windows hear
// of it and the new surface shows the whole screen. Closing the window ends the loop.
TEST_F(SdlScreenTest, TheWindowShowsTheScreenFollowingItsSize) {
  ASSERT_TRUE(screen.PumpUntilIdle());
  const COLORREF desktop = ShownAt(5, 5);
  EXPECT_NE(desktop, kRed);
  EXPECT_EQ(ShownAt(30, 20), kRed);
  const int frames = screen.FramesPresented();
  ASSERT_TRUE(screen.PumpUntilIdle());
  EXPECT_EQ(screen.FramesPresented(), frames);
  MoveWindow(window, 150, 10, 100, 50, TRUE);
  ASSERT_TRUE(screen.PumpUntilIdle());
  EXPECT_EQ(screen.FramesPresented(), frames + 1);
  EXPECT_EQ(ShownAt(30, 20), desktop);

  g_log.clear();
  SDL_SetWindowSize(screen.OsWindow(), 400, 150);
  ASSERT_TRUE(screen.PumpUntilIdle());
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 400);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 150);
  EXPECT_EQ(Only(WM_DISPLAYCHANGE).size(), 1u);
  EXPECT_EQ(ShownAt(160, 20), kRed);
  EXPECT_EQ(ShownAt(390, 140), desktop);
  const Uint32 id = SDL_GetWindowID(screen.OsWindow());
  Push({.window = {.type = SDL_WINDOWEVENT, .windowID = id, .event = SDL_WINDOWEVENT_CLOSE}});
  EXPECT_EQ(screen.Run(), 0);
}

// A printable key comes with its text from SDL: typed once. Enter has no text from SDL, so its
// character is ours; text without a key (a dead key, a compose sequence) is typed too. The wheel
// tells of the button held. What an input method composed is the pre-edit test's.
TEST_F(SdlScreenTest, MouseKeysAndTextArriveAsWindowMessages) {
  Push({.button = {.type = SDL_MOUSEBUTTONDOWN, .button = SDL_BUTTON_LEFT, .x = 30, .y = 25}});
  Push({.wheel = {.type = SDL_MOUSEWHEEL, .y = -1, .preciseY = -1.0f}});
  PushKey(SDL_KEYDOWN, SDLK_LEFT);
  PushKey(SDL_KEYDOWN, SDLK_a);
  PushText(SDL_TEXTINPUT, "a");
  PushKey(SDL_KEYUP, SDLK_a);
  PushKey(SDL_KEYDOWN, SDLK_RETURN);
  PushText(SDL_TEXTINPUT, "é");
  PushKey(SDL_KEYDOWN, SDLK_b);
  PushText(SDL_TEXTINPUT, "b");
  ASSERT_TRUE(screen.PumpUntilIdle());
  EXPECT_EQ(Only(WM_LBUTTONDOWN, true), std::vector<WPARAM>{WPARAM(MAKELPARAM(10, 15))});
  EXPECT_EQ(Only(WM_MOUSEWHEEL), std::vector<WPARAM>{MAKEWPARAM(MK_LBUTTON, -WHEEL_DELTA)});
  EXPECT_EQ(Only(WM_KEYDOWN), (std::vector<WPARAM>{VK_LEFT, 'A', VK_RETURN, 'B'}));
  std::wstring typed;
  for (WPARAM c : Only(WM_CHAR)) typed.push_back(wchar_t(c));
  EXPECT_EQ(typed, L"a\réb");
}

// An input method's pre-edit is the platform's composition, a long one whole; a key SDL reports
// during it reaches the window as taken; the commit after the pre-edit ends is its result; and
// plain typing follows once. Text input is on only while the focus window has an open context:
// without one, keys type through the platform.
TEST_F(SdlScreenTest, PreeditsAreCompositionsAndTextInputFollowsTheContext) {
  ASSERT_TRUE(screen.PumpUntilIdle());
  ASSERT_TRUE(SDL_IsTextInputActive());
  g_log.clear();
  SDL_Event edit{.edit = {.type = SDL_TEXTEDITING, .start = 2}};
  SDL_strlcpy(edit.edit.text, "ni", sizeof(edit.edit.text));
  Push(edit);
  PushKey(SDL_KEYDOWN, SDLK_h);
  const std::wstring longText(20, L'字');  // 60 bytes of UTF-8: more than an SDL_TEXTEDITING holds
  std::string longUtf8;
  for (int i = 0; i < 20; ++i) longUtf8 += "\xE5\xAD\x97";
  Push({.editExt = {.type = SDL_TEXTEDITING_EXT, .text = SDL_strdup(longUtf8.c_str()),
                    .start = 3, .length = 2}});
  ASSERT_TRUE(screen.PumpUntilIdle());
  const HIMC context = ImmGetContext(window);
  std::wstring composed(longText.size() + 1, L'#');
  EXPECT_EQ(ImmGetCompositionStringW(context, GCS_COMPSTR, composed.data(),
                                     DWORD(composed.size() * sizeof(wchar_t))),
            LONG(longText.size() * sizeof(wchar_t)));
  EXPECT_EQ(composed, longText + L"#");
  // The selection SDL names is the target clause, with the caret at its end.
  EXPECT_EQ(ImmGetCompositionStringW(context, GCS_CURSORPOS, nullptr, 0), 5);
  std::vector<BYTE> attributes(longText.size());
  ImmGetCompositionStringW(context, GCS_COMPATTR, attributes.data(), DWORD(attributes.size()));
  EXPECT_EQ(std::count(attributes.begin(), attributes.end(), ATTR_TARGET_CONVERTED), 2);
  EXPECT_EQ(attributes[3], ATTR_TARGET_CONVERTED);
  EXPECT_EQ(attributes[4], ATTR_TARGET_CONVERTED);
  Push(SDL_Event{.edit = {.type = SDL_TEXTEDITING}});
  PushText(SDL_TEXTINPUT, "你好");
  PushKey(SDL_KEYDOWN, SDLK_b);
  PushText(SDL_TEXTINPUT, "b");
  ASSERT_TRUE(screen.PumpUntilIdle());
  std::vector<std::pair<UINT, WPARAM>> heard;
  for (const MSG& m : g_log)
    if (m.message == WM_IME_STARTCOMPOSITION || m.message == WM_IME_COMPOSITION ||
        m.message == WM_IME_ENDCOMPOSITION || m.message == WM_KEYDOWN || m.message == WM_CHAR)
      heard.push_back({m.message, m.message == WM_IME_COMPOSITION ? WPARAM(m.lParam) : m.wParam});
  constexpr WPARAM kComposing = GCS_COMPSTR | GCS_COMPATTR | GCS_CURSORPOS;
  const std::vector<std::pair<UINT, WPARAM>> expected = {
      {WM_IME_STARTCOMPOSITION, 0}, {WM_IME_COMPOSITION, kComposing}, {WM_KEYDOWN, VK_PROCESSKEY},
      {WM_IME_COMPOSITION, kComposing}, {WM_IME_ENDCOMPOSITION, 0},
      {WM_IME_STARTCOMPOSITION, 0}, {WM_IME_COMPOSITION, GCS_RESULTSTR},
      {WM_IME_ENDCOMPOSITION, 0}, {WM_KEYDOWN, 'B'}, {WM_CHAR, L'b'}};
  EXPECT_EQ(heard, expected);
  wchar_t result[3] = {};
  ImmGetCompositionStringW(context, GCS_RESULTSTR, result, 2 * sizeof(wchar_t));
  EXPECT_STREQ(result, L"你好");

  ImmAssociateContext(window, nullptr);
  ASSERT_TRUE(screen.PumpUntilIdle());
  EXPECT_FALSE(SDL_IsTextInputActive());
  g_log.clear();
  PushKey(SDL_KEYDOWN, SDLK_a);
  ASSERT_TRUE(screen.PumpUntilIdle());
  EXPECT_EQ(Only(WM_CHAR), std::vector<WPARAM>{L'a'});
  ImmAssociateContext(window, context);
  ASSERT_TRUE(screen.PumpUntilIdle());
  EXPECT_TRUE(SDL_IsTextInputActive());
}

// The OS window losing the input focus deactivates the desktop: no window is active or hears
// the keys until it comes back, and then the window that was active is again.
TEST_F(SdlScreenTest, TheOsWindowsFocusIsTheDesktopsActivation) {
  SetActiveWindow(window);
  const auto focusThenKey = [this, id = SDL_GetWindowID(screen.OsWindow())](Uint8 event) {
    Push({.window = {.type = SDL_WINDOWEVENT, .windowID = id, .event = event}});
    PushKey(SDL_KEYDOWN, SDLK_a);
    ASSERT_TRUE(screen.PumpUntilIdle());
  };
  g_log.clear();
  focusThenKey(SDL_WINDOWEVENT_FOCUS_LOST);
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(Only(WM_ACTIVATE), std::vector<WPARAM>{WA_INACTIVE});
  EXPECT_EQ(Only(WM_ACTIVATEAPP), std::vector<WPARAM>{FALSE});
  focusThenKey(SDL_WINDOWEVENT_FOCUS_GAINED);
  EXPECT_EQ(GetActiveWindow(), window);
  EXPECT_EQ(Only(WM_ACTIVATEAPP), (std::vector<WPARAM>{FALSE, TRUE}));
  EXPECT_EQ(Only(WM_KEYDOWN), std::vector<WPARAM>{'A'});  // the key typed while away heard by none
}

// A release made while the window had neither the keyboard nor the pointer never comes from
// SDL: when either comes back, the buttons the system has up are released where the pointer
// is, once, and SDL's own late report of that release adds nothing.
TEST_F(SdlScreenTest, AReleaseMadeAwayIsHeardWhenTheWindowComesBack) {
  const auto press = [](Uint32 type) {
    Push({.button = {.type = type, .button = SDL_BUTTON_LEFT, .x = 30, .y = 25}});
  };
  const auto osWindow = [id = SDL_GetWindowID(screen.OsWindow())](Uint8 event) {
    Push({.window = {.type = SDL_WINDOWEVENT, .windowID = id, .event = event}});
  };
  for (const Uint8 back : {SDL_WINDOWEVENT_FOCUS_GAINED, SDL_WINDOWEVENT_ENTER}) {
    g_log.clear();
    press(SDL_MOUSEBUTTONDOWN);
    osWindow(SDL_WINDOWEVENT_FOCUS_LOST);
    osWindow(back);
    ASSERT_TRUE(screen.PumpUntilIdle());
    EXPECT_EQ(Only(WM_LBUTTONUP, true), std::vector<WPARAM>{WPARAM(MAKELPARAM(10, 15))});
    EXPECT_GE(GetKeyState(VK_LBUTTON), 0);
    press(SDL_MOUSEBUTTONUP);
    press(SDL_MOUSEBUTTONDOWN);
    press(SDL_MOUSEBUTTONUP);
    ASSERT_TRUE(screen.PumpUntilIdle());
    EXPECT_EQ(Only(WM_LBUTTONDOWN).size(), 2u);
    EXPECT_EQ(Only(WM_LBUTTONUP).size(), 2u);
  }
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
  ASSERT_TRUE(OpenClipboard(window));
  const HGLOBAL offered = GetClipboardData(CF_UNICODETEXT);
  EXPECT_STREQ(static_cast<const wchar_t*>(GlobalLock(offered)), L"粘贴 paste");
  GlobalUnlock(offered);
  CloseClipboard();
}

}  // namespace
