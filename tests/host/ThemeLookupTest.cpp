#include <gtest/gtest.h>

#include "host/CGlobalEnv.h"
#include "host/CThemePalette.h"
#include "host/ThemeLookup.h"
#include "tests/host/HostTestSupport.h"

using trellis::test::RefCount;

namespace {

// Counted, but not a palette: what a host might put in the palette slot by mistake.
class NotAPalette : public CUnknown {};

class ThemeLookupTest : public trellis::test::HostEnvTest {
 protected:
  void SetUp() override {
    ASSERT_FALSE(m_palette->LoadText("Known = #102030\nNoColour = none\n", {}));
    m_env->SetPalette(m_palette);
    CGlobalEnv::SetGlobalEnv(m_env);
  }

  CComPtr<CGlobalEnv> m_env = new CGlobalEnv;
  CComPtr<CThemePalette> m_palette = new CThemePalette;
};

}  // namespace

TEST_F(ThemeLookupTest, KnownKeysGiveTheirColourAndNothingElseIsInvented) {
  EXPECT_EQ(ThemeColor(L"Known"), RGB(0x10, 0x20, 0x30));
  EXPECT_EQ(ThemeColor(L"NoColour"), 0xFFFFFFFFu);
  EXPECT_EQ(ThemeColor(nullptr), 0u);
  EXPECT_EQ(ThemeColor(L""), 0u);
  // A key the theme lacks is black, not some default that would hide the gap.
  EXPECT_EQ(ThemeColor(L"Known.missing"), 0u);
  EXPECT_EQ(ThemeColor(L"known"), 0u);  // keys are case-sensitive
}

TEST_F(ThemeLookupTest, NoEnvironmentNoPaletteOrAnotherKindGiveZero) {
  m_env->SetPalette(new NotAPalette);
  EXPECT_EQ(ThemeColor(L"Known"), 0u);

  m_env->SetPalette(nullptr);
  EXPECT_EQ(ThemeColor(L"Known"), 0u);

  CGlobalEnv::SetGlobalEnv(nullptr);
  EXPECT_EQ(ThemeColor(L"Known"), 0u);
}

TEST_F(ThemeLookupTest, LookupsLeaveReferenceCountsAsTheyWere) {
  const ULONG paletteRefs = RefCount(m_palette);
  const ULONG envRefs = RefCount(m_env);
  for (const wchar_t* key : {L"Known", L"Known.missing", L"", static_cast<const wchar_t*>(nullptr)}) {
    ThemeColor(key);
  }
  EXPECT_EQ(RefCount(m_palette), paletteRefs);
  EXPECT_EQ(RefCount(m_env), envRefs);
}
