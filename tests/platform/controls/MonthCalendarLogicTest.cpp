// The month calendar's layout, without a window.
#include <gtest/gtest.h>

#include <random>

#include "platform/controls/MonthCalendarLayout.h"
#include "platform/controls/MonthGrid.h"
#include "platform/win32/WinUser.h"

namespace {

// For any font measures: the parts stay inside the window and apart, every cell's centre hits
// that cell, and the title fits between the buttons.
TEST(MonthCalendarLayoutTest, PartsTileAndHitTestingAgreesWithPainting) {
  std::mt19937 random(746);
  for (int i = 0; i < 300; ++i) {
    platform::MonthCalendarMetrics m;
    m.textHeight = int(random() % 40) + 1;
    m.widestCell = int(random() % 40);
    m.widestTitle = int(random() % 400);
    const auto l = platform::MonthCalendarLayout::For(m);
    const RECT client{0, 0, l.client.cx, l.client.cy};
    RECT inside{};
    for (const RECT& part : {l.title, l.previous, l.next, l.month, l.header, l.rule, l.grid}) {
      ASSERT_TRUE(IntersectRect(&inside, &part, &client));
      ASSERT_TRUE(EqualRect(&inside, &part));
    }
    ASSERT_FALSE(IntersectRect(&inside, &l.previous, &l.next));
    ASSERT_LE(l.header.bottom, l.rule.top);
    ASSERT_LE(l.rule.bottom, l.grid.top);
    ASSERT_GE(l.next.left - l.previous.right, m.widestTitle);
    ASSERT_GE(l.cellHeight, m.textHeight);
    for (int cell = 0; cell < platform::kMonthGridCells; ++cell) {
      const RECT r = l.Cell(cell);
      ASSERT_TRUE(IntersectRect(&inside, &r, &l.grid));
      ASSERT_TRUE(EqualRect(&inside, &r));
      const auto hit = l.HitTest({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
      ASSERT_EQ(hit.part, platform::MonthCalendarPart::Day);
      ASSERT_EQ(hit.cell, cell);
      ASSERT_EQ(l.HitTest({r.left, r.top}).cell, cell);
      ASSERT_EQ(l.HitTest({r.right - 1, r.bottom - 1}).cell, cell);
    }
    EXPECT_EQ(l.HitTest({l.previous.left, l.previous.top}).part, platform::MonthCalendarPart::Previous);
    EXPECT_EQ(l.HitTest({l.next.right - 1, l.next.bottom - 1}).part, platform::MonthCalendarPart::Next);
    EXPECT_EQ(l.HitTest({l.grid.right, l.grid.top}).part, platform::MonthCalendarPart::Nothing);
    EXPECT_EQ(l.HitTest({l.header.left, l.header.top}).part, platform::MonthCalendarPart::Nothing);
  }
}

}  // namespace
