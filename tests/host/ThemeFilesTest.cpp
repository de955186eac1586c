#include <gtest/gtest.h>

#include "host/ThemeFiles.h"
#include "tests/host/HostTestSupport.h"
#include "tests/support/ScopedVariable.h"

TEST(ThemeFiles, PlainNamesFindShippedThemesOrOnlyThoseOfTheOverrideFolder) {
  for (const wchar_t* name : {L"default", L"dark"})
    EXPECT_EQ(FindThemeFile(name).filename(), std::filesystem::path(name).concat(".theme"));
  for (const wchar_t* name : {static_cast<const wchar_t*>(nullptr), L"", L"no-such-theme",
                              L"../themes/default", L"themes/default", L"/etc/passwd",
                              L"default.theme", L"de fault"}) {
    EXPECT_TRUE(FindThemeFile(name).empty()) << (name ? name : L"(null)");
  }
  trellis::test::TempDir dir;
  const auto own = dir.Write("own.theme", "A = #000000\n");
  const trellis::test::ScopedVariable themes("TRELLIS_THEME_DIR", dir.path().c_str());
  EXPECT_EQ(FindThemeFile(L"own"), own);
  // The shipped theme is not in the override folder, and is not looked for elsewhere.
  EXPECT_TRUE(FindThemeFile(L"default").empty());
}
