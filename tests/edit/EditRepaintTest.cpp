// Typing and erasing repaint only from the change on while the text does not scroll. A seeded
// random sequence of typing, erasing, caret moves, selections and font changes checks after
// every step that the screen shows what a full repaint of the same state shows.
#include <random>

#include "tests/edit/EditBoxFixture.h"

using namespace trellis::test;

TEST_F(EditBox, WhatAnEditRepaintsMatchesAFullRepaint) {
  constexpr unsigned kSeed = 20261207;
  constexpr int kSteps = 300;
  constexpr RECT kAll{0, 0, 160, 24};
  std::mt19937 random(kSeed);
  const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  // Narrow and wide letters, ones whose ink leans past their advance, and another script.
  const std::wstring alphabet = L"aiWfjV .&中";
  const auto letter = [&] { return std::wstring(1, alphabet[std::size_t(pick(10))]); };
  const UINT moves[] = {VK_LEFT, VK_RIGHT, VK_HOME, VK_END};
  Make(L"", kAll.right, kAll.bottom);
  Click(edit, 2, 12);
  LOGFONTW base{};
  edit.GetFont(&base);
  int partial = 0;  // paints that left the start of the edit alone
  for (int step = 0; step < kSteps; ++step) {
    const int op = pick(10);
    switch (op) {
      case 0:
      case 1:
      case 2: Type(letter()); break;
      case 3: Type(letter() + letter() + letter()); break;
      case 4:
      case 5: Type(L"\b"); break;
      case 6: Key(moves[pick(4)]); break;
      case 7:  // a few characters selected backwards, then typed over or erased
        screen.KeyDown(VK_SHIFT);
        for (int n = 1 + pick(3); n > 0; --n) Key(VK_LEFT);
        screen.KeyUp(VK_SHIFT);
        Type(pick(2) ? letter() : L"\b");
        break;
      case 8: {
        LOGFONTW font = base;
        font.lfHeight = base.lfHeight < 0 ? -(10 + pick(12)) : 10 + pick(12);
        font.lfItalic = BYTE(pick(2));
        font.lfWeight = pick(2) ? FW_BOLD : FW_NORMAL;
        edit.SetFont(font);
        break;
      }
      default:
        if (Text().size() > 40) edit.SetText(L"");
        break;
    }
    const std::vector<COLORREF> shown = Shown(edit, kAll);
    if (edit.painted.left > 0) ++partial;
    edit.InvalidContainerRect(0, nullptr);
    ASSERT_EQ(shown, Shown(edit, kAll))
        << "seed " << kSeed << ", step " << step << ", op " << op << ", text " << Text().size();
  }
  // Many of those edits left the text where it was, and repainted only from the change on.
  EXPECT_GT(partial, kSteps / 10);
}
