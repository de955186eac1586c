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

TEST(MonthGridTest, KeysMoveTheSelection) {
  const CivilDate from{2026, 12, 31};
  struct Case {
    UINT vk;
    CivilDate to;
  };
  for (const Case c : {Case{VK_LEFT, {2026, 12, 30}}, Case{VK_RIGHT, {2027, 1, 1}},
                       Case{VK_UP, {2026, 12, 24}}, Case{VK_DOWN, {2027, 1, 7}},
                       Case{VK_PRIOR, {2026, 11, 30}}, Case{VK_NEXT, {2027, 1, 31}},
                       Case{VK_HOME, {2026, 12, 1}}, Case{VK_END, {2026, 12, 31}}}) {
    const auto moved = platform::NavigateByKey(from, c.vk);
    ASSERT_TRUE(moved) << c.vk;
    EXPECT_EQ(*moved, c.to) << c.vk;
  }
  EXPECT_EQ(platform::NavigateByKey({2024, 3, 31}, VK_PRIOR), (CivilDate{2024, 2, 29}));
  EXPECT_FALSE(platform::NavigateByKey(from, VK_RETURN));
  EXPECT_FALSE(platform::NavigateByKey(from, 'A'));
}

TEST(MonthGridTest, OnlyRealDaysWithinTheSpanEnter) {
  auto at = [](int y, int m, int d) { return SYSTEMTIME{WORD(y), WORD(m), 0, WORD(d), 0, 0, 0, 0}; };
  EXPECT_TRUE(platform::CalendarDateOf(at(2024, 2, 29)));
  EXPECT_TRUE(platform::CalendarDateOf(at(100, 1, 1)));
  EXPECT_TRUE(platform::CalendarDateOf(at(9999, 12, 31)));
  for (const SYSTEMTIME& bad : {at(2023, 2, 29), at(2026, 2, 30), at(99, 12, 31), at(10000, 1, 1),
                                at(2026, 0, 1), at(2026, 13, 1), at(2026, 6, 0), at(2026, 6, 31)})
    EXPECT_FALSE(platform::CalendarDateOf(bad)) << bad.wYear << "-" << bad.wMonth << "-" << bad.wDay;
  const SYSTEMTIME st = platform::SystemTimeOf({2026, 12, 15});
  EXPECT_EQ(st.wDayOfWeek, 2);
  EXPECT_EQ(st.wHour + st.wMinute + st.wSecond + st.wMilliseconds, 0);

  platform::DateRange range{{2026, 1, 10}, {2026, 2, 5}};
  EXPECT_EQ(range.Clamp({2025, 12, 1}), (CivilDate{2026, 1, 10}));
  EXPECT_EQ(range.Clamp({2026, 3, 1}), (CivilDate{2026, 2, 5}));
  EXPECT_EQ(range.Clamp({2026, 1, 20}), (CivilDate{2026, 1, 20}));
  EXPECT_FALSE(range.Contains({2026, 2, 6}));
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
