// Every look of the edit box, as the gallery shows it, compared with its golden image.
#include <gtest/gtest.h>

#include <filesystem>

#include "apps/gallery/EditPage.h"
#include "apps/gallery/Photographer.h"
#include "host/CGlobalEnv.h"
#include "platform/image/Png.h"
#include "tests/support/Golden.h"

TEST(EditLooks, PictureMatchesItsGoldenImage) {
  const auto dir = std::filesystem::temp_directory_path() / "trellis-edit-looks-test";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "edit_looks.png").string();
  {
    platform::headless::HeadlessScreen screen(760, 420);
    CElementHostWnd window;
    window.CreateHost(L"edit looks", CRect(20, 20, 740, 400));
    GalleryBoard board(window.Root(), 720);
    BuildEditPage(board);
    ASSERT_TRUE(PhotographBoard(screen, window, board, path));
  }
  platform::Surface picture;
  ASSERT_TRUE(platform::LoadPng(path, picture));
  EXPECT_TRUE(trellis::test::MatchesGolden(picture, "edit/edit_looks"));
  CGlobalEnv::ResetGlobalEnv();
}
