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

TEST_F(MonthCalendarTest, OpensOnTodayAtItsMinimumSize) {
  EXPECT_EQ(Selection(), (CivilDate{2026, 12, 15}));
  RECT window{};
  GetWindowRect(calendar, &window);
  EXPECT_EQ(window.right - window.left, Layout().client.cx + 2);  // the border lies outside
  EXPECT_EQ(window.bottom - window.top, Layout().client.cy + 2);
  EXPECT_EQ(GetFocus(), calendar);
}

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

TEST_F(MonthCalendarTest, MonthButtonsMoveTheSelectionWithoutPicking) {
  ClickAt(Centre(Layout().next));
  EXPECT_EQ(Selection(), (CivilDate{2027, 1, 15}));
  ClickAt(Centre(Layout().previous));
  ClickAt(Centre(Layout().previous));
  EXPECT_EQ(Selection(), (CivilDate{2026, 11, 15}));
  EXPECT_EQ(Codes(), (std::vector<UINT>(3, MCN_SELCHANGE)));
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

TEST_F(MonthCalendarTest, SixColoursFontAndSize) {
  for (int index = MCSC_BACKGROUND; index <= MCSC_TRAILINGTEXT; ++index) {
    SendMessageW(calendar, MCM_SETCOLOR, index, RGB(10 * index, 20, 30));
    EXPECT_EQ(COLORREF(SendMessageW(calendar, MCM_GETCOLOR, index, 0)), RGB(10 * index, 20, 30));
  }
  EXPECT_EQ(SendMessageW(calendar, MCM_SETCOLOR, 6, 0), -1);
  RECT small{}, large{};
  SendMessageW(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&small));
  LOGFONTW lf{};
  lf.lfHeight = -20;
  const HFONT font = CreateFontIndirectW(&lf);
  SendMessageW(calendar, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(calendar, WM_GETFONT, 0, 0)), font);
  SendMessageW(calendar, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&large));
  EXPECT_GT(large.right, small.right);
  EXPECT_GT(large.bottom, small.bottom);
  DestroyWindow(calendar);
  DeleteObject(font);
}

TEST_F(MonthCalendarTest, SelectedDayAndTodayAreMarkedInTheirColours) {
  SendMessageW(calendar, MCM_SETCOLOR, MCSC_TITLEBK, RGB(200, 0, 0));
  SendMessageW(calendar, MCM_SETCOLOR, MCSC_MONTHBK, RGB(0, 0, 200));
  ASSERT_TRUE(SetSelection(2026, 12, 3));
  screen.PumpUntilIdle();
  const auto layout = Layout();
  auto screenOf = [this](POINT pt) {
    ClientToScreen(calendar, &pt);
    return pt;
  };
  const RECT selected = layout.Cell(platform::GridCellOf(2026, 12, {2026, 12, 3}));
  const POINT fill = screenOf({selected.left + 3, selected.top + 3});
  EXPECT_EQ(screen.PixelAt(fill.x, fill.y), RGB(200, 0, 0));
  const RECT today = layout.Cell(platform::GridCellOf(2026, 12, {2026, 12, 15}));
  const POINT frame = screenOf({today.left, today.top + 3});
  const POINT inside = screenOf({today.left + 3, today.top + 3});
  EXPECT_EQ(screen.PixelAt(frame.x, frame.y), RGB(200, 0, 0));
  EXPECT_EQ(screen.PixelAt(inside.x, inside.y), RGB(0, 0, 200));
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

// A calendar object handles its own MCN_SELECT when its owner is an MFC window, the way the
// owner reflects a control's notifications back to it.
class ReflectingCalendar : public CMonthCalCtrl {
 public:
  std::vector<CivilDate> picks;

 protected:
  BOOL OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) override {
    const auto* nm = reinterpret_cast<const NMSELCHANGE*>(lParam);
    if (message != WM_NOTIFY || nm->nmhdr.code != MCN_SELECT) return FALSE;
    SYSTEMTIME st{};
    GetCurSel(&st);
    picks.push_back({st.wYear, st.wMonth, st.wDay});
    DestroyWindow();
    if (result) *result = 0;
    return TRUE;
  }
};

TEST_F(MonthCalendarTest, AnMfcOwnerReflectsThePickToTheCalendarObject) {
  DestroyWindow(calendar);
  CWnd mfcOwner;
  ASSERT_TRUE(mfcOwner.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 10, 220, 200, 100,
                                nullptr, nullptr));
  ReflectingCalendar wrapped;
  ASSERT_TRUE(wrapped.CreateEx(0, MONTHCAL_CLASSW, L"", WS_POPUP | WS_BORDER, kAt.x, kAt.y, 0, 0,
                               mfcOwner.m_hWnd, nullptr));
  calendar = wrapped.m_hWnd;
  ASSERT_TRUE(wrapped.SizeMinReq());
  wrapped.ShowWindow(SW_SHOW);
  screen.PumpUntilIdle();
  ClickAt(CellOf({2026, 12, 1}, {2026, 12, 1}));
  EXPECT_EQ(wrapped.picks, (std::vector<CivilDate>{{2026, 12, 1}}));
  EXPECT_EQ(wrapped.m_hWnd, nullptr);
}

}  // namespace
}  // namespace trellis::test
