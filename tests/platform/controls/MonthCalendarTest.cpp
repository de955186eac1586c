// The month calendar window driven as a user drives it: clicks and keys on the headless screen,
// notifications to the owner, and its picture.
#include <algorithm>

#include "platform/controls/MonthCalendarLayout.h"
#include "platform/controls/MonthGrid.h"
#include "platform/mfc/CMonthCalCtrl.h"
#include "tests/platform/window/WindowTesting.h"
#include "tests/support/Golden.h"
#include "tests/support/Pixels.h"

namespace trellis::test {
namespace {

using platform::CivilDate;

constexpr POINT kAt{300, 40};  // where the calendar's window goes on the screen
constexpr UINT kClick = 0;      // a click on a day, where a key is expected

class MonthCalendarTest : public WindowTest {
 protected:
  MonthCalendarTest() {
    screen.FixLocalTime({2026, 12, 2, 15, 9, 30, 0, 0});
    owner = Make(WS_POPUP | WS_VISIBLE, {10, 10, 250, 200});
    On(owner, WM_NOTIFY, [this](WPARAM, LPARAM lParam) {
      const auto* nm = reinterpret_cast<const NMSELCHANGE*>(lParam);
      EXPECT_EQ(nm->nmhdr.hwndFrom, calendar);
      codes.push_back(nm->nmhdr.code);
      picked = {nm->stSelStart.wYear, nm->stSelStart.wMonth, nm->stSelStart.wDay};
      if (destroyOn == nm->nmhdr.code) DestroyWindow(nm->nmhdr.hwndFrom);
      return LRESULT(0);
    });
    Open();
  }

  // A pop-up calendar owned by `owner`, at its minimum size, shown and painted.
  void Open() {
    calendar = Make(WS_POPUP | WS_BORDER, {kAt.x, kAt.y, kAt.x, kAt.y}, owner, 0, MONTHCAL_CLASSW);
    RECT min{};
    SendMessageW(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&min));
    MoveWindow(calendar, kAt.x, kAt.y, min.right, min.bottom, TRUE);
    ShowWindow(calendar, SW_SHOW);
    screen.PumpUntilIdle();
  }
  // Presses a key, or clicks the cell of `day` in the grid of December 2026; then pumps.
  void PressOrClickDay(UINT vk, const CivilDate& day) {
    if (vk != kClick) {
      screen.KeyPress(vk);
      screen.PumpUntilIdle();
      return;
    }
    const auto font = reinterpret_cast<HFONT>(SendMessageW(calendar, WM_GETFONT, 0, 0));
    const auto layout = platform::MonthCalendarLayout::For(platform::MeasureMonthCalendar(font));
    const RECT r = layout.Cell(platform::GridCellOf(2026, 12, day));
    POINT pt{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(calendar, &pt);
    screen.Click(pt.x, pt.y);
    screen.PumpUntilIdle();
  }
  CivilDate Selection() const {
    SYSTEMTIME st{};
    EXPECT_TRUE(SendMessageW(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st)));
    return {st.wYear, st.wMonth, st.wDay};
  }

  HWND owner = nullptr;
  HWND calendar = nullptr;
  std::vector<UINT> codes;
  CivilDate picked{};
  UINT destroyOn = 0;
};

// Clicks and keys move the selection across months, and each step tells the owner what
// changed. It opens on today.
TEST_F(MonthCalendarTest, ClicksAndKeysMoveAndPickTellingTheOwner) {
  const struct {
    UINT key;  // or a click on `day`
    CivilDate day;
    std::vector<UINT> codes;
    CivilDate selected;
  } steps[] = {
      {kClick, {2026, 12, 23}, {MCN_SELCHANGE, MCN_SELECT}, {2026, 12, 23}},
      {kClick, {2026, 12, 23}, {MCN_SELECT}, {2026, 12, 23}},  // the same day still picks
      {kClick, {2027, 1, 2}, {MCN_SELCHANGE, MCN_SELECT}, {2027, 1, 2}},  // turns the month
      {VK_RIGHT, {}, {MCN_SELCHANGE}, {2027, 1, 3}},
      {VK_UP, {}, {MCN_SELCHANGE}, {2026, 12, 27}},
      {VK_LEFT, {}, {MCN_SELCHANGE}, {2026, 12, 26}},
      {VK_DOWN, {}, {MCN_SELCHANGE}, {2027, 1, 2}},
      {VK_PRIOR, {}, {MCN_SELCHANGE}, {2026, 12, 2}},
      {VK_HOME, {}, {MCN_SELCHANGE}, {2026, 12, 1}},
      {VK_END, {}, {MCN_SELCHANGE}, {2026, 12, 31}},
      {VK_NEXT, {}, {MCN_SELCHANGE}, {2027, 1, 31}},
      {'A', {}, {}, {2027, 1, 31}},
      {VK_RETURN, {}, {MCN_SELECT}, {2027, 1, 31}},
      {VK_ESCAPE, {}, {}, {2027, 1, 31}},  // hands the focus back to the owner
  };
  EXPECT_EQ(Selection(), (CivilDate{2026, 12, 15}));
  EXPECT_EQ(GetFocus(), calendar);
  for (const auto& s : steps) {
    SCOPED_TRACE(testing::Message() << s.key << " " << s.day.month << "/" << s.day.day);
    codes.clear();
    PressOrClickDay(s.key, s.day);
    EXPECT_EQ(codes, s.codes);
    EXPECT_EQ(Selection(), s.selected);
    EXPECT_EQ(picked, s.selected);
  }
  EXPECT_EQ(GetFocus(), owner);
}

// Today is the local date until a program sets another, and null sets the local date again.
// A range of days belongs to multiple-selection calendars: refused here.
TEST_F(MonthCalendarTest, TodayFollowsTheProgramAndDayRangesAreRefused) {
  const auto today = [this] {
    SYSTEMTIME st{};
    EXPECT_TRUE(SendMessageW(calendar, MCM_GETTODAY, 0, reinterpret_cast<LPARAM>(&st)));
    return CivilDate{st.wYear, st.wMonth, st.wDay};
  };
  EXPECT_EQ(today(), (CivilDate{2026, 12, 15}));
  SYSTEMTIME set{2027, 2, 0, 20, 0, 0, 0, 0};
  SendMessageW(calendar, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(&set));
  EXPECT_EQ(today(), (CivilDate{2027, 2, 20}));
  SYSTEMTIME bad{2027, 2, 0, 30, 0, 0, 0, 0};
  SendMessageW(calendar, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(&bad));
  EXPECT_EQ(today(), (CivilDate{2027, 2, 20}));
  SendMessageW(calendar, MCM_SETTODAY, 0, 0);
  EXPECT_EQ(today(), (CivilDate{2026, 12, 15}));
  EXPECT_FALSE(SendMessageW(calendar, MCM_GETTODAY, 0, 0));
  SYSTEMTIME range[2] = {set, set};
  for (const UINT message : {MCM_GETSELRANGE, MCM_SETSELRANGE})
    EXPECT_FALSE(SendMessageW(calendar, message, 0, reinterpret_cast<LPARAM>(range)));
  EXPECT_FALSE(SendMessageW(calendar, MCM_SETMAXSELCOUNT, 7, 0));
  EXPECT_EQ(Selection(), (CivilDate{2026, 12, 15}));
}

TEST_F(MonthCalendarTest, LooksLikeItsGoldenImage) {
  SYSTEMTIME st{2026, 12, 0, 24, 0, 0, 0, 0};
  ASSERT_TRUE(SendMessageW(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st)));
  screen.PumpUntilIdle();
  RECT r{};
  GetWindowRect(calendar, &r);
  EXPECT_TRUE(MatchesGolden(ScreenPart(screen, r), "platform/month_calendar", {8, 40}));
}

// The owner destroys the calendar from inside each notification it can send; the calendar
// must not touch itself afterwards (the sanitizer build watches).
TEST_F(MonthCalendarTest, SurvivesBeingDestroyedInsideItsOwnNotifications) {
  for (const UINT code : {MCN_SELECT, MCN_SELCHANGE})
    for (const bool byKey : {false, true}) {
      SCOPED_TRACE(testing::Message() << code << " " << byKey);
      if (!IsWindow(calendar)) Open();
      codes.clear();
      destroyOn = code;
      PressOrClickDay(!byKey ? kClick : code == MCN_SELECT ? VK_RETURN : VK_RIGHT, {2026, 12, 9});
      EXPECT_FALSE(IsWindow(calendar));
      ASSERT_FALSE(codes.empty());
      EXPECT_EQ(codes.back(), code);
      EXPECT_EQ(GetCapture(), nullptr);
    }
}

}  // namespace
}  // namespace trellis::test
