// The live gallery's window on a headless screen: scrolling by wheel and by the bar, following
// the screen's size, and an id for every control.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <vector>

#include "apps/gallery/GalleryWindow.h"
#include "droplist/CElementDropList.h"
#include "edit/CElementEdit.h"
#include "host/CElementHost.h"
#include "host/CGlobalEnv.h"
#include "platform/backend/headless/HeadlessScreen.h"

namespace {

constexpr int kBoardWidth = 960;
constexpr int kScreenWidth = kBoardWidth + GalleryWindow::kBarWidth;
constexpr int kScreenHeight = 400;
constexpr int kBarX = kScreenWidth - GalleryWindow::kBarWidth / 2;
constexpr int kWheelStep = GalleryWindow::kWheelRows * GalleryWindow::kRowPixels;

class GalleryWindowTest : public ::testing::Test {
 protected:
  GalleryWindowTest() { screen.PumpUntilIdle(); }
  ~GalleryWindowTest() override { CGlobalEnv::ResetGlobalEnv(); }

  int BoardHeight() const { return gallery.Board().Extent().cy; }
  CRect BoardPlace() {
    CRect place;
    gallery.BoardWindow().GetWindowRect(&place);
    return place;
  }
  // Gives the screen a new size; returns where the board's view then stands.
  CRect Resize(int cx, int cy) {
    screen.Resize(cx, cy);
    screen.PumpUntilIdle();
    CRect view;
    gallery.View().GetWindowRect(&view);
    return view;
  }
  // Turns the wheel over the board's blank right margin, where no control takes it, or over `x`.
  void Wheel(int notches, int x = kBoardWidth - 4) {
    screen.MouseMove(x, kScreenHeight / 2);
    for (int i = 0; i < std::abs(notches); ++i)
      screen.MouseWheel(notches > 0 ? WHEEL_DELTA : -WHEEL_DELTA);
    screen.PumpUntilIdle();
  }

  platform::headless::HeadlessScreen screen{kScreenWidth, kScreenHeight};
  GalleryWindow gallery{kBoardWidth};
};

// A notch of the wheel over blank space or over the bar scrolls the board a step, even while a
// control that takes the wheel holds the focus, and the board stops at either end; a press on
// the bar's track pages it.
TEST_F(GalleryWindowTest, TheWheelAndTheTrackScrollTheBoardWithinItsEnds) {
  ASSERT_GT(BoardHeight(), kScreenHeight);
  EXPECT_TRUE(gallery.ScrollBar().IsActive());
  Wheel(-1);
  EXPECT_EQ(gallery.ScrollOffset(), kWheelStep);
  EXPECT_EQ(BoardPlace().top, -kWheelStep);
  EXPECT_EQ(gallery.ScrollBar().GetFirstRow(), kWheelStep / GalleryWindow::kRowPixels);
  CElementContainer* focus = nullptr;
  for (CElementContainer* e : gallery.BoardWindow().Root()->GetChildren())
    if (!focus && dynamic_cast<CElementDropList*>(e) && e->IsEnable()) focus = e;
  ASSERT_NE(focus, nullptr);
  focus->SetFocus();
  Wheel(-1);
  Wheel(-1, kBarX);
  EXPECT_EQ(gallery.ScrollOffset(), 3 * kWheelStep);
  Wheel(-1000);
  EXPECT_EQ(gallery.ScrollOffset(), BoardHeight() - kScreenHeight);
  EXPECT_EQ(BoardPlace().bottom, kScreenHeight);  // the board's last row at the screen's foot
  Wheel(1000);
  EXPECT_EQ(gallery.ScrollOffset(), 0);
  EXPECT_EQ(BoardPlace().top, 0);
  screen.Click(kBarX, kScreenHeight - 30);  // the track above the down arrow
  screen.PumpUntilIdle();
  const int page = kScreenHeight / GalleryWindow::kRowPixels * GalleryWindow::kRowPixels;
  EXPECT_EQ(gallery.ScrollOffset(), std::min(page, BoardHeight() - kScreenHeight));
  EXPECT_EQ(BoardPlace().top, -gallery.ScrollOffset());
}

TEST_F(GalleryWindowTest, TheViewportFollowsTheScreensSize) {
  Wheel(-2);
  // Tall enough for the whole board: no bar, and the board back at the top.
  Resize(kScreenWidth, BoardHeight() + 40);
  EXPECT_FALSE(gallery.ScrollBar().IsActive());
  EXPECT_EQ(gallery.ScrollOffset(), 0);
  EXPECT_EQ(BoardPlace(), CRect(0, 0, kBoardWidth, BoardHeight()));

  // Narrower and shorter: the bars stand at the new right edge and foot, the view stops short
  // of both, and the board scrolls both ways to its ends.
  constexpr int kBar = GalleryWindow::kBarWidth;
  const CRect view = Resize(600, 300);
  EXPECT_EQ(view, CRect(0, 0, 600 - kBar, 300 - kBar));
  EXPECT_TRUE(gallery.ScrollBar().IsActive());
  EXPECT_EQ(gallery.ScrollBar().GetContainerRect(), CRect(600 - kBar, 0, 600, 300 - kBar));
  Wheel(-1000, 600 - kBar / 2);  // over the bar
  EXPECT_EQ(BoardPlace().bottom, view.bottom);
  screen.Click(view.right - 2 * kBar, view.bottom + kBar / 2);  // the track left of the arrow
  screen.PumpUntilIdle();
  EXPECT_EQ(gallery.SideOffset(), kBoardWidth - view.Width());
  EXPECT_EQ(BoardPlace().right, view.right);
  // Growing again keeps the offsets within the new limits; wide enough, the side bar goes.
  Resize(kScreenWidth, BoardHeight() - 100);
  EXPECT_FALSE(gallery.SideBar().IsWindowVisible());
  EXPECT_EQ(gallery.SideOffset(), 0);
  EXPECT_EQ(gallery.ScrollOffset(), 100);
}

// Tab walks the controls that take the focus, and each, however far off, comes into view whole.
TEST_F(GalleryWindowTest, TabBringsTheFocusedControlIntoView) {
  const CRect view = Resize(600, 300);
  CElementHost& host = *gallery.BoardWindow().Host();
  gallery.BoardWindow().Root()->GetChildren().front()->SetFocus();
  std::set<CElementContainer*> seen;
  int widest = 0;
  while (host.Focus() && seen.insert(host.Focus()).second) {
    screen.KeyPress(VK_TAB);
    screen.PumpUntilIdle();
    ASSERT_NE(host.Focus(), nullptr);
    CRect place = host.Focus()->GetContainerRect();
    place.OffsetRect(BoardPlace().TopLeft());
    EXPECT_EQ(place & view, place) << seen.size();
    widest = std::max(widest, gallery.SideOffset());
  }
  EXPECT_GT(seen.size(), 20u);
  EXPECT_GT(widest, 0);
}

TEST_F(GalleryWindowTest, EveryControlHasItsOwnIdAndMenuCommandsReachIt) {
  Resize(kScreenWidth, BoardHeight());  // every control in view
  std::set<DWORD> ids;
  std::vector<CElementEdit*> edits;
  for (CElementContainer* e : gallery.BoardWindow().Root()->GetChildren()) {
    EXPECT_NE(e->GetID(), 0u);
    EXPECT_TRUE(ids.insert(e->GetID()).second) << "id " << e->GetID() << " twice";
    auto* edit = dynamic_cast<CElementEdit*>(e);
    if (edit && edit->IsEnable()) edits.push_back(edit);
  }
  // "Select all" from the menu of the second edit box selects its text, and nobody else's.
  ASSERT_GE(edits.size(), 3u);
  CElementEdit* target = edits[1];
  ASSERT_FALSE(target->GetTextString().IsEmpty());
  std::vector<bool> selectedBefore;
  for (CElementEdit* edit : edits)
    selectedBefore.push_back(edit->GetSelectedStart() != edit->GetSelectedEnd());
  // Right-click the edit box, then choose the menu's last row, "全选", with the keys.
  POINT at{target->GetContainerRect().left + 10, target->GetContainerRect().top + 5};
  ::ClientToScreen(gallery.BoardWindow().GetSafeHwnd(), &at);
  screen.Click(at.x, at.y, platform::MouseButton::Right);
  screen.PumpUntilIdle();
  screen.KeyPress(VK_UP);
  screen.KeyPress(VK_RETURN);
  screen.PumpUntilIdle();
  EXPECT_EQ(target->GetSelectedStart(), 0);
  EXPECT_EQ(target->GetSelectedEnd(), target->GetTextString().GetLength());
  for (std::size_t i = 0; i < edits.size(); ++i) {
    if (edits[i] == target) continue;
    EXPECT_EQ(edits[i]->GetSelectedStart() != edits[i]->GetSelectedEnd(), selectedBefore[i]) << i;
  }
}

}  // namespace
