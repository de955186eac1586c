// The picker's date value, layout and pop-up placement, without a window. The value's rule
// against the calendar, over all integers, is the date fuzz target's.
#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "datepicker/CalendarPlacement.h"
#include "datepicker/DatePickerLayout.h"
#include "datepicker/DateValue.h"

namespace {

TEST(DateValueTest, FormatsWithoutPaddingAndNothingForNoDate) {
  for (const auto& [value, text] : {std::pair{20260105, L"2026-1-5"}, {1000101, L"100-1-1"},
                                    {0, L""}, {-20260105, L""}})
    EXPECT_EQ(FormatDate(value), text) << value;
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

TEST(DatePickerLayoutTest, ButtonStripAndText) {
  // The button's place at a usual size is checked on a made picker. Too narrow for text, the
  // button still sits at the right edge.
  EXPECT_EQ(LayoutDatePicker({0, 0, 120, 24}).text, CRect(1, 1, 100, 23));
  const DatePickerLayout narrow = LayoutDatePicker({0, 0, 20, 24});
  EXPECT_EQ(narrow.dropButton, CRect(2, 2, 18, 22));
  EXPECT_LE(narrow.text.Width(), 0);
}

constexpr SIZE kScreen{1280, 800};
constexpr SIZE kCalendar{192, 196};

RECT Place(RECT picker) { return PlaceCalendar(picker, kCalendar, kScreen); }

// Under the picker with right edges aligned; near the bottom above it, touching its top even when
// the picker hangs off the screen (the start rectangle is pulled back on, the flip must not follow
// it); near the left edge with left edges aligned.
TEST(CalendarPlacementTest, TouchesThePickerWhereverItFits) {
  const LONG w = kCalendar.cx, h = kCalendar.cy;
  const std::pair<RECT, RECT> cases[] = {  // {picker, calendar}
      {{400, 100, 520, 124}, {520 - w, 124, 520, 124 + h}},
      {{400, 700, 520, 724}, {520 - w, 700 - h, 520, 700}},
      {{400, 785, 520, 809}, {520 - w, 785 - h, 520, 785}},
      {{10, 100, 90, 124}, {10, 124, 10 + w, 124 + h}},
  };
  for (const auto& [picker, calendar] : cases)
    EXPECT_EQ(CRect(Place(picker)), CRect(calendar)) << picker.left << "," << picker.top;
}

// The picker's own size, just under it, pulled onto the screen.
TEST(CalendarPlacementTest, StartRectangleStaysOnTheScreen) {
  const std::pair<RECT, RECT> cases[] = {  // {picker, start rectangle}
      {{-30, 10, 70, 30}, {0, 30, 100, 50}},     {{1250, 10, 1350, 30}, {1180, 30, 1280, 50}},
      {{10, 790, 110, 810}, {10, 780, 110, 800}}, {{10, -50, 110, -30}, {10, 0, 110, 20}}};
  for (const auto& [picker, start] : cases)
    EXPECT_EQ(CRect(CalendarStartRect(picker, kScreen)), CRect(start)) << picker.left;
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
