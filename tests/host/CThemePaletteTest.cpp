#include <gtest/gtest.h>

#include <string>

#include "host/CThemePalette.h"
#include "tests/host/HostTestSupport.h"

using trellis::test::TempDir;

TEST(CThemePalette, EmptyPaletteKnowsNothing) {
  CComPtr<CThemePalette> palette(new CThemePalette);
  EXPECT_EQ(palette->GetColor(L"Edit.BackGround"), 0u);
  EXPECT_EQ(palette->GetColor(nullptr), 0u);
}

TEST(CThemePalette, FailedReloadLeavesThePreviousThemeWhole) {
  CComPtr<CThemePalette> palette(new CThemePalette);
  ASSERT_FALSE(palette->LoadText("A = #010101\nB = #020202\n", {}));

  // Good lines before the bad one must not leak into the palette.
  const auto error = palette->LoadText("A = #0A0A0A\nC = #0C0C0C\nB = #nothex\n", {});
  ASSERT_TRUE(error);
  EXPECT_EQ(error->nLine, 3);
  EXPECT_EQ(palette->GetColor(L"A"), RGB(1, 1, 1));
  EXPECT_EQ(palette->GetColor(L"B"), RGB(2, 2, 2));
  EXPECT_EQ(palette->GetColor(L"C"), 0u);

  // A good reload replaces everything: keys it lacks are gone.
  ASSERT_FALSE(palette->LoadText("C = #0C0C0C\n", {}));
  EXPECT_EQ(palette->GetColor(L"A"), 0u);
  EXPECT_EQ(palette->GetColor(L"C"), RGB(12, 12, 12));
}

TEST(CThemePalette, LoadFileReadsTheFileAndRefusesWhatIsNotATheme) {
  TempDir dir;
  CComPtr<CThemePalette> palette(new CThemePalette);
  ASSERT_FALSE(palette->LoadFile(dir.Write("good.theme", "# light\nA = #ABCDEF\n")));
  EXPECT_EQ(palette->GetColor(L"A"), RGB(0xAB, 0xCD, 0xEF));

  const auto bad = palette->LoadFile(dir.Write("bad.theme", "A = #000000\nshade A = #111111\n"));
  ASSERT_TRUE(bad);
  EXPECT_EQ(bad->Describe().rfind(L"line 2: unknown directive 'shade'", 0), 0u);

  for (const auto& notATheme : {dir.path() / "missing.theme", dir.path()}) {
    const auto error = palette->LoadFile(notATheme);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->nLine, 0);
    EXPECT_NE(error->Describe().find(L"cannot read"), std::wstring::npos);
  }

  const auto huge = palette->LoadFile(dir.Write("huge.theme", std::string(2 << 20, '#')));
  ASSERT_TRUE(huge);
  EXPECT_NE(huge->strReason.find(L"too large"), std::wstring::npos);

  EXPECT_EQ(palette->GetColor(L"A"), RGB(0xAB, 0xCD, 0xEF));
}
