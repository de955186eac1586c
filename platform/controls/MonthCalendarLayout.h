// Where the month calendar draws each part, from the measures of its font. One layout serves
// painting, hit testing and the minimum size, so the three cannot drift apart.
//
//   +---------------------------+  title bar: previous button, "2026年12月", next button
//   | <       2026年12月      > |
//   |  日 一 二 三 四 五 六     |  weekday header, a rule under it
//   |  29 30  1  2  3  4  5     |  six weeks of seven days
//   |  ...                      |
//   +---------------------------+
#pragma once

#include "platform/win32/WinDef.h"

namespace platform {

struct MonthCalendarMetrics {
  int textHeight = 0;  // the font's line height
  int widestCell = 0;  // the widest day number or weekday name
  int widestTitle = 0;  // the widest month title
};

// The measures of a font (the stock GUI font for a null one).
MonthCalendarMetrics MeasureMonthCalendar(HFONT font);

enum class MonthCalendarPart { Nothing, Previous, Next, Day };

struct MonthCalendarHit {
  MonthCalendarPart part = MonthCalendarPart::Nothing;
  int cell = -1;  // for a day
};

struct MonthCalendarLayout {
  static MonthCalendarLayout For(const MonthCalendarMetrics& metrics);

  // Client coordinates.
  RECT Cell(int index) const;
  RECT HeaderCell(int column) const;
  MonthCalendarHit HitTest(POINT pt) const;

  SIZE client{};
  RECT title{};
  RECT previous{};
  RECT next{};
  RECT month{};   // behind the header and the days
  RECT header{};  // the weekday names
  RECT rule{};    // the line under them
  RECT grid{};    // the six weeks
  int cellWidth = 0;
  int cellHeight = 0;
};

}  // namespace platform
