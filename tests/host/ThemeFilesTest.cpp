#include <gtest/gtest.h>

#include "host/ThemeFiles.h"
#include "tests/host/HostTestSupport.h"

using trellis::test::TempDir;
using trellis::test::ThemeDirOverride;

TEST(ThemeFiles, ShippedThemesAreFoundByName) {
  for (const wchar_t* name : {L"default", L"dark"}) {
    const auto file = FindThemeFile(name);
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(file.filename(), std::filesystem::path(name).concat(".theme"));
  }
  EXPECT_TRUE(FindThemeFile(L"no-such-theme").empty());
}

TEST(ThemeFiles, NamesThatAreNotPlainWordsFindNothing) {
  for (const wchar_t* name : {static_cast<const wchar_t*>(nullptr), L"", L"../themes/default",
                              L"themes/default", L"/etc/passwd", L"default.theme", L"de fault"}) {
    EXPECT_TRUE(FindThemeFile(name).empty()) << (name ? name : L"(null)");
  }
}

TEST(ThemeFiles, TheOverrideFolderIsTheOnlyOneSearched) {
  TempDir dir;
  const auto own = dir.Write("own.theme", "A = #000000\n");
  ThemeDirOverride override(dir.path());
  EXPECT_EQ(FindThemeFile(L"own"), own);
  // The shipped theme is not in the override folder, and is not looked for elsewhere.
  EXPECT_TRUE(FindThemeFile(L"default").empty());
}
