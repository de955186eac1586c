// Every look of the date picker, as the gallery shows it, compared with its golden image.
#include <gtest/gtest.h>

#include <filesystem>

#include "apps/gallery/DatePickerPage.h"
#include "apps/gallery/Photographer.h"
#include "host/CGlobalEnv.h"
#include "platform/image/Png.h"
#include "tests/support/Golden.h"

TEST(DatePickerLooks, PictureMatchesItsGoldenImage) {
  const auto dir = std::filesystem::temp_directory_path() / "trellis-datepicker-looks-test";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "datepicker_looks.png").string();
  {
    platform::headless::HeadlessScreen screen(900, 420);
    screen.FixLocalTime(kGalleryToday);
    CElementHostWnd window;
    window.CreateHost(L"date picker looks", CRect(20, 20, 880, 380));
    GalleryBoard board(window.Root(), 860);
    BuildDatePickerPage(board);
    ASSERT_TRUE(PhotographBoard(screen, window, board, path));
  }
  platform::Surface picture;
  ASSERT_TRUE(platform::LoadPng(path, picture));
  EXPECT_TRUE(trellis::test::MatchesGolden(picture, "datepicker/datepicker_looks"));
  CGlobalEnv::ResetGlobalEnv();
}
