// Input-method results reaching the focus window through its input context, and characters
// when the backend types text itself.
#include <string>
#include <vector>

#include "platform/win32/WinImm.h"
#include "platform/window/Desktop.h"
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

constexpr DWORD kShown = WS_POPUP | WS_VISIBLE;

// Reads the result string as the edit box does: ask the size, then fetch into a buffer of it.
std::wstring ReadResult(HWND hwnd) {
  const HIMC context = ImmGetContext(hwnd);
  if (!context) return L"<no context>";
  const LONG bytes = ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
  std::wstring text(std::size_t(bytes) / sizeof(wchar_t), L'?');
  const LONG copied = ImmGetCompositionStringW(context, GCS_RESULTSTR, text.data(), DWORD(bytes));
  EXPECT_EQ(copied, bytes);
  EXPECT_TRUE(ImmReleaseContext(hwnd, context));
  return text;
}

class InputMethod : public WindowTest {
 protected:
  void SetUp() override {
    top = Make(kShown, {0, 0, 200, 200});
    edit = Make(WS_CHILD | WS_VISIBLE, {10, 10, 100, 30}, top);
    SetFocus(edit);
    On(edit, WM_IME_COMPOSITION, [this](WPARAM, LPARAM) {
      results.push_back(ReadResult(edit));
      return LRESULT(0);
    });
    screen.PumpUntilIdle();
    ClearLog();
  }

  HWND top = nullptr;
  HWND edit = nullptr;
  std::vector<std::wstring> results;
};

TEST_F(InputMethod, ResultsReachTheFocusWindowInOrderWithTypedCharacters) {
  screen.TypeText(L"a");
  screen.ImeResult(L"中文");
  screen.ImeResult(L"输入法");
  screen.TypeText(L"b");
  screen.PumpUntilIdle();
  const auto msgs = Received({WM_CHAR, WM_IME_COMPOSITION});
  ASSERT_EQ(msgs.size(), 4u);
  EXPECT_EQ(msgs[0].wParam, WPARAM(L'a'));
  EXPECT_EQ(msgs[1].message, WM_IME_COMPOSITION);
  EXPECT_EQ(msgs[1].hwnd, edit);
  EXPECT_EQ(msgs[1].lParam, LPARAM(GCS_RESULTSTR));
  EXPECT_EQ(msgs[1].wParam, WPARAM(L'文'));
  EXPECT_EQ(msgs[3].wParam, WPARAM(L'b'));
  EXPECT_EQ(results, (std::vector<std::wstring>{L"中文", L"输入法"}));
  // The result stays in the context until the next one, as on the platform.
  EXPECT_EQ(ReadResult(top), L"输入法");
}

TEST_F(InputMethod, SizesAreBytesAndStringsAreNotTerminated) {
  screen.ImeResult(L"汉字ab");
  screen.PumpUntilIdle();
  const HIMC context = ImmGetContext(edit);
  EXPECT_EQ(ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 100), LONG(4 * sizeof(wchar_t)));
  wchar_t buffer[6] = {L'#', L'#', L'#', L'#', L'#', L'#'};
  EXPECT_EQ(ImmGetCompositionStringW(context, GCS_RESULTSTR, buffer, 0), LONG(4 * sizeof(wchar_t)));
  EXPECT_EQ(buffer[0], L'#');
  // Whole characters only: two and a half fit.
  EXPECT_EQ(ImmGetCompositionStringW(context, GCS_RESULTSTR, buffer, 2 * sizeof(wchar_t) + 1),
            LONG(2 * sizeof(wchar_t)));
  EXPECT_EQ(std::wstring(buffer, 3), L"汉字#");
  EXPECT_EQ(ImmGetCompositionStringW(context, GCS_RESULTSTR, buffer, sizeof(buffer)),
            LONG(4 * sizeof(wchar_t)));
  EXPECT_EQ(std::wstring(buffer, 6), L"汉字ab##");
  EXPECT_EQ(ImmGetCompositionStringW(context, GCS_COMPSTR, nullptr, 0), 0);
  EXPECT_EQ(ImmGetCompositionStringW(context, 0x0001, nullptr, 0), IMM_ERROR_GENERAL);
}

TEST_F(InputMethod, BadHandlesAreRefused) {
  const HWND dead = Make(kShown, {0, 0, 10, 10});
  DestroyWindow(dead);
  EXPECT_EQ(ImmGetContext(nullptr), nullptr);
  EXPECT_EQ(ImmGetContext(dead), nullptr);
  const HIMC context = ImmGetContext(edit);
  ASSERT_NE(context, nullptr);
  EXPECT_EQ(ImmGetContext(top), context);  // the desktop's one default context
  EXPECT_FALSE(ImmReleaseContext(dead, context));
  EXPECT_FALSE(ImmReleaseContext(edit, nullptr));
  wchar_t buffer[4];
  const HIMC window_as_context = reinterpret_cast<HIMC>(edit);
  for (HIMC bad : {HIMC(nullptr), window_as_context})
    EXPECT_EQ(ImmGetCompositionStringW(bad, GCS_RESULTSTR, buffer, sizeof(buffer)), 0);
}

TEST_F(InputMethod, ABackendThatTypesTextLeavesOnlyControlCharactersToKeys) {
  platform::Desktop::Current().backendTypesText = true;
  screen.KeyPress('A');
  screen.KeyPress(VK_SPACE);
  screen.KeyPress(VK_OEM_COMMA);
  screen.KeyPress(VK_RETURN);
  screen.KeyPress(VK_BACK);
  screen.KeyDown(VK_CONTROL);
  screen.KeyPress('C');
  screen.KeyUp(VK_CONTROL);
  screen.TypeText(L"a");
  screen.PumpUntilIdle();
  std::wstring typed;
  for (const Logged& l : Received({WM_CHAR})) typed.push_back(wchar_t(l.wParam));
  EXPECT_EQ(typed, L"\r\b\x03" L"a");
}

}  // namespace
}  // namespace trellis::test
