// The framework's scroll bar: its arithmetic alone, then the element under a user's hands.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>

#include "host/CVerticalScrollbar.h"
#include "tests/support/HostFixture.h"
#include "tests/support/Reentry.h"

using trellis::test::HostFixture;

// The thumb is ScrollThumb's; here rows, the track below the arrow and a list that fits.
TEST(ScrollGeometry, RowsMapOntoTheTrackBelowTheArrow) {
  const ScrollGeometry g{10, 100, 50, 10};
  EXPECT_EQ(g.MaxFirst(), 40);
  EXPECT_EQ(std::pair(g.ThumbTop(0), g.ThumbTop(40) + g.ThumbLength()), std::pair(10, 110));
  EXPECT_EQ((ScrollGeometry{0, 100, 1000000, 10}).ThumbLength(), ScrollGeometry::kMinThumb);
  const ScrollGeometry fits{0, 100, 5, 10};
  EXPECT_FALSE(fits.Scrollable());
  EXPECT_EQ(fits.ThumbTop(3), 0);
  EXPECT_EQ(fits.FirstForThumbTop(50), 0);
  EXPECT_FALSE((ScrollGeometry{0, 100, 50, 0}).Scrollable());
}

namespace {

// Places a bar with arrows over 100 rows, 10 to a page.
void Place(HostFixture& host, CVerticalScrollbar& bar) {
  _CONTAINER_INFO info = host.Info(50, 20, 14, 120, 9);
  bar.InitObject(L"bar", &info);
  bar.InitVScrollBar(VSCROLL_STYLE_ARROWS);
  bar.SetRowNumber(100);
  bar.SetPageSize(10);
  host.Pump();
}

class Scrollbar : public HostFixture {
 protected:
  Scrollbar() { Place(*this, bar); }
  // The first rows reported to the parent, in order.
  std::vector<LPARAM> Reports() const {
    std::vector<LPARAM> rows;
    for (const auto& n : parent.notices)
      if (n.msg == WM_ELEMENT_VSCROLL && n.wParam == VSCROLL_REPORT_FIRST_ROW) rows.push_back(n.lParam);
    return rows;
  }
  CVerticalScrollbar bar;
};

}  // namespace

TEST_F(Scrollbar, ArrowsStepAndRepeatWhileHeld) {
  Click(bar, 7, 115);  // down arrow
  EXPECT_EQ(Reports(), (std::vector<LPARAM>{1}));
  Press(bar, 7, 115);
  Advance(400 + 3 * 60);  // the delay, then three repeats
  Release(bar, 7, 115);
  EXPECT_EQ(bar.GetFirstRow(), 6);
  Advance(500);
  EXPECT_EQ(bar.GetFirstRow(), 6);  // no repeat after the release
  Click(bar, 7, 2);  // up arrow
  EXPECT_EQ(Reports().back(), 5);
}

TEST_F(Scrollbar, TrackClicksPageAndTheThumbDrags) {
  Click(bar, 7, 100);  // below the thumb
  EXPECT_EQ(bar.GetFirstRow(), 10);
  // Drag the thumb to the bottom; each move reports the row under it.
  const int thumbY = 14 + (92 - 12) * 10 / 90 + 6;
  Press(bar, 7, thumbY);
  MoveTo(bar, 7, thumbY + 40);
  MoveTo(bar, 7, 500);
  Release(bar, 7, 500);
  EXPECT_EQ(bar.GetFirstRow(), 90);
  EXPECT_EQ(Reports().back(), 90);
  // Setting the position from outside moves the thumb without a report.
  const std::size_t reports = Reports().size();
  bar.UpdateThumbPos(3);
  EXPECT_EQ(bar.GetFirstRow(), 3);
  EXPECT_EQ(Reports().size(), reports);
  // Fewer rows clamp the position.
  bar.SetRowNumber(8);
  EXPECT_EQ(bar.GetFirstRow(), 0);
}

TEST_F(Scrollbar, TheWheelOverTheBarScrollsItAndDisablingMidPressLetsGo) {
  MoveTo(bar, 7, 60);
  screen.MouseWheel(-WHEEL_DELTA);
  Pump();
  EXPECT_EQ(Reports(), (std::vector<LPARAM>{3}));
  screen.MouseWheel(2 * WHEEL_DELTA);
  Pump();
  EXPECT_EQ(bar.GetFirstRow(), 0);
  // Disabled while an arrow is held: the capture goes and the repeat stops.
  Press(bar, 7, 115);
  bar.Enable(0);
  Advance(1000);
  EXPECT_EQ(bar.GetFirstRow(), 1);
  EXPECT_EQ(window.Host()->Capture(), nullptr);
}

TEST_F(Scrollbar, PaintsFromItsColourTableWithTheThumbShowingHoverAndPush) {
  const COLORREF track = RGB(1, 2, 3), normal = RGB(10, 0, 0), hover = RGB(0, 20, 0),
                 push = RGB(0, 0, 30);
  bar.SetColor(track, COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL);
  bar.SetColor(normal, COLOR_PART_PANEL, COLOR_STATE_NORMAL);
  bar.SetColor(hover, COLOR_PART_PANEL, COLOR_STATE_HOVER);
  bar.SetColor(push, COLOR_PART_PANEL, COLOR_STATE_PUSH);
  bar.InitVScrollBar(VSCROLL_STYLE_ARROWS);  // repaints
  EXPECT_EQ(PixelAt(bar, 7, 60), track);
  EXPECT_EQ(PixelAt(bar, 7, 20), normal);  // the thumb at the top of the track
  MoveTo(bar, 7, 20);
  EXPECT_EQ(PixelAt(bar, 7, 20), hover);
  Press(bar, 7, 20);
  EXPECT_EQ(PixelAt(bar, 7, 20), push);
  Release(bar, 7, 20);
}

// The parent may destroy the bar, destroy the window or change the bar inside the bar's report.
TEST_F(HostFixture, AScrollbarsParentMayActInsideItsReport) {
  using trellis::test::Reaction;
  for (Reaction reaction : {Reaction::EndControl, Reaction::Change, Reaction::EndWindow}) {
    SCOPED_TRACE(int(reaction));
    auto* bar = new CVerticalScrollbar;
    Place(*this, *bar);
    int reports = 0;
    parent.react = [&](const trellis::test::Notice&) {
      ++reports;
      if (reaction == Reaction::EndControl) delete std::exchange(bar, nullptr);
      if (reaction == Reaction::EndWindow) window.DestroyWindow();
      if (reaction == Reaction::Change) bar->SetRowNumber(2), bar->Enable(0);
    };
    const POINT arrow = ScreenPoint(*bar, 7, 115);
    screen.MouseDown(arrow.x, arrow.y);  // the down arrow, held: it would repeat
    Pump();
    Advance(1000);
    screen.MouseUp(arrow.x, arrow.y);
    Pump();
    // One report: the held arrow's repeat died with the bar, its disabling or the window.
    EXPECT_EQ(reports, 1);
    EXPECT_TRUE(!window.m_hWnd || window.Host()->Capture() == nullptr);
    parent.react = nullptr;
    delete bar;
  }
}

TEST_F(Scrollbar, RefusesNegativeSizesAndClampsEveryPosition) {
  const struct {
    const char* call;
    void (CVerticalScrollbar::*set)(int);
  } setters[] = {{"SetRowNumber", &CVerticalScrollbar::SetRowNumber},
                 {"SetPageSize", &CVerticalScrollbar::SetPageSize},
                 {"UpdateThumbPos", &CVerticalScrollbar::UpdateThumbPos},
                 {"SetWidth", &CVerticalScrollbar::SetWidth}};
  for (const auto& setter : setters) {
    for (int value : {INT_MIN, -1, 0, 1, 99, 100, 101, INT_MAX}) {
      SCOPED_TRACE(std::string(setter.call) + "(" + std::to_string(value) + ")");
      (bar.*setter.set)(value);
      EXPECT_GE(bar.GetWidth(), 0);
      // Whatever the sizes, the first row is a row the bar can show and the bar still works.
      Pump();
      MoveTo(bar, 7, 60);
      screen.MouseWheel(-WHEEL_DELTA);
      Click(bar, 7, 115);
      EXPECT_TRUE(bar.GetFirstRow() >= 0 && bar.GetFirstRow() <= 100) << bar.GetFirstRow();
      bar.SetRowNumber(100), bar.SetPageSize(10), bar.SetWidth(14), bar.UpdateThumbPos(5);
    }
  }
}
