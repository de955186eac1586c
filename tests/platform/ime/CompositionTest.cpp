// Compositions and results through the focus window's input context, the keys the input method
// takes, the windows that get none, and the platform's default composition window.
#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "platform/ime/CompositionWindow.h"
#include "platform/mfc/CRect.h"
#include "platform/win32/WinImm.h"
#include "platform/window/Desktop.h"
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

constexpr LPARAM kComposing = GCS_COMPSTR | GCS_COMPATTR | GCS_CURSORPOS;
constexpr COLORREF kHighlight = RGB(0, 120, 215);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class Composition : public WindowTest {
 protected:
  Composition() {
    top = Make(WS_POPUP | WS_VISIBLE, {0, 0, 300, 200});
    edit = Make(WS_CHILD | WS_VISIBLE, {10, 10, 200, 40}, top);
    PaintWith(top, RGB(90, 90, 90));
    PaintWith(edit, RGB(90, 90, 90));
    SetFocus(edit);
    screen.PumpUntilIdle();
    ClearLog();
  }

  std::wstring Read(DWORD index) {
    const HIMC context = ImmGetContext(edit);
    const LONG bytes = ImmGetCompositionStringW(context, index, nullptr, 0);
    std::wstring text(std::size_t(bytes) / sizeof(wchar_t), L'\0');
    ImmGetCompositionStringW(context, index, text.data(), DWORD(bytes));
    return text;
  }
  std::vector<BYTE> Attributes() {
    const HIMC context = ImmGetContext(edit);
    std::vector<BYTE> out(std::size_t(ImmGetCompositionStringW(context, GCS_COMPATTR, nullptr, 0)));
    ImmGetCompositionStringW(context, GCS_COMPATTR, out.data(), DWORD(out.size()));
    return out;
  }
  // The IME and key messages the edit got since the last call, as (message, wParam, lParam).
  std::vector<Logged> Heard() {
    std::vector<Logged> out;
    for (const Logged& m : Received({WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION,
                                     WM_IME_ENDCOMPOSITION, WM_KEYDOWN, WM_KEYUP, WM_CHAR}))
      if (m.hwnd == edit) out.push_back(m);
    ClearLog();
    return out;
  }

  HWND top = nullptr;
  HWND edit = nullptr;
};

struct Sent {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// The life of a composition, row by row: what the user's input method did, what the window
// heard, and what its context holds afterwards.
TEST_F(Composition, FollowsThePlatformsMessagesAndStringsStepByStep) {
  struct Step {
    const char* what;
    std::function<void(platform::headless::HeadlessScreen&)> act;
    std::vector<Sent> heard;
    std::wstring composition;
    LONG cursor;
    std::vector<BYTE> attributes;
    std::wstring result;
  };
  const std::vector<Step> steps = {
      {"first letter", [](auto& s) { s.ImeComposition(L"n", 1); },
       {{WM_IME_STARTCOMPOSITION, 0, 0}, {WM_IME_COMPOSITION, L'n', kComposing}},
       L"n", 1, {ATTR_INPUT}, L""},
      {"caret moved", [](auto& s) { s.ImeComposition(L"ni", 0); },
       {{WM_IME_COMPOSITION, L'i', kComposing}}, L"ni", 0, {ATTR_INPUT, ATTR_INPUT}, L""},
      {"a key the method takes", [](auto& s) { s.KeyPress('H'); },
       {{WM_KEYDOWN, VK_PROCESSKEY, 1}, {WM_KEYUP, 'H', LPARAM(0xC0000001u)}},
       L"ni", 0, {ATTR_INPUT, ATTR_INPUT}, L""},
      {"converted, second clause the target",
       [](auto& s) { s.ImeComposition(L"你好吗", 3, 1, 2); },
       {{WM_IME_COMPOSITION, L'吗', kComposing}}, L"你好吗", 3,
       {ATTR_INPUT, ATTR_TARGET_CONVERTED, ATTR_TARGET_CONVERTED}, L""},
      {"committed", [](auto& s) { s.ImeResult(L"你好吗"); },
       {{WM_IME_COMPOSITION, L'吗', GCS_RESULTSTR}, {WM_IME_ENDCOMPOSITION, 0, 0}},
       L"", 0, {}, L"你好吗"},
      {"keys are the window's again", [](auto& s) { s.KeyPress('H'); },
       {{WM_KEYDOWN, 'H', 1}, {WM_CHAR, L'h', 1}, {WM_KEYUP, 'H', LPARAM(0xC0000001u)}},
       L"", 0, {}, L"你好吗"},
      {"a new composition empties the result", [](auto& s) { s.ImeComposition(L"x", 1); },
       {{WM_IME_STARTCOMPOSITION, 0, 0}, {WM_IME_COMPOSITION, L'x', kComposing}},
       L"x", 1, {ATTR_INPUT}, L""},
      {"cancelled", [](auto& s) { s.ImeComposition(L"", 0); },
       {{WM_IME_ENDCOMPOSITION, 0, 0}}, L"", 0, {}, L""},
      {"an empty one with none going on", [](auto& s) { s.ImeComposition(L"", 0); }, {}, L"", 0,
       {}, L""},
      {"a result with no composition", [](auto& s) { s.ImeResult(L"。"); },
       {{WM_IME_STARTCOMPOSITION, 0, 0}, {WM_IME_COMPOSITION, L'。', GCS_RESULTSTR},
        {WM_IME_ENDCOMPOSITION, 0, 0}},
       L"", 0, {}, L"。"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act(screen);
    screen.PumpUntilIdle();
    const std::vector<Logged> heard = Heard();
    ASSERT_EQ(heard.size(), step.heard.size());
    for (std::size_t i = 0; i < heard.size(); ++i) {
      EXPECT_EQ(heard[i].message, step.heard[i].message) << i;
      EXPECT_EQ(heard[i].wParam, step.heard[i].wParam) << i;
      EXPECT_EQ(heard[i].lParam, step.heard[i].lParam) << i;
    }
    EXPECT_EQ(Read(GCS_COMPSTR), step.composition);
    EXPECT_EQ(ImmGetCompositionStringW(ImmGetContext(edit), GCS_CURSORPOS, nullptr, 0),
              step.cursor);
    EXPECT_EQ(Attributes(), step.attributes);
    EXPECT_EQ(Read(GCS_RESULTSTR), step.result);
  }
}

// The context calls' answers and refusals. That a composition reaches only a focus window with
// an open context, and that each way of losing it ends one in progress, is the random
// sequences' invariant below.
TEST_F(Composition, ContextCallsAnswerAndRefuseAsDocumented) {
  const HIMC context = ImmGetContext(edit);
  EXPECT_EQ(ImmAssociateContext(edit, nullptr), context);
  EXPECT_EQ(ImmGetContext(edit), nullptr);
  EXPECT_EQ(ImmGetContext(top), context);
  EXPECT_EQ(ImmAssociateContext(edit, context), nullptr);
  EXPECT_EQ(ImmGetContext(edit), context);
  EXPECT_FALSE(ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_CANCEL, 0));  // none in progress
  screen.ImeComposition(L"ab", 2);
  screen.PumpUntilIdle();
  EXPECT_TRUE(ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_CANCEL, 0));
  // Refusals change nothing.
  EXPECT_EQ(ImmAssociateContext(edit, reinterpret_cast<HIMC>(top)), nullptr);
  EXPECT_EQ(ImmAssociateContext(nullptr, context), nullptr);
  EXPECT_EQ(ImmGetContext(edit), context);
  EXPECT_FALSE(ImmSetOpenStatus(nullptr, TRUE));
  EXPECT_FALSE(ImmSetCompositionWindow(context, nullptr));
  CANDIDATEFORM second{1, CFS_CANDIDATEPOS, {0, 0}, {}};
  EXPECT_FALSE(ImmSetCandidateWindow(context, &second));
  EXPECT_FALSE(ImmSetCompositionFontW(nullptr, nullptr));
}

// Sizes are bytes, copies are whole characters, and the string is not terminated; the result
// stays in the context until the next one, as on the platform. Bad handles are refused, and
// without a focus window a result goes nowhere.
TEST_F(Composition, ResultsReachTheFocusInOrderAndReadInBytesThroughGoodHandlesOnly) {
  screen.TypeText(L"a");
  screen.ImeResult(L"中文");
  screen.ImeResult(L"汉字ab");
  screen.TypeText(L"b");
  screen.PumpUntilIdle();
  EXPECT_EQ(MessagesTo(edit, {WM_CHAR, WM_IME_COMPOSITION}),
            (std::vector<UINT>{WM_CHAR, WM_IME_COMPOSITION, WM_IME_COMPOSITION, WM_CHAR}));
  const HIMC context = ImmGetContext(edit);
  constexpr LONG kChar = sizeof(wchar_t);
  EXPECT_EQ(ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 100), 4 * kChar);
  wchar_t buffer[6] = {L'#', L'#', L'#', L'#', L'#', L'#'};
  EXPECT_EQ(ImmGetCompositionStringW(context, GCS_RESULTSTR, buffer, 0), 4 * kChar);
  EXPECT_EQ(buffer[0], L'#');
  EXPECT_EQ(ImmGetCompositionStringW(context, GCS_RESULTSTR, buffer, 2 * kChar + 1), 2 * kChar);
  EXPECT_EQ(std::wstring(buffer, 3), L"汉字#");
  EXPECT_EQ(ImmGetCompositionStringW(context, GCS_RESULTSTR, buffer, sizeof(buffer)), 4 * kChar);
  EXPECT_EQ(std::wstring(buffer, 6), L"汉字ab##");
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
  SetFocus(nullptr);
  ClearLog();
  screen.ImeResult(L"无人");
  screen.PumpUntilIdle();
  EXPECT_TRUE(Received({WM_IME_COMPOSITION}).empty());
}

// What a backend's own input method is told: text input only for a focus window with an open
// context, and the candidates kept below the caret's line it set, else below the composition.
TEST_F(Composition, TellsBackendsWhenTextIsWantedAndWhereCandidatesGo) {
  platform::InputMethod& ime = platform::Desktop::Current().inputMethod;
  const HIMC context = ImmGetContext(edit);
  EXPECT_TRUE(ime.TextInputWanted());
  ImmSetOpenStatus(context, FALSE);
  EXPECT_FALSE(ime.TextInputWanted());
  ImmSetOpenStatus(context, TRUE);
  SetFocus(nullptr);
  EXPECT_FALSE(ime.TextInputWanted());
  SetFocus(edit);

  POINT corner{0, 0};
  ClientToScreen(edit, &corner);
  ASSERT_EQ(corner.x, 10);
  COMPOSITIONFORM at{CFS_POINT, {30, 5}, {}};
  ImmSetCompositionWindow(context, &at);
  const RECT composition = ime.CandidateArea();
  EXPECT_EQ(composition.left, corner.x + 30);
  EXPECT_EQ(composition.top, corner.y + 5);
  EXPECT_GT(composition.bottom, composition.top);
  EXPECT_EQ(composition.right - composition.left, 1);  // nothing composed: the caret alone
  CANDIDATEFORM below{0, CFS_CANDIDATEPOS, {40, 25}, {}};
  ImmSetCandidateWindow(context, &below);
  EXPECT_EQ(CRect(ime.CandidateArea()),
            CRect(corner.x + 40, corner.y + 25, corner.x + 40, corner.y + 25));
  CANDIDATEFORM exclude{0, CFS_EXCLUDE, {40, 5}, {40, 5, 41, 21}};
  ImmSetCandidateWindow(context, &exclude);
  EXPECT_EQ(CRect(ime.CandidateArea()),
            CRect(corner.x + 40, corner.y + 5, corner.x + 41, corner.y + 21));
}

// Seeded sequences of compositions, results, keys, focus moves, cancels and context changes: the
// messages keep the platform's order (a start, compositions, at most one result, an end; keys
// taken only inside), a composition goes only to a focus window with an open context, and the
// strings and the default window follow what was delivered last.
TEST_F(Composition, RandomSequencesKeepThePlatformsOrder) {
  const HWND other = Make(WS_CHILD | WS_VISIBLE, {10, 60, 200, 90}, top);
  const HWND windows[] = {edit, other, top};
  const HIMC context = ImmGetContext(edit);
  const platform::InputMethod& ime = platform::Desktop::Current().inputMethod;
  const std::wstring letters = L"nihao你好吗";
  for (unsigned seed = 1; seed <= 20; ++seed) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    std::mt19937 random(seed);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const auto someText = [&](int most) {
      std::wstring text(std::size_t(pick(most + 1)), L' ');
      for (wchar_t& c : text) c = letters[std::size_t(pick(int(letters.size())))];
      return text;
    };
    HWND composing = nullptr;
    for (int step = 0; step < 150; ++step) {
      const HWND focus = GetFocus();
      const bool takes = ImmGetContext(focus) && ImmGetOpenStatus(ImmGetContext(focus));
      std::wstring text;
      const int op = pick(7);
      switch (op) {
        case 0:
          text = someText(4);
          screen.ImeComposition(text, pick(6) - 1, pick(5) - 1, pick(5) - 1);
          break;
        case 1: text = someText(3), screen.ImeResult(text); break;
        case 2: screen.KeyPress(UINT('A' + pick(26))); break;
        case 3: SetFocus(windows[pick(3)]); break;
        case 4: ImmSetOpenStatus(context, pick(4) != 0); break;
        case 5: ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_CANCEL, 0); break;
        default: ImmAssociateContext(windows[pick(3)], pick(3) ? context : nullptr); break;
      }
      screen.PumpUntilIdle();
      for (const Logged& m : Received()) {
        if (m.message == WM_IME_STARTCOMPOSITION) {
          ASSERT_EQ(composing, nullptr) << step;
          composing = m.hwnd;
        } else if (m.message == WM_IME_COMPOSITION) {
          ASSERT_EQ(composing, m.hwnd) << step;
        } else if (m.message == WM_IME_ENDCOMPOSITION) {
          ASSERT_EQ(composing, m.hwnd) << step;
          composing = nullptr;
        } else if (m.message == WM_KEYDOWN) {
          ASSERT_EQ(m.wParam == VK_PROCESSKEY, composing == m.hwnd) << step;
        }
      }
      ClearLog();
      // Only the focus window composes, and only through an open context.
      const HWND now = GetFocus();
      const HIMC held = ImmGetContext(now);
      if (composing) {
        ASSERT_EQ(composing, now) << step;
        ASSERT_TRUE(held && ImmGetOpenStatus(held)) << step;
      }
      EXPECT_EQ(ime.ComposingIn(now), composing != nullptr) << step;
      EXPECT_EQ(ime.Shown() != nullptr, composing != nullptr) << step;
      const auto read = [&](DWORD index) {
        std::wstring out(64, L'\0');
        const LONG bytes = ImmGetCompositionStringW(held, index, out.data(), 64 * sizeof(wchar_t));
        out.resize(std::size_t(std::max<LONG>(bytes, 0)) / sizeof(wchar_t));
        return out;
      };
      if (composing) {
        EXPECT_EQ(read(GCS_RESULTSTR), L"") << step;
      }
      if ((op == 0 || op == 1) && takes) {
        // A composition starts or goes on unless it is empty; a result ends it.
        EXPECT_EQ(composing != nullptr, op == 0 && !text.empty()) << step;
        EXPECT_EQ(read(op == 0 ? GCS_COMPSTR : GCS_RESULTSTR), text) << step;
      }
    }
    ImmAssociateContext(edit, context);
    ImmSetOpenStatus(context, TRUE);
    SetFocus(edit);
    screen.ImeComposition(L"", 0);
    screen.PumpUntilIdle();
    ClearLog();
  }
}

// The layout of the default window: the caret and the target clause at their prefix widths,
// one column more than the text for a caret at its end; positions beyond the text clamped.
TEST(CompositionLayout, PlacesCaretAndTargetAtPrefixWidths) {
  const std::vector<int> widths = {0, 7, 15, 24};
  struct Case {
    int caret, targetStart, targetLength;
    int caretX;
    RECT target;
  };
  const Case cases[] = {
      {0, 0, 0, 0, {0, 0, 0, 0}},         {3, 1, 1, 24, {7, 0, 15, 18}},
      {2, 0, 3, 15, {0, 0, 24, 18}},      {-4, 2, 9, 0, {15, 0, 24, 18}},
      {9, 3, 2, 24, {0, 0, 0, 0}},        {1, 1, -3, 7, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const platform::CompositionLayout layout =
        platform::LayoutComposition(widths, 18, c.caret, c.targetStart, c.targetLength);
    EXPECT_EQ(layout.size.cx, 25);
    EXPECT_EQ(layout.size.cy, 18);
    EXPECT_EQ(layout.caretX, c.caretX) << c.caret;
    EXPECT_EQ(CRect(layout.target), CRect(c.target)) << c.targetStart << "+" << c.targetLength;
  }
  EXPECT_EQ(platform::LayoutComposition({}, 18, 0, 0, 0).size.cx, 0);
}

// A window that leaves its composition to the platform sees it in the default window: at the
// point it set, white, the target clause in the highlight, a full-height caret; the window
// moves with the point and goes with the composition. One that starts compositions itself
// gets no window.
TEST_F(Composition, TheDefaultWindowShowsTheCompositionAtThePointSet) {
  const HIMC context = ImmGetContext(edit);
  LOGFONTW font{};
  font.lfHeight = 20;
  ImmSetCompositionFontW(context, &font);
  COMPOSITIONFORM at{CFS_POINT, {30, 5}, {}};
  ImmSetCompositionWindow(context, &at);
  const POINT corner{10 + 30, 10 + 5};
  const COLORREF before = screen.PixelAt(corner.x + 2, corner.y + 2);

  screen.ImeComposition(L"ab", 0, 1, 1);
  screen.PumpUntilIdle();
  const RECT area = platform::Desktop::Current().inputMethod.CandidateArea();
  ASSERT_EQ(area.left, corner.x);
  ASSERT_EQ(area.top, corner.y);
  const int height = area.bottom - area.top;
  ASSERT_GT(height, 10);
  for (int y = corner.y; y < area.bottom; ++y) EXPECT_EQ(screen.PixelAt(corner.x, y), kBlack) << y;
  int highlight = 0, white = 0;
  for (int y = corner.y; y < area.bottom - 1; ++y)
    for (int x = corner.x + 1; x < area.right - 1; ++x) {
      highlight += screen.PixelAt(x, y) == kHighlight;
      white += screen.PixelAt(x, y) == RGB(255, 255, 255);
    }
  EXPECT_GT(highlight, 0);
  EXPECT_GT(white, 0);
  // The caret moves to the end; the point moves, and the window with it.
  screen.ImeComposition(L"ab", 2);
  screen.PumpUntilIdle();
  EXPECT_EQ(screen.PixelAt(corner.x + 2, corner.y + 2), RGB(255, 255, 255));
  for (int y = corner.y; y < area.bottom; ++y) EXPECT_EQ(screen.PixelAt(area.right - 1, y), kBlack);
  at.ptCurrentPos = {60, 5};
  ImmSetCompositionWindow(context, &at);
  screen.PumpUntilIdle();
  EXPECT_EQ(screen.PixelAt(corner.x + 2, corner.y + 2), before);
  EXPECT_EQ(screen.PixelAt(corner.x + 32, corner.y + 2), RGB(255, 255, 255));
  screen.ImeResult(L"ab");
  screen.PumpUntilIdle();
  EXPECT_EQ(screen.PixelAt(corner.x + 32, corner.y + 2), before);
  EXPECT_EQ(platform::Desktop::Current().inputMethod.Shown(), nullptr);

  On(edit, WM_IME_STARTCOMPOSITION, [](WPARAM, LPARAM) { return 0; });
  screen.ImeComposition(L"ab", 2);
  screen.PumpUntilIdle();
  EXPECT_EQ(screen.PixelAt(corner.x + 32, corner.y + 2), before);
  EXPECT_EQ(platform::Desktop::Current().inputMethod.Shown(), nullptr);
}

}  // namespace
}  // namespace trellis::test
