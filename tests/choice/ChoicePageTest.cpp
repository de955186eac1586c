// The gallery's page of radios, a group and system buttons, in the default and dark themes.
#include <gtest/gtest.h>

#include <memory>
#include <string_view>
#include <utility>

#include "apps/gallery/ChoicePage.h"
#include "host/CElementHostWnd.h"
#include "host/CGlobalEnv.h"
#include "host/CPngBitmapFactory.h"
#include "host/CThemePalette.h"
#include "host/ThemeFiles.h"
#include "platform/backend/headless/HeadlessScreen.h"
#include "tests/support/Golden.h"
#include "tests/support/Pixels.h"

namespace {

constexpr POINT kOrigin{8, 8};

class ChoicePageLooks : public ::testing::Test {
 protected:
  ~ChoicePageLooks() override {
    window.DestroyWindow();
    CGlobalEnv::ResetGlobalEnv();
  }

  // The window and the page's parent take the framework's colours of the theme they are made in.
  void Open(const wchar_t* theme) {
    window.DestroyWindow();  // the window of the theme before
    CComPtr<CThemePalette> palette(new CThemePalette);
    ASSERT_FALSE(palette->LoadFile(FindThemeFile(theme)));
    CComPtr<CGlobalEnv> env(new CGlobalEnv);
    env->SetPalette(palette);
    env->SetBitmapFactory(new CPngBitmapFactory);
    CGlobalEnv::SetGlobalEnv(env);
    window.CreateHost(L"choice page", CRect(0, 0, kWidth, kHeight), WS_POPUP | WS_VISIBLE);
    parent = std::make_unique<CElementControl>();
    _CONTAINER_INFO info;
    info.SetSize(kWidth, kHeight);
    info.SetParent(window.Root());
    parent->InitObject(L"page", &info);
  }

  ::testing::AssertionResult Matches(std::string_view golden) {
    return trellis::test::MatchesGolden(trellis::test::ScreenPart(screen, {0, 0, kWidth, kHeight}),
                                        golden);
  }

  static constexpr int kWidth = 2 * kOrigin.x + 512;
  static constexpr int kHeight = 2 * kOrigin.y + 200;
  platform::headless::HeadlessScreen screen{kWidth + 40, kHeight + 40};
  CElementHostWnd window;
  std::unique_ptr<CElementControl> parent;
};

}  // namespace

TEST_F(ChoicePageLooks, DefaultAndDarkThemes) {
  // The page fits the room it claims, which is all the picture shows.
  EXPECT_LE(ChoicePage::Size().cx + 2 * kOrigin.x, kWidth);
  EXPECT_LE(ChoicePage::Size().cy + 2 * kOrigin.y, kHeight);
  for (const auto& [theme, golden] :
       {std::pair{L"default", "choice/page_default"}, {L"dark", "choice/page_dark"}}) {
    Open(theme);
    ChoicePage page(parent.get(), kOrigin, TRELLIS_GALLERY_IMAGES);
    EXPECT_TRUE(Matches(golden));
  }
}
