// The picker's date value, layout and pop-up placement, without a window.
#include <gtest/gtest.h>

#include <random>

#include "datepicker/CalendarPlacement.h"
#include "datepicker/DatePickerLayout.h"
#include "datepicker/DateValue.h"
#include "platform/backend/headless/HeadlessScreen.h"
#include "platform/time/CivilDate.h"

namespace {

TEST(DateValueTest, EncodesAndSplitsByTheDecimalRule) {
  EXPECT_EQ(EncodeDate(2026, 1, 5), 20260105);
  const DateParts d = SplitDate(20261215);
  EXPECT_EQ(d.year, 2026);
  EXPECT_EQ(d.month, 12);
  EXPECT_EQ(d.day, 15);
  EXPECT_EQ(FormatDate(20260105), L"2026-1-5");
  EXPECT_EQ(FormatDate(1000101), L"100-1-1");
  EXPECT_EQ(FormatDate(0), L"");
  EXPECT_EQ(FormatDate(-20260105), L"");
}

TEST(DateValueTest, ValidationTable) {
  struct Case {
    int value;
    bool valid;
  };
  for (const Case c : {Case{20260230, false}, Case{20240229, true}, Case{20230229, false},
                       Case{19000229, false}, Case{20000229, true}, Case{991231, false},
                       Case{0, false}, Case{20261300, false}, Case{20260001, false},
                       Case{20260100, false}, Case{1000101, true}, Case{99991231, true},
                       Case{100000101, false}, Case{-20260101, false}, Case{20260431, false},
                       Case{20260132, false}}) {
    EXPECT_EQ(IsValidDate(c.value), c.valid) << c.value;
  }
}

// Across two centuries the value's rule and the calendar's agree, day by day and for random
// integers that are mostly not dates.
TEST(DateValueTest, AgreesWithTheCalendarEverywhere) {
  for (platform::CivilDate d{1900, 1, 1}; d.year <= 2100; d = platform::AddDays(d, 1)) {
    const int value = EncodeDate(d.year, d.month, d.day);
    ASSERT_TRUE(IsValidDate(value)) << value;
    SYSTEMTIME st{};
    ASSERT_TRUE(SystemTimeFromDate(value, &st));
    ASSERT_EQ(DateFromSystemTime(st), value);
  }
  std::mt19937 random(759);
  for (int i = 0; i < 20000; ++i) {
    const int value = int(random() % 120000000);
    const DateParts p = SplitDate(value);
    const bool real = p.year >= 100 && p.year <= 9999 &&
                      platform::IsValidDate({p.year, p.month, p.day});
    ASSERT_EQ(IsValidDate(value), real) << value;
  }
}

TEST(DateValueTest, ACalendarDayThatIsNotADateGivesNoValue) {
  // A day of 101 in January would otherwise encode as the first of February.
  EXPECT_EQ(DateFromSystemTime({2026, 1, 0, 101, 0, 0, 0, 0}), 0);
  EXPECT_EQ(DateFromSystemTime({2026, 2, 0, 30, 0, 0, 0, 0}), 0);
  EXPECT_EQ(DateFromSystemTime({99, 2, 0, 3, 0, 0, 0, 0}), 0);
  SYSTEMTIME untouched{1, 1, 1, 1, 1, 1, 1, 1};
  EXPECT_FALSE(SystemTimeFromDate(20260230, &untouched));
  EXPECT_EQ(untouched.wYear, 1);
  EXPECT_FALSE(SystemTimeFromDate(20260101, nullptr));
}

TEST(DateValueTest, TodayFollowsTheLocalClock) {
  platform::headless::HeadlessScreen screen(320, 240);
  screen.FixLocalTime({2026, 12, 0, 15, 23, 59, 59, 0});
  EXPECT_EQ(TodayOr(0), 20261215);
  screen.FixLocalTime({2027, 1, 0, 1, 0, 0, 0, 0});
  EXPECT_EQ(TodayOr(0), 20270101);
}

TEST(DateValueTest, AClockBeforeTheEpochLeavesTheDateUnchanged) {
  platform::headless::HeadlessScreen screen(320, 240);
  // The run-time library refuses to break down a time before 1970.
  screen.FixLocalTime({1969, 6, 0, 1, 12, 0, 0, 0});
  EXPECT_EQ(TodayOr(20200202), 20200202);
}

TEST(DatePickerLayoutTest, ButtonStripAndText) {
  const DatePickerLayout l = LayoutDatePicker({0, 0, 120, 24});
  EXPECT_EQ(l.dropButton, CRect(102, 2, 118, 22));
  EXPECT_EQ(l.text, CRect(1, 1, 100, 23));
  // Too narrow for text: the button still sits at the right edge.
  const DatePickerLayout narrow = LayoutDatePicker({0, 0, 20, 24});
  EXPECT_EQ(narrow.dropButton, CRect(2, 2, 18, 22));
  EXPECT_LE(narrow.text.Width(), 0);
}

constexpr SIZE kScreen{1280, 800};
constexpr SIZE kCalendar{192, 196};

RECT Place(RECT picker) { return PlaceCalendar(picker, kCalendar, kScreen); }

TEST(CalendarPlacementTest, OpensUnderThePickerWithRightEdgesAligned) {
  const RECT r = Place({400, 100, 520, 124});
  EXPECT_EQ(r.top, 124);
  EXPECT_EQ(r.bottom, 124 + kCalendar.cy);
  EXPECT_EQ(r.right, 520);
  EXPECT_EQ(r.left, 520 - kCalendar.cx);  // wider than the picker: reaches left of it
}

TEST(CalendarPlacementTest, NearTheBottomItOpensAboveTouchingThePickersTop) {
  const RECT r = Place({400, 700, 520, 724});
  EXPECT_EQ(r.bottom, 700);
  EXPECT_EQ(r.top, 700 - kCalendar.cy);
}

TEST(CalendarPlacementTest, AtTheVeryBottomItStillTouchesThePickersTop) {
  // The start rectangle is pulled back onto the screen; the flip must not follow it.
  const RECT r = Place({400, 785, 520, 809});
  EXPECT_EQ(r.bottom, 785);
  EXPECT_EQ(r.top, 785 - kCalendar.cy);
}

TEST(CalendarPlacementTest, NearTheLeftEdgeItAlignsLeftEdges) {
  const RECT r = Place({10, 100, 90, 124});
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.right, 10 + kCalendar.cx);
}

TEST(CalendarPlacementTest, StartRectangleStaysOnTheScreen) {
  EXPECT_EQ(CalendarStartRect({-30, 10, 70, 30}, kScreen).left, 0);
  EXPECT_EQ(CalendarStartRect({-30, 10, 70, 30}, kScreen).right, 100);
  EXPECT_EQ(CalendarStartRect({1250, 10, 1350, 30}, kScreen).right, 1280);
  EXPECT_EQ(CalendarStartRect({1250, 10, 1350, 30}, kScreen).left, 1180);
  const RECT bottom = CalendarStartRect({10, 790, 110, 810}, kScreen);
  EXPECT_EQ(bottom.bottom, 800);
  EXPECT_EQ(bottom.top, 780);
  const RECT top = CalendarStartRect({10, -50, 110, -30}, kScreen);
  EXPECT_EQ(top.top, 0);
  EXPECT_EQ(top.bottom, 20);
}

// Wherever a picker sits on the screen, the calendar keeps its size and touches the picker's
// bottom or top edge, and lines up with one of its side edges.
TEST(CalendarPlacementTest, RandomPickersKeepTheCalendarBesideThem) {
  std::mt19937 random(754);
  for (int i = 0; i < 5000; ++i) {
    const LONG w = LONG(random() % 300) + 20, h = LONG(random() % 30) + 10;
    const LONG x = LONG(random() % (kScreen.cx - w)), y = LONG(random() % (kScreen.cy - h));
    const RECT picker{x, y, x + w, y + h};
    const RECT r = Place(picker);
    ASSERT_EQ(r.right - r.left, kCalendar.cx);
    ASSERT_EQ(r.bottom - r.top, kCalendar.cy);
    ASSERT_TRUE(r.top == picker.bottom || r.bottom == picker.top) << x << "," << y;
    ASSERT_TRUE(r.right == picker.right || r.left == picker.left) << x << "," << y;
  }
}

}  // namespace
