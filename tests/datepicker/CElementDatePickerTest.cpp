// The date picker through the host window: open, pick and close with injected input, each way
// of closing, a parent that ends or changes the picker inside each notice, and destroying the
// picker with its calendar open. Today is fixed at 15 December 2026.
#include <climits>
#include <functional>
#include <string>
#include <utility>

#include "datepicker/CElementDatePicker.h"
#include "datepicker/DateValue.h"
#include "host/CElementHost.h"
#include "host/CGlobalEnv.h"
#include "host/CThemePalette.h"
#include "host/ThemeLookup.h"
#include "platform/controls/MonthCalendarLayout.h"
#include "platform/controls/MonthGrid.h"
#include "tests/support/HostFixture.h"

namespace trellis::test {
namespace {

constexpr DWORD kId = 31;
constexpr int kWidth = 120;
constexpr int kHeight = 24;
constexpr int kToday = 20261215;

class DatePicker : public HostFixture {
 protected:
  DatePicker() {
    screen.FixLocalTime({2026, 12, 2, 15, 9, 30, 0, 0});
    picker = Make();
  }

  CComPtr<CElementDatePicker> Make() {
    CComPtr<CElementDatePicker> made(new CElementDatePicker);
    _CONTAINER_INFO info = Info(200, 40, kWidth, kHeight, kId);
    made->InitObject(L"picker", &info);
    Pump();
    return made;
  }
  void ClickDropButton() { Click(*picker, kWidth - 8, kHeight / 2); }
  static int Selection(HWND calendar) {
    SYSTEMTIME st{};
    ::SendMessageW(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
    return DateFromSystemTime(st);
  }
  // Clicks a day of the month the calendar shows.
  void ClickDay(HWND calendar, int year, int month, int day) {
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(calendar, WM_GETFONT, 0, 0));
    const auto layout = platform::MonthCalendarLayout::For(platform::MeasureMonthCalendar(font));
    const RECT cell = layout.Cell(platform::GridCellOf(year, month, {year, month, day}));
    POINT pt{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    ::ClientToScreen(calendar, &pt);
    screen.Click(pt.x, pt.y);
    Pump();
  }
  bool MouseHeld() const { return window.Host()->Capture() != nullptr; }
  // The ink of the date in the field.
  int TextInk() {
    const COLORREF background = picker->GetColor(COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL);
    return PixelsOtherThan(*picker, {2, 2, kWidth - 20, kHeight - 2}, background);
  }

  CComPtr<CElementDatePicker> picker;
};

// A click on the field itself holds and says nothing; the drop button opens the calendar on the
// date, under the field with right edges aligned (its colours are the page picture's). Every way
// of closing leaves no window and nothing holding the mouse; the drop button then opens the
// calendar again on the date, unless the picker is disabled.
TEST_F(DatePicker, OpensUnderTheFieldAndEachWayOfClosingClosesIt) {
  Press(*picker, 30, 12);
  EXPECT_FALSE(MouseHeld());
  Release(*picker, 30, 12);
  EXPECT_EQ(picker->GetDate(), kToday);
  CElementHostWnd other;
  other.CreateHost(L"other", CRect(500, 400, 700, 550));
  const struct {
    const char* how;
    std::function<void()> act;
    UINT code;
    int date;
  } kWays[] = {
      {"a click on a day", [&] { ClickDay(OpenCalendar(), 2026, 12, 3); }, DTN_DATETIMECHANGE,
       20261203},
      {"Enter on the next day", [&] { Key(VK_RIGHT), Key(VK_RETURN); }, DTN_DATETIMECHANGE,
       20261216},
      {"Enter on the date shown", [&] { Key(VK_RETURN); }, DTN_DATETIMECHANGE, kToday},
      {"Enter a month on", [&] { Key(VK_NEXT), Key(VK_RETURN); }, DTN_DATETIMECHANGE, 20270115},
      {"Escape", [&] { Key(VK_ESCAPE); }, DTN_CLOSEUP, kToday},
      {"a click elsewhere in the window", [&] { Click(parent, 20, 250); }, DTN_CLOSEUP, kToday},
      {"a click on another window", [&] { screen.Click(600, 480), Pump(); }, DTN_CLOSEUP, kToday},
      {"the focus moved by the program", [&] { ::SetFocus(window.m_hWnd), Pump(); }, DTN_CLOSEUP,
       kToday},
      {"disabling the picker", [&] { picker->Enable(0), Pump(); }, DTN_CLOSEUP, kToday},
  };
  for (const auto& way : kWays) {
    SCOPED_TRACE(way.how);
    ClickDropButton();
    const HWND calendar = OpenCalendar();
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(Selection(calendar), kToday);
    RECT at{};
    ::GetWindowRect(calendar, &at);
    const POINT field = ScreenPoint(*picker, 0, 0);
    EXPECT_EQ(CPoint(at.right, at.top), CPoint(field.x + kWidth, field.y + kHeight));
    way.act();
    EXPECT_EQ(parent.NotifyCodes(), (std::vector<UINT>{DTN_DROPDOWN, way.code}));
    EXPECT_EQ(parent.notices.back().wParam, WPARAM(way.code == DTN_CLOSEUP ? 0 : way.date));
    EXPECT_EQ(picker->GetDate(), way.date);
    EXPECT_FALSE(::IsWindow(calendar));
    EXPECT_FALSE(MouseHeld());
    ClickDropButton();
    ASSERT_EQ(OpenCalendar() != nullptr, picker->IsEnable() != 0);
    EXPECT_EQ(OpenCalendar() ? Selection(OpenCalendar()) : way.date, way.date);
    Key(VK_ESCAPE);
    picker->Enable(1);
    ASSERT_EQ(picker->SetDate(kToday), 1);
    parent.notices.clear();
  }
}

// The parent acts on the picker inside each of its notices, or the program acts with the
// calendar open; the picker copes with being destroyed (closing its calendar silently),
// released, disabled or changed, or with its host window ending, and leaves no window behind.
TEST_F(DatePicker, AParentMayEndOrChangeThePickerInEveryNotice) {
  // What the user does after opening, and so the notice the parent acts in; or no notice.
  enum Then { Nothing, Pick, Escape, DisableIt, Outside };
  enum Act { Destroy, ReleaseThenDestroy, ReleaseOnly, EndWindow, Disable, NewDate };
  const std::pair<Then, Act> kCases[] = {
      {Nothing, Destroy},   {Nothing, ReleaseThenDestroy}, {Nothing, ReleaseOnly},
      {Nothing, EndWindow}, {Nothing, Disable},            {Nothing, NewDate},
      {Pick, Destroy},      {Pick, ReleaseThenDestroy},    {Pick, EndWindow},
      {Pick, NewDate},      {Escape, Destroy},             {Escape, ReleaseThenDestroy},
      {Escape, EndWindow},  {Escape, NewDate},             {DisableIt, Destroy},
      {Outside, Destroy},   {Outside, ReleaseThenDestroy},
  };
  const UINT kNoticeOf[] = {DTN_DROPDOWN, DTN_DATETIMECHANGE, DTN_CLOSEUP, DTN_CLOSEUP, 0};
  for (const auto& [then, act] : kCases) {
    SCOPED_TRACE(testing::Message() << "then " << then << ", act " << act);
    if (!::IsWindow(window.m_hWnd)) OpenWindow();
    if (!picker) picker = Make();
    parent.notices.clear();
    bool acted = false;
    const auto carryOut = [&] {
      if (std::exchange(acted, true)) return;
      switch (act) {
        case Destroy: picker.Release(); break;
        case ReleaseThenDestroy:
          EXPECT_EQ(picker->ReleaseObject(), 1);
          EXPECT_EQ(picker->GetParent(), nullptr);
          picker.Release();
          break;
        case ReleaseOnly: picker->ReleaseObject(); break;
        case EndWindow: window.DestroyWindow(); break;
        case Disable: picker->Enable(0); break;
        case NewDate: picker->SetDate(20270101); break;
      }
    };
    parent.react = [&](Notice n) {
      if (n.code == kNoticeOf[then]) carryOut();
    };
    ClickDropButton();
    const HWND opened = OpenCalendar();
    if (then == Pick) Key(VK_RETURN);
    if (then == Escape) Key(VK_ESCAPE);
    if (then == DisableIt) picker->Enable(0);
    if (then == Outside) carryOut(), Pump();
    parent.react = nullptr;
    EXPECT_TRUE(acted);
    const HWND calendar = OpenCalendar();
    // Only a new date set while the calendar opens leaves it open.
    EXPECT_EQ(calendar != nullptr, then == Nothing && act == NewDate);
    if (then == Outside) {
      EXPECT_FALSE(::IsWindow(opened));
      EXPECT_EQ(parent.NotifyCodes(), (std::vector<UINT>{DTN_DROPDOWN}));
    }
    if (act == NewDate) {
      EXPECT_EQ(calendar ? Selection(calendar) : picker->GetDate(), 20270101);
    }
    if (act == EndWindow) {
      ExpectWindowEnded();
      picker.Release();
      continue;
    }
    // Input where the picker was reaches nothing of it any more.
    const std::size_t heard = parent.notices.size();
    Key(VK_ESCAPE);
    if (act == Disable) picker->Enable(1);
    if (act != Destroy && act != ReleaseThenDestroy && act != ReleaseOnly) continue;
    Click(parent, 200 + kWidth - 8, 40 + kHeight / 2);  // the drop button's place
    EXPECT_EQ(parent.notices.size(), heard);
    EXPECT_FALSE(MouseHeld());
    picker.Release();
  }
}

// Every value that is not a date between the years 100 and 9999 is refused, changing neither
// the date, nor the open calendar, nor the field; a valid one moves both, silently.
TEST_F(DatePicker, SetDateRefusesWhatIsNotADateAndMovesAnOpenCalendar) {
  EXPECT_EQ(picker->SetDate(20240229), 1);
  ClickDropButton();
  ASSERT_NE(OpenCalendar(), nullptr);
  const int ink = TextInk();
  for (const int bad : {-1, 0, INT_MIN, INT_MAX, 20230229, 991231, 100000101, 20261301, 20261232,
                        20260100, -20240229}) {
    EXPECT_EQ(picker->SetDate(bad), 0) << bad;
    EXPECT_EQ(picker->GetDate(), 20240229);
    EXPECT_EQ(Selection(OpenCalendar()), 20240229);
  }
  EXPECT_EQ(TextInk(), ink);
  for (const int good : {1000101, 99991231, 20250301}) {
    EXPECT_EQ(picker->SetDate(good), 1);
    EXPECT_EQ(Selection(OpenCalendar()), good);
  }
  EXPECT_EQ(parent.NotifyCodes(), std::vector<UINT>{DTN_DROPDOWN});
}

// The calendar's owner hears its picks and reflects them back: the host's main window when it
// is one of ours, else (as with none set) the picker's own host window.
TEST_F(DatePicker, TheCalendarsOwnerAlwaysHearsThePick) {
  CElementHostWnd main, gone;
  main.CreateHost(L"main", CRect(450, 350, 650, 450));
  gone.CreateHost(L"gone", CRect(450, 450, 550, 500));
  const HWND goneHandle = gone.m_hWnd;
  gone.DestroyWindow();
  for (const auto& [mainWindow, owner] : {std::pair{goneHandle, window.m_hWnd},
                                          std::pair{main.m_hWnd, main.m_hWnd}}) {
    CGlobalEnv::GetGlobalEnv()->SetMainWindow(mainWindow);
    parent.notices.clear();
    ClickDropButton();
    ASSERT_NE(OpenCalendar(), nullptr);
    EXPECT_EQ(::GetParent(OpenCalendar()), owner);
    Key(VK_RETURN);
    EXPECT_EQ(parent.NotifyCodes(), (std::vector<UINT>{DTN_DROPDOWN, DTN_DATETIMECHANGE}));
  }
  CGlobalEnv::GetGlobalEnv()->SetMainWindow(nullptr);
}

// The field and its text take the theme's own keys; a theme written to the published keys alone
// gets the fixed dark field with black text.
TEST_F(DatePicker, TheFieldTakesTheThemesColoursOrElseTheFixedOnes) {
  const auto field = [](const CElementDatePicker& p) {
    return std::pair(p.GetColor(COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL),
                     p.GetColor(COLOR_PART_TEXT, COLOR_STATE_NORMAL));
  };
  EXPECT_EQ(field(*picker), std::pair(ThemeColor(L"Datepicker.field.normal"),
                                      ThemeColor(L"Datepicker.fieldtext.normal")));
  CComPtr<CThemePalette> published(new CThemePalette);
  ASSERT_FALSE(published->LoadText("Datepicker.frame.normal = #8A8A8A\n", {}));
  CGlobalEnv::GetGlobalEnv()->SetPalette(published);
  EXPECT_EQ(field(CElementDatePicker()), std::pair(RGB(0x42, 0x42, 0x42), RGB(0, 0, 0)));
}

// Made at its final size it is laid out at once; a copy shares its button and date.
TEST_F(DatePicker, MadeAtItsFinalSizeItIsLaidOutAtOnce) {
  CElementDatePicker fresh;
  EXPECT_EQ(fresh.InitObject(L"fresh", nullptr), 0);
  _CONTAINER_INFO info = Info(10, 100, kWidth, kHeight, 7);
  ASSERT_EQ(fresh.InitObject(L"fresh", &info), 1);
  const CElementButtonSys* button = fresh.GetDropButton();
  EXPECT_EQ(button->GetRectInParent(), CRect(kWidth - 18, 2, kWidth - 2, kHeight - 2));
  EXPECT_EQ(button->GetParent(), &fresh);
  CElementDatePicker copy(fresh);
  EXPECT_EQ(copy.GetDropButton(), button);
  EXPECT_EQ(copy.GetDate(), kToday);
}

// A clock that cannot be broken down leaves a new picker without a date: it shows none, and its
// calendar opens on the calendar's own today.
TEST_F(DatePicker, WithoutADateItShowsNoneAndOpensOnTheCalendarsToday) {
  screen.FixLocalTime({1969, 6, 0, 1, 12, 0, 0, 0});
  picker->ReleaseObject();
  picker = Make();
  EXPECT_EQ(picker->GetDate(), 0);
  EXPECT_EQ(TextInk(), 0);
  ClickDropButton();
  ASSERT_NE(OpenCalendar(), nullptr);
  EXPECT_EQ(Selection(OpenCalendar()), 19690601);
}

}  // namespace
}  // namespace trellis::test
