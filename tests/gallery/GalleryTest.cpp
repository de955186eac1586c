// The gallery's picture: every control in every look, compared with its golden image.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "apps/gallery/DatePickerPage.h"
#include "apps/gallery/EditPage.h"
#include "apps/gallery/Photographer.h"
#include "apps/gallery/TreePage.h"
#include "host/CGlobalEnv.h"
#include "platform/image/Png.h"
#include "tests/support/Golden.h"
#include "tests/support/Pixels.h"

// The pages whose looks change most often, each against its own golden image, so that a change
// shows where it happened as well as in the whole picture.
TEST(GalleryPages, EachPageMatchesItsGoldenImage) {
  const struct {
    void (*build)(GalleryBoard&);
    int width, height;  // of the board's window, 20 pixels in from the screen's corner
    const char* golden;
  } kPages[] = {{BuildEditPage, 720, 380, "edit/edit_looks"},
                {BuildTreePage, 820, 280, "tree/tree_page"},
                {BuildDatePickerPage, 860, 360, "datepicker/datepicker_looks"}};
  for (const auto& page : kPages) {
    SCOPED_TRACE(page.golden);
    const auto path = std::filesystem::temp_directory_path() / "trellis-gallery-page.png";
    {
      platform::headless::HeadlessScreen screen(page.width + 40, page.height + 40);
      screen.FixLocalTime(kGalleryToday);
      CElementHostWnd window;
      window.CreateHost(L"page", CRect(20, 20, 20 + page.width, 20 + page.height));
      GalleryBoard board(window.Root(), page.width);
      page.build(board);
      ASSERT_TRUE(PhotographBoard(screen, window, board, path.string()));
    }
    platform::Surface picture;
    ASSERT_TRUE(platform::LoadPng(path.string(), picture));
    EXPECT_TRUE(trellis::test::MatchesGolden(picture, page.golden));
    CGlobalEnv::ResetGlobalEnv();
  }
}

// Every control in every look paints the same pixels when only part of it is repainted as when
// all of it is: painting must not depend on where the invalid area starts. The picture drawn
// meanwhile is the gallery's golden image.
TEST(Gallery, APartialRepaintOfEveryLookMatchesTheWholeAndThePictureItsGolden) {
  constexpr unsigned kSeed = 20261206;
  std::mt19937 random(kSeed);
  int pose = 0;
  const auto check = [&](platform::headless::HeadlessScreen& screen, const GalleryPose& p,
                         const CRect& area) {
    ++pose;
    const CRect seen = area & CRect(0, 0, screen.Width(), screen.Height());
    using trellis::test::Colors, trellis::test::ScreenPart;
    const auto pixels = [&] { return Colors(ScreenPart(screen, seen)); };
    const std::vector<COLORREF> whole = pixels();
    const CRect all = p.element->GetDrawRect();
    for (int round = 0; round < 4; ++round) {
      if (all.Width() < 2 || all.Height() < 2) break;
      std::uniform_int_distribution<int> xs(0, all.Width() - 1), ys(0, all.Height() - 1);
      const int x1 = xs(random), x2 = xs(random), y1 = ys(random), y2 = ys(random);
      const CRect part(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1);
      p.element->InvalidContainerRect(0, &part);
      screen.PumpUntilIdle();
      ASSERT_EQ(pixels(), whole) << "pose " << pose << ", round " << round << ", seed " << kSeed
                                 << ", part " << part.left << "," << part.top << " " << part.Width()
                                 << "x" << part.Height();
    }
  };
  const auto path = std::filesystem::temp_directory_path() / "trellis-gallery-partial.png";
  ASSERT_TRUE(DrawGalleryPicture(960, path.string(), check));
  EXPECT_GE(pose, 10);
  platform::Surface picture;
  ASSERT_TRUE(platform::LoadPng(path.string(), picture));
  EXPECT_TRUE(trellis::test::MatchesGolden(picture, "gallery/gallery"));
  CGlobalEnv::ResetGlobalEnv();
}
