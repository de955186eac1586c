// The gallery's tree page, with the tip of its hovered flat tree, against its golden image.
#include <gtest/gtest.h>

#include <filesystem>

#include "apps/gallery/Photographer.h"
#include "apps/gallery/TreePage.h"
#include "host/CGlobalEnv.h"
#include "platform/image/Png.h"
#include "tests/support/Golden.h"

TEST(TreePage, PictureMatchesItsGoldenImage) {
  constexpr int kWidth = 820;
  const auto path = std::filesystem::temp_directory_path() / "trellis-tree-page.png";
  {
    platform::headless::HeadlessScreen screen(kWidth + 40, 400);
    CElementHostWnd window;
    window.CreateHost(L"tree page", CRect(20, 20, 20 + kWidth, 20 + 280));
    GalleryBoard board(window.Root(), kWidth);
    BuildTreePage(board);
    ASSERT_TRUE(PhotographBoard(screen, window, board, path.string()));
  }
  platform::Surface picture;
  ASSERT_TRUE(platform::LoadPng(path.string(), picture));
  EXPECT_TRUE(trellis::test::MatchesGolden(picture, "tree/tree_page"));
  CGlobalEnv::ResetGlobalEnv();
}
