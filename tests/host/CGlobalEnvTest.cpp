#include <gtest/gtest.h>

#include "host/CElementControl.h"
#include "host/CElementHostWnd.h"
#include "host/CGlobalEnv.h"
#include "host/CPngBitmapFactory.h"
#include "host/CThemePalette.h"
#include "platform/backend/headless/HeadlessScreen.h"
#include "tests/host/HostTestSupport.h"
#include "tests/support/ScopedVariable.h"

using namespace trellis::test;

using CGlobalEnvTest = HostEnvTest;

// The theme file is read as the environment is made: not by making an element, which takes its
// look on first use, but by creating a host window. Each is done while the theme folder is empty.
TEST_F(CGlobalEnvTest, MadeOnceByAHostWindowNotAnElementWithTheDefaultThemeIfThere) {
  TempDir empty;
  const ScopedVariable themes("TRELLIS_THEME_DIR", empty.path().c_str());
  CElementControl element;
  themes.Set(nullptr);
  CComPtr<CGlobalEnv> env = CGlobalEnv::GetGlobalEnv();
  ASSERT_TRUE(env);
  EXPECT_EQ(CGlobalEnv::GetGlobalEnv().p, env.p);
  auto* palette = dynamic_cast<CThemePalette*>(env->GetPalette());
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(palette->GetColor(L"Edit.TextBack.normal"), RGB(0xFF, 0xFF, 0xFF));
  EXPECT_NE(dynamic_cast<CPngBitmapFactory*>(env->GetBitmapFactory()), nullptr);
  EXPECT_EQ(element.GetColor(COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL), RGB(0xF3, 0xF3, 0xF3));

  // Made again without its theme, it has no palette but still a bitmap factory.
  CGlobalEnv::ResetGlobalEnv();
  platform::headless::HeadlessScreen screen(200, 100);
  CElementHostWnd window;
  themes.Set(empty.path().c_str());
  window.CreateHost(L"host", CRect(0, 0, 100, 50));
  themes.Set(nullptr);
  CComPtr<CGlobalEnv> again = CGlobalEnv::GetGlobalEnv();
  ASSERT_TRUE(again);
  EXPECT_EQ(again->GetPalette(), nullptr);  // so it is not the first one
  EXPECT_NE(again->GetBitmapFactory(), nullptr);
}

TEST_F(CGlobalEnvTest, SetGlobalEnvInstallsReplacesAndRemoves) {
  CGlobalEnv* first = new CGlobalEnv;  // the leak checker sees it if the slot never lets go
  CGlobalEnv::SetGlobalEnv(first);
  EXPECT_EQ(CGlobalEnv::GetGlobalEnv().p, first);
  EXPECT_EQ(RefCount(first), 1u);  // the slot's reference only

  CComPtr<CGlobalEnv> second(new CGlobalEnv);
  CGlobalEnv::SetGlobalEnv(second);
  EXPECT_EQ(CGlobalEnv::GetGlobalEnv().p, second.p);
  // Installing the installed one again must not free it on the way.
  CGlobalEnv::SetGlobalEnv(second);
  EXPECT_EQ(RefCount(second), 2u);

  CGlobalEnv::SetGlobalEnv(nullptr);
  EXPECT_FALSE(CGlobalEnv::GetGlobalEnv());
  EXPECT_EQ(RefCount(second), 1u);
}

TEST_F(CGlobalEnvTest, PackageOutlivesItsSenderUntilTheNextOne) {
  int deaths = 0;
  CComPtr<CGlobalEnv> env(new CGlobalEnv);
  EXPECT_EQ(env->PackageToLParam(nullptr), 0);

  LPARAM lParam = 0;
  {
    CComPtr<DeathCounter> sent(new DeathCounter(&deaths));
    lParam = env->PackageToLParam(sent);
    EXPECT_EQ(CGlobalEnv::PackageFromLParam(lParam), static_cast<CUnknown*>(sent.p));
    EXPECT_EQ(RefCount(sent), 2u);
  }
  // The sender has dropped its reference; the receiver may still read the package.
  EXPECT_EQ(deaths, 0);
  EXPECT_EQ(RefCount(CGlobalEnv::PackageFromLParam(lParam)), 1u);

  env->PackageToLParam(new DeathCounter(&deaths));
  EXPECT_EQ(deaths, 1);
  env = nullptr;  // the last package dies with its environment
  EXPECT_EQ(deaths, 2);
}
