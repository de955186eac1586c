#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "host/CThemePalette.h"
#include "platform/win32/WinBase.h"
#include "platform/win32/WinUser.h"
#include "tests/host/HostTestSupport.h"

using trellis::test::SizeOf;
using trellis::test::TempDir;

TEST(CThemePalette, FailedReloadLeavesThePreviousThemeWhole) {
  CComPtr<CThemePalette> palette(new CThemePalette);
  ASSERT_FALSE(palette->LoadText("A = #010101\nB = #020202\n", {}));

  // Good lines before the bad one must not leak into the palette.
  const auto error = palette->LoadText("A = #0A0A0A\nC = #0C0C0C\nB = #nothex\n", {});
  ASSERT_TRUE(error);
  EXPECT_EQ(palette->GetColor(L"A"), RGB(1, 1, 1));
  EXPECT_EQ(palette->GetColor(L"B"), RGB(2, 2, 2));
  EXPECT_EQ(palette->GetColor(L"C"), 0u);

  // A good reload replaces everything: keys it lacks are gone.
  ASSERT_FALSE(palette->LoadText("C = #0C0C0C\n", {}));
  EXPECT_EQ(palette->GetColor(L"A"), 0u);
  EXPECT_EQ(palette->GetColor(L"C"), RGB(12, 12, 12));
}

TEST(CThemePalette, FontsAreOwnedAndKeptAliveAcrossReloads) {
  CComPtr<CThemePalette> palette(new CThemePalette);
  ASSERT_FALSE(palette->LoadText("Rows = #000000\nfont Rows = DejaVu Sans, 12, 700\n", {}));
  CFont* rows = palette->GetFont(L"Rows");
  ASSERT_NE(rows, nullptr);
  LOGFONTW described{};
  ASSERT_TRUE(rows->GetLogFont(&described));
  EXPECT_STREQ(described.lfFaceName, L"DejaVu Sans");
  EXPECT_EQ(described.lfWeight, 700);

  // A control may still hold the old font after a reload: it must stay a live font.
  ASSERT_FALSE(palette->LoadText("font Rows = DejaVu Sans, 14, 400\n", {}));
  EXPECT_NE(palette->GetFont(L"Rows"), rows);
  ASSERT_TRUE(rows->GetLogFont(&described));
  EXPECT_EQ(described.lfHeight, -12);

  // The palette owns its fonts: they go with it.
  const HFONT handle = *rows;
  palette = nullptr;
  EXPECT_EQ(GetObjectType(handle), 0);
}

TEST(CThemePalette, FilesAndTheirBitmapsLoadOrAreRefusedLeavingTheOldTheme) {
  TempDir dir;
  trellis::test::WritePng(dir.path() / "img" / "a.png", 3, 2, RGB(200, 100, 50));
  CComPtr<CThemePalette> palette(new CThemePalette);
  ASSERT_FALSE(palette->LoadFile(dir.Write("t.theme", "# light\nA = #ABCDEF\nbitmap A = img/a.png\n")));
  EXPECT_EQ(palette->GetColor(L"A"), RGB(0xAB, 0xCD, 0xEF));
  CBitmap* a = palette->GetBitmap(L"A");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(SizeOf(a), CSize(3, 2));

  for (const auto& notATheme : {dir.path() / "missing.theme", dir.path()}) {
    const auto error = palette->LoadFile(notATheme);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->nLine, 0);
    EXPECT_NE(error->Describe().find(L"cannot read"), std::wstring::npos);
  }
  const auto huge = palette->LoadFile(dir.Write("huge.theme", std::string(2 << 20, '#')));
  ASSERT_TRUE(huge);
  EXPECT_NE(huge->strReason.find(L"too large"), std::wstring::npos);
  // An image that cannot be loaded refuses the theme at its line.
  dir.Write("img/broken.png", "\x89PNG but not really");
  for (const char* image : {"img/missing.png", "img/broken.png", "img"}) {
    const auto error = palette->LoadFile(
        dir.Write("bad.theme", std::string("X = #000000\nbitmap A = ") + image + "\n"));
    ASSERT_TRUE(error) << image;
    EXPECT_EQ(error->nLine, 2);
    EXPECT_NE(error->strReason.find(L"cannot load the image"), std::wstring::npos);
  }
  EXPECT_EQ(palette->GetColor(L"A"), RGB(0xAB, 0xCD, 0xEF));
  EXPECT_EQ(palette->GetBitmap(L"A"), a);

  ASSERT_FALSE(palette->LoadText("X = #000000\n", {}));
  EXPECT_EQ(palette->GetBitmap(L"A"), nullptr);
  EXPECT_EQ(SizeOf(a), CSize(3, 2));  // still alive for whoever kept it
  const HGDIOBJ handle = a->GetSafeHandle();
  palette = nullptr;
  EXPECT_EQ(GetObjectType(handle), 0);
}

// Switching back and forth between themes, as a host's light and dark toggle does, brings each
// theme back with the objects it had: after each theme's first load the process holds no more.
TEST(CThemePalette, SwitchingBetweenThemesMakesEachThemesObjectsOnce) {
  TempDir dir;
  trellis::test::WritePng(dir.path() / "a.png", 2, 2, RGB(1, 2, 3));
  const std::string themes[] = {"font F = DejaVu Sans, 12, 400\nbitmap B = a.png\n",
                                "font F = DejaVu Sans, 14, 700\nbitmap B = a.png\n"};
  CComPtr<CThemePalette> palette(new CThemePalette);
  std::vector<std::pair<CFont*, CBitmap*>> first;
  for (const std::string& theme : themes) {
    ASSERT_FALSE(palette->LoadText(theme, dir.path()));
    first.emplace_back(palette->GetFont(L"F"), palette->GetBitmap(L"B"));
  }
  const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int round = 0; round < 6; ++round) {
    ASSERT_FALSE(palette->LoadText(themes[round % 2], dir.path()));
    EXPECT_EQ(palette->GetFont(L"F"), first[round % 2].first) << round;
    EXPECT_EQ(palette->GetBitmap(L"B"), first[round % 2].second) << round;
  }
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi);
  // The same text with images from another folder is another theme.
  trellis::test::WritePng(dir.path() / "other" / "a.png", 2, 2, RGB(4, 5, 6));
  ASSERT_FALSE(palette->LoadText(themes[0], dir.path() / "other"));
  EXPECT_NE(palette->GetBitmap(L"B"), first[0].second);
}
