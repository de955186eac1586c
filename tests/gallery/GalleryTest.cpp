// The gallery's picture: every control in every look, compared with its golden image.
#include <gtest/gtest.h>

#include <filesystem>

#include "apps/gallery/Pages.h"
#include "apps/gallery/Photographer.h"
#include "host/CGlobalEnv.h"
#include "platform/image/Png.h"
#include "tests/support/Golden.h"

TEST(Gallery, PictureMatchesItsGoldenImage) {
  const auto dir = std::filesystem::temp_directory_path() / "trellis-gallery-test";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "gallery.png").string();
  {
    platform::headless::HeadlessScreen screen(1000, 760);
    CElementHostWnd window;
    window.CreateHost(L"gallery", CRect(20, 20, 980, 740));
    GalleryBoard board(window.Root(), 960);
    BuildAllPages(board);
    ASSERT_TRUE(PhotographBoard(screen, window, board, path));
  }
  platform::Surface picture;
  ASSERT_TRUE(platform::LoadPng(path, picture));
  EXPECT_TRUE(trellis::test::MatchesGolden(picture, "gallery/gallery"));
  CGlobalEnv::ResetGlobalEnv();
}
