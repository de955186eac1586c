#include "platform/controls/MonthCalendarLayout.h"

#include <algorithm>

#include "platform/controls/MonthCalendarText.h"
#include "platform/controls/MonthGrid.h"
#include "platform/win32/WinUser.h"

namespace platform {

namespace {

constexpr int kMargin = 4;          // around the month, inside the window
constexpr int kCellPadX = 5;        // either side of a day number
constexpr int kCellPadY = 3;        // above and below it
constexpr int kTitlePadY = 6;       // above and below the title
constexpr int kTitleGap = 6;        // between the title and each month button
constexpr int kRuleGap = 2;         // above and below the rule under the weekdays

}  // namespace

MonthCalendarMetrics MeasureMonthCalendar(HFONT font) {
  const HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, font ? font : HFONT(GetStockObject(DEFAULT_GUI_FONT)));
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  MonthCalendarMetrics metrics;
  metrics.textHeight = tm.tmHeight;
  SIZE size{};
  for (std::wstring_view sample : {std::wstring_view(L"30"), WeekdayName(0), WeekdayName(1)}) {
    GetTextExtentPoint32W(dc, sample.data(), int(sample.size()), &size);
    metrics.widestCell = std::max<int>(metrics.widestCell, size.cx);
  }
  const std::wstring title = WidestMonthTitleSample();
  GetTextExtentPoint32W(dc, title.c_str(), int(title.size()), &size);
  metrics.widestTitle = size.cx;
  DeleteDC(dc);
  return metrics;
}

MonthCalendarLayout MonthCalendarLayout::For(const MonthCalendarMetrics& m) {
  MonthCalendarLayout l;
  const int titleHeight = m.textHeight + 2 * kTitlePadY;
  const int button = titleHeight;
  l.cellHeight = m.textHeight + 2 * kCellPadY;
  l.cellWidth = m.widestCell + 2 * kCellPadX;
  // A long title widens the days rather than running under the buttons.
  const int titleNeeds = m.widestTitle + 2 * (button + kTitleGap);
  l.cellWidth = std::max(l.cellWidth, (titleNeeds + kMonthGridColumns - 1) / kMonthGridColumns);
  const int gridWidth = kMonthGridColumns * l.cellWidth;
  const int width = gridWidth + 2 * kMargin;

  l.title = {0, 0, width, titleHeight};
  l.previous = {kMargin, 0, kMargin + button, titleHeight};
  l.next = {width - kMargin - button, 0, width - kMargin, titleHeight};
  const int headerTop = titleHeight + kMargin;
  l.header = {kMargin, headerTop, kMargin + gridWidth, headerTop + l.cellHeight};
  l.rule = {kMargin, l.header.bottom + kRuleGap, kMargin + gridWidth, l.header.bottom + kRuleGap + 1};
  const int gridTop = l.rule.bottom + kRuleGap;
  l.grid = {kMargin, gridTop, kMargin + gridWidth, gridTop + kMonthGridRows * l.cellHeight};
  l.month = {kMargin, headerTop, l.grid.right, l.grid.bottom};
  l.client = {width, l.grid.bottom + kMargin};
  return l;
}

RECT MonthCalendarLayout::Cell(int index) const {
  const int column = index % kMonthGridColumns, row = index / kMonthGridColumns;
  const int left = grid.left + column * cellWidth, top = grid.top + row * cellHeight;
  return {left, top, left + cellWidth, top + cellHeight};
}

RECT MonthCalendarLayout::HeaderCell(int column) const {
  const int left = header.left + column * cellWidth;
  return {left, header.top, left + cellWidth, header.bottom};
}

MonthCalendarHit MonthCalendarLayout::HitTest(POINT pt) const {
  if (PtInRect(&previous, pt)) return {MonthCalendarPart::Previous, -1};
  if (PtInRect(&next, pt)) return {MonthCalendarPart::Next, -1};
  if (!PtInRect(&grid, pt) || cellWidth <= 0 || cellHeight <= 0) return {};
  const int column = (pt.x - grid.left) / cellWidth, row = (pt.y - grid.top) / cellHeight;
  return {MonthCalendarPart::Day, row * kMonthGridColumns + column};
}

}  // namespace platform
