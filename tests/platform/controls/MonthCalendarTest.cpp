// The month calendar window driven as a user drives it: clicks and keys on the headless screen,
// notifications to the owner, reflection to the calendar's own object, and pixels.
#include <string>

#include "platform/controls/MonthCalendarLayout.h"
#include "platform/controls/MonthGrid.h"
#include "platform/mfc/CMonthCalCtrl.h"
#include "tests/platform/window/WindowTesting.h"
#include "tests/support/Golden.h"

namespace trellis::test {
namespace {

using platform::CivilDate;

constexpr POINT kAt{300, 40};  // where the calendar's window goes on the screen
const SYSTEMTIME kToday{2026, 12, 2, 15, 9, 30, 0, 0};

struct Picked {
  UINT code;
  HWND from;
  CivilDate date;
};

class MonthCalendarTest : public WindowTest {
 protected:
  MonthCalendarTest() {
    screen.FixLocalTime(kToday);
    owner = Make(WS_POPUP | WS_VISIBLE, {10, 10, 250, 200});
    On(owner, WM_NOTIFY, [this](WPARAM, LPARAM lParam) {
      const auto* nm = reinterpret_cast<const NMSELCHANGE*>(lParam);
      picked.push_back({nm->nmhdr.code, nm->nmhdr.hwndFrom,
                        {nm->stSelStart.wYear, nm->stSelStart.wMonth, nm->stSelStart.wDay}});
      if (destroyOn == nm->nmhdr.code) DestroyWindow(nm->nmhdr.hwndFrom);
      return LRESULT(0);
    });
    calendar = OpenPopup(owner);
  }

  // A pop-up calendar owned by `by`, at its minimum size, shown and painted.
  HWND OpenPopup(HWND by) {
    HWND hwnd = CreateWindowExW(0, MONTHCAL_CLASSW, L"", WS_POPUP | WS_BORDER, kAt.x, kAt.y, 0,
                                0, by, nullptr, nullptr, nullptr);
    RECT min{};
    SendMessageW(hwnd, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&min));
    MoveWindow(hwnd, kAt.x, kAt.y, min.right, min.bottom, TRUE);
    ShowWindow(hwnd, SW_SHOW);
    screen.PumpUntilIdle();
    return hwnd;
  }

  platform::MonthCalendarLayout Layout() const {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(calendar, WM_GETFONT, 0, 0));
    return platform::MonthCalendarLayout::For(platform::MeasureMonthCalendar(font));
  }
  // The screen point at the centre of a client rectangle of the calendar.
  POINT Centre(const RECT& r) const {
    POINT pt{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(calendar, &pt);
    return pt;
  }
  POINT CellOf(const CivilDate& day, const CivilDate& shown) const {
    return Centre(Layout().Cell(platform::GridCellOf(shown.year, shown.month, day)));
  }
  void ClickAt(POINT pt) {
    screen.Click(pt.x, pt.y);
    screen.PumpUntilIdle();
  }
  void Press(UINT vk) {
    screen.KeyPress(vk);
    screen.PumpUntilIdle();
  }
  CivilDate Selection() const {
    SYSTEMTIME st{};
    EXPECT_TRUE(SendMessageW(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st)));
    return {st.wYear, st.wMonth, st.wDay};
  }
  BOOL SetSelection(int y, int m, int d) {
    SYSTEMTIME st{WORD(y), WORD(m), 0, WORD(d), 0, 0, 0, 0};
    return BOOL(SendMessageW(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st)));
  }
  std::vector<UINT> Codes() const {
    std::vector<UINT> codes;
    for (const Picked& p : picked) codes.push_back(p.code);
    return codes;
  }

  HWND owner = nullptr;
  HWND calendar = nullptr;
  std::vector<Picked> picked;
  UINT destroyOn = 0;
};

TEST_F(MonthCalendarTest, AClickOnADayPicksItAndTellsTheOwner) {
  ClickAt(CellOf({2026, 12, 23}, {2026, 12, 1}));
  ASSERT_EQ(Codes(), (std::vector<UINT>{MCN_SELCHANGE, MCN_SELECT}));
  EXPECT_EQ(picked[1].from, calendar);
  EXPECT_EQ(picked[1].date, (CivilDate{2026, 12, 23}));
  EXPECT_EQ(Selection(), (CivilDate{2026, 12, 23}));
  // Picking the selected day again still picks, without a selection change.
  picked.clear();
  ClickAt(CellOf({2026, 12, 23}, {2026, 12, 1}));
  EXPECT_EQ(Codes(), (std::vector<UINT>{MCN_SELECT}));
  // A day of the next month turns the month and is picked.
  picked.clear();
  ClickAt(CellOf({2027, 1, 2}, {2026, 12, 1}));
  ASSERT_EQ(Codes(), (std::vector<UINT>{MCN_SELCHANGE, MCN_SELECT}));
  EXPECT_EQ(picked[1].date, (CivilDate{2027, 1, 2}));
}

TEST_F(MonthCalendarTest, KeysNavigateAndEnterPicks) {
  struct Step {
    UINT vk;
    CivilDate then;
  };
  // Where each key goes is MonthGridTest's table; here keys reach it across a month.
  for (const Step s : {Step{VK_RIGHT, {2026, 12, 16}}, Step{VK_NEXT, {2027, 1, 16}},
                       Step{VK_HOME, {2027, 1, 1}}, Step{VK_LEFT, {2026, 12, 31}}}) {
    Press(s.vk);
    EXPECT_EQ(Selection(), s.then) << s.vk;
  }
  EXPECT_EQ(picked.size(), 4u);
  Press(VK_RETURN);
  ASSERT_EQ(picked.size(), 5u);
  EXPECT_EQ(picked.back().code, MCN_SELECT);
  EXPECT_EQ(picked.back().date, (CivilDate{2026, 12, 31}));
  Press(VK_ESCAPE);  // hands the focus back to the owner, picking nothing
  EXPECT_EQ(GetFocus(), owner);
  EXPECT_EQ(picked.size(), 5u);
}

TEST_F(MonthCalendarTest, InvalidDatesAndRangesAreRefused) {
  // Which dates are real is MonthGridTest's table; one reaches it through the message.
  EXPECT_FALSE(SetSelection(2023, 2, 29));
  EXPECT_FALSE(SendMessageW(calendar, MCM_SETCURSEL, 0, 0));
  EXPECT_EQ(Selection(), (CivilDate{2026, 12, 15}));
  EXPECT_TRUE(SetSelection(2024, 2, 29));
  EXPECT_EQ(Selection(), (CivilDate{2024, 2, 29}));

  CMonthCalCtrl object;
  ASSERT_TRUE(object.Attach(calendar));
  SYSTEMTIME min{2024, 2, 0, 10, 0, 0, 0, 0}, max{2024, 3, 0, 5, 0, 0, 0, 0};
  SYSTEMTIME badMax{2024, 2, 0, 30, 0, 0, 0, 0};
  EXPECT_FALSE(object.SetRange(&min, &badMax));
  EXPECT_FALSE(object.SetRange(&max, &min));  // minimum after maximum
  EXPECT_EQ(object.GetRange(nullptr, nullptr), 0u);
  ASSERT_TRUE(object.SetRange(&min, &max));
  SYSTEMTIME gotMin{}, gotMax{};
  EXPECT_EQ(object.GetRange(&gotMin, &gotMax), DWORD(GDTR_MIN | GDTR_MAX));
  EXPECT_EQ(gotMax.wDay, 5);
  EXPECT_FALSE(SetSelection(2024, 3, 6));
  EXPECT_TRUE(SetSelection(2024, 3, 5));
  Press(VK_RIGHT);  // the range holds the selection back
  EXPECT_EQ(Selection(), (CivilDate{2024, 3, 5}));
  ASSERT_TRUE(object.SetRange(&min, nullptr));
  Press(VK_RIGHT);
  EXPECT_EQ(Selection(), (CivilDate{2024, 3, 6}));
  ASSERT_TRUE(SetSelection(9999, 12, 31));
  Press(VK_NEXT);  // nothing beyond the last automation date
  EXPECT_EQ(Selection(), (CivilDate{9999, 12, 31}));
  object.Detach();
}

TEST_F(MonthCalendarTest, LooksLikeItsGoldenImage) {
  ASSERT_TRUE(SetSelection(2026, 12, 24));
  screen.PumpUntilIdle();
  RECT r{};
  GetWindowRect(calendar, &r);
  const platform::Surface& shown = screen.Composed();
  platform::Surface picture;
  ASSERT_TRUE(picture.Allocate(r.right - r.left, r.bottom - r.top));
  for (int y = 0; y < picture.Height(); ++y)
    std::copy_n(shown.Row(r.top + y) + r.left, picture.Width(), picture.Row(y));
  EXPECT_TRUE(MatchesGolden(picture, "platform/month_calendar", {8, 40}));
}

// The owner destroys the calendar from inside each notification it can send; the calendar
// must not touch itself afterwards (the sanitizer build watches).
TEST_F(MonthCalendarTest, SurvivesBeingDestroyedInsideItsOwnNotifications) {
  struct Case {
    UINT destroyOn;
    bool byKey;
  };
  for (const Case c : {Case{MCN_SELECT, false}, Case{MCN_SELCHANGE, false},
                       Case{MCN_SELECT, true}, Case{MCN_SELCHANGE, true}}) {
    if (!IsWindow(calendar)) calendar = OpenPopup(owner);
    picked.clear();
    destroyOn = c.destroyOn;
    if (c.byKey) {
      Press(c.destroyOn == MCN_SELECT ? VK_RETURN : VK_RIGHT);
    } else {
      ClickAt(CellOf({2026, 12, 9}, {2026, 12, 1}));
    }
    EXPECT_FALSE(IsWindow(calendar)) << c.destroyOn << " " << c.byKey;
    ASSERT_FALSE(picked.empty());
    EXPECT_EQ(picked.back().code, c.destroyOn);
    EXPECT_EQ(GetCapture(), nullptr);
  }
}

}  // namespace
}  // namespace trellis::test
