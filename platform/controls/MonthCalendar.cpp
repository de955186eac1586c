// The month calendar control, window class "SysMonthCal32" (WinCommCtrl.h says what it does).
//
// Sections: the control's state; notifications; input; painting; the window procedure.
//
// Every notification may end in the calendar's destruction (a pop-up closes when a day is
// picked), so after sending one the code only goes on when the window still lives, and looks
// its state up again.
#include "platform/controls/MonthCalendar.h"

#include <array>
#include <string>
#include <utility>

#include "platform/controls/ControlWindow.h"
#include "platform/controls/MonthCalendarAccessible.h"
#include "platform/controls/MonthCalendarLayout.h"
#include "platform/controls/MonthCalendarText.h"
#include "platform/controls/MonthGrid.h"
#include "platform/win32/WinCommCtrl.h"

namespace platform {

namespace {

constexpr std::array<COLORREF, 6> kDefaultColors = {
    RGB(255, 255, 255),  // MCSC_BACKGROUND
    RGB(0, 0, 0),        // MCSC_TEXT
    RGB(0, 84, 166),     // MCSC_TITLEBK
    RGB(255, 255, 255),  // MCSC_TITLETEXT
    RGB(255, 255, 255),  // MCSC_MONTHBK
    RGB(128, 128, 128),  // MCSC_TRAILINGTEXT
};
constexpr int kSelectionInset = 2;  // the selection fill sits inside today's frame
constexpr int kArrowHalfHeight = 4;
constexpr int kStateSlot = 0;  // the window extra bytes hold the state's address

// ---- the control's state

class MonthCalendar {
 public:
  explicit MonthCalendar(HWND hwnd) : m_hwnd(hwnd) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    m_today = CalendarDateOf(now).value_or(CivilDate{2000, 1, 1});
    m_selection = m_today;
    Measure();
  }

  static MonthCalendar* Of(HWND hwnd) {
    return IsWindow(hwnd) ? reinterpret_cast<MonthCalendar*>(GetWindowLongPtrW(hwnd, kStateSlot))
                          : nullptr;
  }

  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  HFONT Font() const { return m_font ? m_font : HFONT(GetStockObject(DEFAULT_GUI_FONT)); }
  void Measure();
  // Moves the selection (kept within the range) and repaints; MCN_SELCHANGE when it changed.
  // False when the calendar did not survive the notification.
  bool Select(const CivilDate& date);
  bool Notify(UINT code);
  // Tells assistive technology of the selection that replaced `before`.
  void Announce(const CivilDate& before) const;
  void Pick();

  void OnButtonDown(POINT pt);
  void OnMouseMove(POINT pt);
  void OnButtonUp(POINT pt);
  void OnKeyDown(UINT vk);

  void Paint(HDC dc) const;
  void PaintTitle(HDC dc) const;
  void PaintDays(HDC dc) const;
  void Fill(HDC dc, const RECT& r, COLORREF color) const;
  void Text(HDC dc, std::wstring_view text, RECT r, COLORREF color) const;
  COLORREF Color(int index) const { return m_colors[std::size_t(index)]; }

  const HWND m_hwnd;
  CivilDate m_today;
  CivilDate m_selection;  // the month shown is the selection's
  DateRange m_range;
  WPARAM m_rangeFlags = 0;
  std::array<COLORREF, 6> m_colors = kDefaultColors;
  HFONT m_font = nullptr;  // not owned; null for the default GUI font
  MonthCalendarLayout m_layout;
  bool m_tracking = false;  // the button went down on a day and is still held
};

void MonthCalendar::Measure() { m_layout = MonthCalendarLayout::For(MeasureMonthCalendar(Font())); }

// ---- notifications

bool MonthCalendar::Notify(UINT code) {
  const HWND hwnd = m_hwnd;
  const HWND target = GetParent(hwnd);
  if (!target) return true;
  const auto id = UINT_PTR(GetDlgCtrlID(hwnd));
  NMSELCHANGE nm{{hwnd, id, code}, SystemTimeOf(m_selection), SystemTimeOf(m_selection)};
  SendMessageW(target, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&nm));
  return Of(hwnd) == this;
}

void MonthCalendar::Announce(const CivilDate& before) const {
  if (before.year != m_selection.year || before.month != m_selection.month)
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, m_hwnd, OBJID_CLIENT, CHILDID_SELF);
  const int cell = GridCellOf(m_selection.year, m_selection.month, m_selection);
  NotifyWinEvent(EVENT_OBJECT_SELECTION, m_hwnd, OBJID_CLIENT, CalendarDayItem(cell));
}

bool MonthCalendar::Select(const CivilDate& date) {
  const CivilDate next = m_range.Clamp(date);
  if (next == m_selection) return true;
  Announce(std::exchange(m_selection, next));
  InvalidateRect(m_hwnd, nullptr, FALSE);
  return Notify(MCN_SELCHANGE);
}

void MonthCalendar::Pick() { Notify(MCN_SELECT); }

// ---- input

void MonthCalendar::OnButtonDown(POINT pt) {
  const HWND hwnd = m_hwnd;
  if (GetFocus() != hwnd) {
    SetFocus(hwnd);
    if (Of(hwnd) != this) return;
  }
  const MonthCalendarHit hit = m_layout.HitTest(pt);
  switch (hit.part) {
    case MonthCalendarPart::Previous: Select(AddMonths(m_selection, -1)); break;
    case MonthCalendarPart::Next: Select(AddMonths(m_selection, 1)); break;
    case MonthCalendarPart::Day: {
      const CivilDate day = GridDay(m_selection.year, m_selection.month, hit.cell);
      if (!m_range.Contains(day)) break;
      m_tracking = true;
      SetCapture(hwnd);
      if (Of(hwnd) == this) Select(day);
      break;
    }
    case MonthCalendarPart::Nothing: break;
  }
}

void MonthCalendar::OnMouseMove(POINT pt) {
  if (!m_tracking) return;
  const MonthCalendarHit hit = m_layout.HitTest(pt);
  if (hit.part != MonthCalendarPart::Day) return;
  // Dragging stays within the month the press began in.
  const CivilDate day = GridDay(m_selection.year, m_selection.month, hit.cell);
  if (day.month == m_selection.month && m_range.Contains(day)) Select(day);
}

void MonthCalendar::OnButtonUp(POINT pt) {
  if (!m_tracking) return;
  m_tracking = false;
  const HWND hwnd = m_hwnd;
  ReleaseCapture();
  if (Of(hwnd) != this) return;
  // The press (and any drag) already selected the day; a press on a neighbouring month's day
  // has turned the month since, so the cell under the pointer is not looked up again.
  if (m_layout.HitTest(pt).part == MonthCalendarPart::Day) Pick();
}

void MonthCalendar::OnKeyDown(UINT vk) {
  if (const auto moved = NavigateByKey(m_selection, vk)) {
    Select(*moved);
  } else if (vk == VK_RETURN) {
    Pick();
  } else if (vk == VK_ESCAPE) {
    // A pop-up closes when it loses the focus; giving it back to the owner does that.
    const HWND owner = GetParent(m_hwnd);
    if (owner && !(GetWindowLongW(m_hwnd, GWL_STYLE) & WS_CHILD)) SetFocus(owner);
  }
}

// ---- painting

void MonthCalendar::Fill(HDC dc, const RECT& r, COLORREF color) const {
  SetBkColor(dc, color);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void MonthCalendar::Text(HDC dc, std::wstring_view text, RECT r, COLORREF color) const {
  SetTextColor(dc, color);
  DrawTextW(dc, text.data(), int(text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void MonthCalendar::PaintTitle(HDC dc) const {
  const MonthCalendarLayout& l = m_layout;
  Fill(dc, l.title, Color(MCSC_TITLEBK));
  Text(dc, MonthTitle(m_selection.year, m_selection.month), l.title, Color(MCSC_TITLETEXT));
  // Each button holds a small solid triangle pointing its way, drawn a column at a time.
  for (const bool toPrevious : {true, false}) {
    const RECT& b = toPrevious ? l.previous : l.next;
    const int cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
    for (int i = 0; i <= kArrowHalfHeight; ++i) {
      const int x = toPrevious ? cx - kArrowHalfHeight / 2 + i : cx + kArrowHalfHeight / 2 - i;
      Fill(dc, {x, cy - i, x + 1, cy + i + 1}, Color(MCSC_TITLETEXT));
    }
  }
}

void MonthCalendar::PaintDays(HDC dc) const {
  const MonthCalendarLayout& l = m_layout;
  Fill(dc, l.month, Color(MCSC_MONTHBK));
  for (int column = 0; column < kMonthGridColumns; ++column)
    Text(dc, WeekdayName(column), l.HeaderCell(column), Color(MCSC_TEXT));
  Fill(dc, l.rule, Color(MCSC_TRAILINGTEXT));
  const HBRUSH todayFrame = CreateSolidBrush(Color(MCSC_TITLEBK));
  for (int cell = 0; cell < kMonthGridCells; ++cell) {
    const CivilDate day = GridDay(m_selection.year, m_selection.month, cell);
    RECT r = l.Cell(cell);
    COLORREF text = day.month == m_selection.month && m_range.Contains(day)
                        ? Color(MCSC_TEXT)
                        : Color(MCSC_TRAILINGTEXT);
    if (day == m_selection) {
      RECT fill = r;
      InflateRect(&fill, -kSelectionInset, -kSelectionInset);
      Fill(dc, fill, Color(MCSC_TITLEBK));
      text = Color(MCSC_TITLETEXT);
    }
    if (day == m_today) FrameRect(dc, &r, todayFrame);
    Text(dc, std::to_wstring(day.day), r, text);
  }
  DeleteObject(todayFrame);
}

void MonthCalendar::Paint(HDC dc) const {
  RECT client{};
  GetClientRect(m_hwnd, &client);
  Fill(dc, client, Color(MCSC_BACKGROUND));
  const HGDIOBJ oldFont = SelectObject(dc, Font());
  SetBkMode(dc, TRANSPARENT);
  PaintTitle(dc);
  PaintDays(dc);
  SelectObject(dc, oldFont);
}

// ---- the window procedure

LRESULT MonthCalendar::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      if (const HDC dc = BeginPaint(m_hwnd, &ps)) {
        Paint(dc);
        EndPaint(m_hwnd, &ps);
      }
      return 0;
    }
    case WM_ERASEBKGND: return 1;  // painting covers every pixel
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnButtonDown(pt); return 0;
    case WM_MOUSEMOVE: OnMouseMove(pt); return 0;
    case WM_LBUTTONUP: OnButtonUp(pt); return 0;
    case WM_CAPTURECHANGED: m_tracking = false; return 0;
    case WM_KEYDOWN: OnKeyDown(UINT(wParam)); return 0;
    case WM_SETFONT:
      m_font = reinterpret_cast<HFONT>(wParam);
      Measure();
      if (lParam) InvalidateRect(m_hwnd, nullptr, FALSE);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(m_font);
    case WM_GETOBJECT:
      return AnswerClientObject<MonthCalendarAccessible>(m_hwnd, wParam, lParam);
    case WM_ENABLE: InvalidateRect(m_hwnd, nullptr, FALSE); return 0;
    case MCM_GETCURSEL: {
      auto* out = reinterpret_cast<SYSTEMTIME*>(lParam);
      if (!out) return FALSE;
      *out = SystemTimeOf(m_selection);
      return TRUE;
    }
    case MCM_SETCURSEL: {
      const auto* in = reinterpret_cast<const SYSTEMTIME*>(lParam);
      const auto date = in ? CalendarDateOf(*in) : std::nullopt;
      if (!date || !m_range.Contains(*date)) return FALSE;
      if (*date != m_selection) {
        InvalidateRect(m_hwnd, nullptr, FALSE);
        Announce(std::exchange(m_selection, *date));
      }
      return TRUE;
    }
    case MCM_GETTODAY: {
      auto* out = reinterpret_cast<SYSTEMTIME*>(lParam);
      if (!out) return FALSE;
      *out = SystemTimeOf(m_today);
      return TRUE;
    }
    case MCM_SETTODAY: {
      SYSTEMTIME now{};
      GetLocalTime(&now);
      const auto* in = reinterpret_cast<const SYSTEMTIME*>(lParam);
      if (const auto date = CalendarDateOf(in ? *in : now)) {
        m_today = *date;
        InvalidateRect(m_hwnd, nullptr, FALSE);
      }
      return 0;
    }
    // A range of days is chosen only in a multiple-selection calendar, which this one is not.
    case MCM_GETSELRANGE:
    case MCM_SETSELRANGE:
    case MCM_SETMAXSELCOUNT: return FALSE;
    case MCM_GETMINREQRECT: {
      auto* out = reinterpret_cast<RECT*>(lParam);
      if (!out) return FALSE;
      const int frame = (GetWindowLongW(m_hwnd, GWL_STYLE) & WS_BORDER) ? 2 : 0;
      *out = {0, 0, m_layout.client.cx + frame, m_layout.client.cy + frame};
      return TRUE;
    }
    case MCM_SETCOLOR:
    case MCM_GETCOLOR: {
      if (wParam >= m_colors.size()) return -1;
      const COLORREF old = m_colors[wParam];
      if (message == MCM_SETCOLOR && old != COLORREF(lParam)) {
        m_colors[wParam] = COLORREF(lParam);
        InvalidateRect(m_hwnd, nullptr, FALSE);
      }
      return LRESULT(old);
    }
    case MCM_GETRANGE: {
      if (auto* out = reinterpret_cast<SYSTEMTIME*>(lParam)) {
        if (m_rangeFlags & GDTR_MIN) out[0] = SystemTimeOf(m_range.min);
        if (m_rangeFlags & GDTR_MAX) out[1] = SystemTimeOf(m_range.max);
      }
      return LRESULT(m_rangeFlags);
    }
    case MCM_SETRANGE: {
      const auto* limits = reinterpret_cast<const SYSTEMTIME*>(lParam);
      DateRange range;
      if (wParam & (GDTR_MIN | GDTR_MAX)) {
        if (!limits) return FALSE;
        if (wParam & GDTR_MIN) {
          const auto min = CalendarDateOf(limits[0]);
          if (!min) return FALSE;
          range.min = *min;
        }
        if (wParam & GDTR_MAX) {
          const auto max = CalendarDateOf(limits[1]);
          if (!max) return FALSE;
          range.max = *max;
        }
        if (range.max < range.min) return FALSE;
      }
      m_range = range;
      m_rangeFlags = wParam & (GDTR_MIN | GDTR_MAX);
      m_selection = m_range.Clamp(m_selection);
      InvalidateRect(m_hwnd, nullptr, FALSE);
      return TRUE;
    }
    default: return DefWindowProcW(m_hwnd, message, wParam, lParam);
  }
}

}  // namespace

LRESULT CALLBACK MonthCalendarWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ControlWndProc<MonthCalendar>(hwnd, message, wParam, lParam);
}

}  // namespace platform
