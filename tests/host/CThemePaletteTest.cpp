#include <gtest/gtest.h>

#include <string>

#include "host/CThemePalette.h"
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
