// Input-method results reaching the focus window through its input context.
#include <string>
#include <vector>

#include "platform/win32/WinImm.h"
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

using InputMethod = WindowTest;

// Sizes are bytes, copies are whole characters, and the string is not terminated. The result
// stays in the context until the next one, as on the platform. Bad handles are refused.
TEST_F(InputMethod, ResultsReachTheFocusWindowInOrderAndReadInBytesThroughGoodHandlesOnly) {
  const HWND top = Make(WS_POPUP | WS_VISIBLE, {0, 0, 200, 200});
  const HWND edit = Make(WS_CHILD | WS_VISIBLE, {10, 10, 100, 30}, top);
  SetFocus(edit);
  screen.TypeText(L"a");
  screen.ImeResult(L"中文");
  screen.ImeResult(L"汉字ab");
  screen.TypeText(L"b");
  screen.PumpUntilIdle();
  EXPECT_EQ(MessagesTo(edit, {WM_CHAR, WM_IME_COMPOSITION}),
            (std::vector<UINT>{WM_CHAR, WM_IME_COMPOSITION, WM_IME_COMPOSITION, WM_CHAR}));
  const auto ime = Received({WM_IME_COMPOSITION});
  EXPECT_EQ(ime[0].hwnd, edit);
  EXPECT_EQ(ime[0].lParam, LPARAM(GCS_RESULTSTR));
  EXPECT_EQ(ime[0].wParam, WPARAM(L'文'));
  const HIMC context = ImmGetContext(edit);
  ASSERT_NE(context, nullptr);
  EXPECT_EQ(ImmGetContext(top), context);  // the desktop's one default context
  constexpr LONG kChar = sizeof(wchar_t);
  EXPECT_EQ(ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 100), 4 * kChar);
  wchar_t buffer[6] = {L'#', L'#', L'#', L'#', L'#', L'#'};
  EXPECT_EQ(ImmGetCompositionStringW(context, GCS_RESULTSTR, buffer, 0), 4 * kChar);
  EXPECT_EQ(buffer[0], L'#');
  EXPECT_EQ(ImmGetCompositionStringW(context, GCS_RESULTSTR, buffer, 2 * kChar + 1), 2 * kChar);
  EXPECT_EQ(std::wstring(buffer, 3), L"汉字#");
  EXPECT_EQ(ImmGetCompositionStringW(context, GCS_RESULTSTR, buffer, sizeof(buffer)), 4 * kChar);
  EXPECT_EQ(std::wstring(buffer, 6), L"汉字ab##");
  EXPECT_EQ(ImmGetCompositionStringW(context, GCS_COMPSTR, nullptr, 0), 0);
  EXPECT_EQ(ImmGetCompositionStringW(context, 0x0001, nullptr, 0), IMM_ERROR_GENERAL);
  EXPECT_TRUE(ImmReleaseContext(edit, context));
  const HWND dead = Make(WS_POPUP, {0, 0, 10, 10});
  DestroyWindow(dead);
  EXPECT_EQ(ImmGetContext(dead), nullptr);
  EXPECT_EQ(ImmGetContext(nullptr), nullptr);
  EXPECT_FALSE(ImmReleaseContext(dead, context));
  EXPECT_FALSE(ImmReleaseContext(edit, nullptr));
  for (HIMC bad : {HIMC(nullptr), reinterpret_cast<HIMC>(edit)})
    EXPECT_EQ(ImmGetCompositionStringW(bad, GCS_RESULTSTR, buffer, sizeof(buffer)), 0);
  // Without a focus window a result goes nowhere.
  SetFocus(nullptr);
  ClearLog();
  screen.ImeResult(L"无人");
  screen.PumpUntilIdle();
  EXPECT_TRUE(Received({WM_IME_COMPOSITION}).empty());
}

}  // namespace
}  // namespace trellis::test
