// The edit box under an input method: the platform shows the composition at its caret in its
// font, keys the method takes move nothing, and the text changes only on commit.
#include "platform/window/Desktop.h"
#include "platform/win32/WinImm.h"
#include "tests/edit/EditBoxFixture.h"

using namespace trellis::test;

namespace {

const platform::InputMethod& Ime() { return platform::Desktop::Current().inputMethod; }

}  // namespace

// Row by row: what the input method did, the text and caret afterwards, and the x of the
// caret's column the platform was told, as a boundary of the text. Every composition message
// tells the parent the text may have changed; a cancel sends none.
TEST_F(EditBox, ComposesAtTheCaretAndChangesTheTextOnlyOnCommit) {
  Make(L"hello");
  Click(edit, At(2), 12);
  ASSERT_EQ(edit.GetCaret(), 2);
  ASSERT_TRUE(Ime().TextInputWanted());
  parent.notices.clear();
  struct Step {
    const char* what;
    void (*act)(platform::headless::HeadlessScreen&);
    const wchar_t* text;
    int caret;
    bool shown;
  };
  const Step steps[] = {
      {"composing", [](auto& s) { s.ImeComposition(L"ni", 2); }, L"hello", 2, true},
      {"converted", [](auto& s) { s.ImeComposition(L"你", 1, 0, 1); }, L"hello", 2, true},
      {"a key the method takes", [](auto& s) { s.KeyPress(VK_LEFT); }, L"hello", 2, true},
      {"committed", [](auto& s) { s.ImeResult(L"你"); }, L"he你llo", 3, false},
      {"cancelled", [](auto& s) { s.ImeComposition(L"x", 1), s.ImeComposition(L"", 0); },
       L"he你llo", 3, false},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act(screen);
    Pump();
    EXPECT_EQ(Text(), step.text);
    EXPECT_EQ(edit.GetCaret(), step.caret);
    EXPECT_EQ(Ime().Shown() != nullptr, step.shown);
    const RECT area = Ime().CandidateArea();
    const POINT caret = ScreenPoint(edit, BoundaryX(step.caret), 0);
    EXPECT_EQ(area.left, caret.x);
    EXPECT_EQ(area.right, caret.x + 1);
    LOGFONTW lf{};
    edit.GetFont(&lf);
    EXPECT_EQ(area.bottom - area.top, std::abs(lf.lfHeight));
  }
  EXPECT_EQ(parent.NotifyCodes(), (std::vector<UINT>{kChange, kChange, kChange, kChange}));
}

// The composition covers the caret in the edit's font: its caret column stands after the
// composed text's width, measured as the edit measures, as tall as the edit's caret.
TEST_F(EditBox, TheCompositionWindowStandsAtTheCaretInTheEditsFont) {
  Make(L"abc");
  Click(edit, At(1), 12);
  screen.ImeComposition(L"zhong", 5);
  Pump();
  const RECT area = Ime().CandidateArea();
  const POINT at = ScreenPoint(edit, BoundaryX(1), 0);
  ASSERT_EQ(area.left, at.x);
  for (int y = area.top; y < area.bottom; ++y)
    EXPECT_EQ(screen.PixelAt(at.x + Width(L"zhong"), y), RGB(0, 0, 0)) << y;
}

// Only an element that takes input-method text gives the window a context: elsewhere the keys
// go straight to the focus and the system's input method is off.
TEST_F(EditBox, TheWindowHasAContextOnlyWhileTheEditHasTheFocus) {
  Make(L"abc");
  EXPECT_EQ(ImmGetContext(window.m_hWnd), nullptr);
  Click(edit, At(1), 12);
  EXPECT_NE(ImmGetContext(window.m_hWnd), nullptr);
  screen.ImeComposition(L"a", 1);
  Pump();
  LoseFocus();
  EXPECT_EQ(ImmGetContext(window.m_hWnd), nullptr);
  EXPECT_FALSE(Ime().TextInputWanted());
  EXPECT_EQ(Ime().Shown(), nullptr);
  screen.ImeResult(L"中");
  Pump();
  EXPECT_EQ(Text(), L"abc");
}

// A composition belongs to the box it was typed into: a click into another box drops it there
// and in the input method, and neither text changes; the next commit goes to the new box.
TEST_F(EditBox, MovingTheFocusToAnotherBoxDropsTheComposition) {
  Make(L"abc");
  CElementEdit second;
  _CONTAINER_INFO info = Info(10, 50, 200, 24, kId + 1);
  info.SetText(L"xyz");
  second.InitObject(L"edit", &info);
  Click(edit, At(3), 12);
  screen.ImeComposition(L"ni", 2);
  Pump();
  ASSERT_NE(Ime().Shown(), nullptr);
  const unsigned dropped = Ime().Cancellations();
  Click(second, 5, 12);
  EXPECT_EQ(Ime().Shown(), nullptr);
  EXPECT_FALSE(Ime().ComposingIn(window.m_hWnd));
  EXPECT_EQ(Ime().Cancellations(), dropped + 1);
  EXPECT_EQ(Text(), L"abc");
  EXPECT_EQ(std::wstring(second.GetTextString().GetString()), L"xyz");
  screen.ImeResult(L"你");
  Pump();
  EXPECT_EQ(Text(), L"abc");
  EXPECT_EQ(std::wstring(second.GetTextString().GetString()), L"你xyz");
}
