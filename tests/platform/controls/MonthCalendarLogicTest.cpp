// The month calendar's grid, key navigation, layout and texts, without a window.
#include <gtest/gtest.h>

#include <random>

#include "platform/controls/MonthCalendarLayout.h"
#include "platform/controls/MonthGrid.h"
#include "platform/win32/WinUser.h"

namespace {

using platform::CivilDate;

// Every month from 1900 to 2100: the grid starts on a Sunday no later than the first, shows the
// whole month, and cells and days map one to one.
TEST(MonthGridTest, EveryMonthFitsItsGrid) {
  for (int year = 1900; year <= 2100; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const CivilDate first = platform::FirstGridDay(year, month);
      ASSERT_EQ(platform::DayOfWeek(first), 0);
      ASSERT_LE(first, (CivilDate{year, month, 1}));
      ASSERT_GT(platform::AddDays(first, 7), (CivilDate{year, month, 1}));
      const CivilDate last{year, month, platform::DaysInMonth(year, month)};
      ASSERT_GE(platform::GridCellOf(year, month, last), 0) << year << "-" << month;
      for (int cell = 0; cell < platform::kMonthGridCells; ++cell)
        ASSERT_EQ(platform::GridCellOf(year, month, platform::GridDay(year, month, cell)), cell);
      ASSERT_EQ(platform::GridCellOf(year, month, platform::AddDays(first, -1)), -1);
      ASSERT_EQ(platform::GridCellOf(year, month, platform::AddDays(first, 42)), -1);
    }
  }
  // December 2026 begins on a Tuesday: two days of November lead.
  EXPECT_EQ(platform::FirstGridDay(2026, 12), (CivilDate{2026, 11, 29}));
}

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
