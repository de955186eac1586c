#include <gtest/gtest.h>

#include <functional>

#include "host/CGlobalEnv.h"
#include "host/CThemePalette.h"
#include "host/CElementControl.h"
#include "host/ThemeColorRows.h"
#include "host/ThemeLookup.h"
#include "tests/host/HostTestSupport.h"

using trellis::test::RefCount;

namespace {

// Counted, but not a palette: what a host might put in the palette slot by mistake.
struct NotAPalette : CUnknown {};

class ThemeLookupTest : public trellis::test::HostEnvTest {
 protected:
  void SetUp() override {
    trellis::test::WritePng(m_images.path() / "known.png", 2, 2, RGB(1, 2, 3));
    ASSERT_FALSE(
        m_palette->LoadText("Known = #102030\nNoColour = none\nfont Known = DejaVu Sans, 12, 400\n"
                            "bitmap Known = known.png\n",
                            m_images.path()));
    m_env->SetPalette(m_palette);
    CGlobalEnv::SetGlobalEnv(m_env);
  }

  trellis::test::TempDir m_images;
  CComPtr<CGlobalEnv> m_env = new CGlobalEnv;
  CComPtr<CThemePalette> m_palette = new CThemePalette;
};

}  // namespace

TEST_F(ThemeLookupTest, KnownKeysGiveTheirValueNothingElseIsInventedAndNoPaletteGivesZero) {
  const ULONG paletteRefs = RefCount(m_palette), envRefs = RefCount(m_env);
  EXPECT_EQ(ThemeColor(L"Known"), RGB(0x10, 0x20, 0x30));
  EXPECT_EQ(ThemeColor(L"NoColour"), 0xFFFFFFFFu);
  ASSERT_NE(m_palette->GetFont(L"Known"), nullptr);
  ASSERT_NE(m_palette->GetBitmap(L"Known"), nullptr);
  EXPECT_EQ(ThemeFont(L"Known"), m_palette->GetFont(L"Known"));
  EXPECT_EQ(ThemeBitmap(L"Known"), m_palette->GetBitmap(L"Known"));
  // A key the theme lacks is black, not some default that would hide the gap; keys are
  // case-sensitive.
  for (const wchar_t* key :
       {L"Known.missing", L"known", L"", static_cast<const wchar_t*>(nullptr)}) {
    EXPECT_EQ(ThemeColor(key), 0u);
    EXPECT_EQ(ThemeFont(key), nullptr);
    EXPECT_EQ(ThemeBitmap(key), nullptr);
  }
  EXPECT_EQ(RefCount(m_palette), paletteRefs);
  EXPECT_EQ(RefCount(m_env), envRefs);

  // No environment, no palette, or something else in the palette slot.
  const std::function<void()> breaks[] = {[&] { m_env->SetPalette(new NotAPalette); },
                                          [&] { m_env->SetPalette(nullptr); },
                                          [] { CGlobalEnv::SetGlobalEnv(nullptr); }};
  for (const auto& brk : breaks) {
    brk();
    EXPECT_EQ(ThemeColor(L"Known"), 0u);
    EXPECT_EQ(ThemeFont(L"Known"), nullptr);
    EXPECT_EQ(ThemeBitmap(L"Known"), nullptr);
  }
}

TEST_F(ThemeLookupTest, RowsLoadInOrderIntoTheColourTableAndReadZeroWithoutAPalette) {
  CElementControl element;
  element.SetColor(RGB(7, 7, 7), COLOR_PART_SHADE, COLOR_STATE_NORMAL);
  const ThemeColorRow rows[] = {
      {COLOR_PART_FRAME, COLOR_STATE_NORMAL, L"Known"},
      {COLOR_PART_TEXT, COLOR_STATE_HOVER, L"Known.missing"},
      {COLOR_PART_PANEL, COLOR_STATE_PUSH, L"NoColour"},
      {COLOR_PART_PANEL, COLOR_STATE_PUSH, L"Known"},  // a later row for the same pair wins
  };
  LoadThemeColors(element, rows);
  EXPECT_EQ(element.GetColor(COLOR_PART_FRAME, COLOR_STATE_NORMAL), RGB(0x10, 0x20, 0x30));
  EXPECT_EQ(element.GetColor(COLOR_PART_TEXT, COLOR_STATE_HOVER), 0u);
  EXPECT_EQ(element.GetColor(COLOR_PART_PANEL, COLOR_STATE_PUSH), RGB(0x10, 0x20, 0x30));
  EXPECT_EQ(element.GetColor(COLOR_PART_SHADE, COLOR_STATE_NORMAL), RGB(7, 7, 7));  // no row

  m_env->SetPalette(nullptr);
  LoadThemeColors(element, rows);
  for (const ThemeColorRow& row : rows) EXPECT_EQ(element.GetColor(row.part, row.state), 0u);
}
