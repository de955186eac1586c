// The date picker through the host window: open, pick and close with injected input, each way
// of closing, a parent that ends or changes the picker inside each notice, and destroying the
// picker with its calendar open. Today is fixed at 15 December 2026.
#include <climits>
#include <functional>
#include <string>

#include "datepicker/CElementDatePicker.h"
#include "datepicker/DateValue.h"
#include "host/CElementHost.h"
#include "host/CGlobalEnv.h"
#include "platform/controls/MonthCalendarLayout.h"
#include "platform/controls/MonthGrid.h"
#include "tests/support/HostFixture.h"

namespace trellis::test {
namespace {

constexpr DWORD kId = 31;
constexpr int kWidth = 120;
constexpr int kHeight = 24;
constexpr int kToday = 20261215;

// The picker's parent: records the picker's notices and may act on each as it arrives.
class ActingParent : public CElementControl {
 public:
  std::vector<UINT> codes;
  std::vector<WPARAM> params;
  std::function<void(UINT code)> onNotice;

 protected:
  int OnControlMessage(DWORD, UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg != WM_NOTIFY) return 0;
    const UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
    codes.push_back(code);
    params.push_back(wParam);
    if (onNotice) onNotice(code);
    return 1;
  }
};

class DatePicker : public HostFixture {
 protected:
  DatePicker() {
    screen.FixLocalTime({2026, 12, 2, 15, 9, 30, 0, 0});
    _CONTAINER_INFO hostInfo = Info(0, 0, kWindowWidth, kWindowHeight);
    host.InitObject(L"host", &hostInfo);
    picker = Make(200, 40, kWidth);
    Pump();
  }

  CComPtr<CElementDatePicker> Make(int x, int y, int width) {
    CComPtr<CElementDatePicker> made(new CElementDatePicker);
    _CONTAINER_INFO info = Info(x, y, width, kHeight, kId);
    info.SetParent(&host);
    made->InitObject(L"picker", &info);
    return made;
  }
  void ClickDropButton() { Click(*picker, kWidth - 8, kHeight / 2); }
  // The open calendar: the visible pop-up of the month calendar's class that has the focus.
  static HWND Calendar() {
    const HWND focus = ::GetFocus();
    wchar_t name[32]{};
    ::GetClassNameW(focus, name, 32);
    return std::wstring(name) == MONTHCAL_CLASSW && ::IsWindowVisible(focus) ? focus : nullptr;
  }
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
  // How many pixels of a rectangle of the picker differ from a colour, once all is painted.
  int PixelsOtherThan(const CRect& r, COLORREF color) {
    Pump();
    const platform::Surface& shown = screen.Composed();
    const POINT corner = ScreenPoint(*picker, 0, 0);
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        n += platform::ColorFromPixel(shown.Row(corner.y + y)[corner.x + x]) != color;
    return n;
  }

  ActingParent host;
  CComPtr<CElementDatePicker> picker;
};

TEST_F(DatePicker, OpensUnderTheFieldOnTheDateAndAPickClosesIt) {
  EXPECT_EQ(picker->GetDate(), kToday);
  ClickDropButton();
  const HWND calendar = Calendar();
  ASSERT_NE(calendar, nullptr);
  EXPECT_EQ(host.codes, (std::vector<UINT>{DTN_DROPDOWN}));
  EXPECT_EQ(Selection(calendar), kToday);
  RECT at{};
  ::GetWindowRect(calendar, &at);
  const POINT field = ScreenPoint(*picker, 0, 0);
  EXPECT_EQ(at.top, field.y + kHeight);
  EXPECT_EQ(at.right, field.x + kWidth);
  // The calendar takes the field's colours, its title bar in reverse.
  const COLORREF background = picker->GetColor(COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL);
  const COLORREF text = picker->GetColor(COLOR_PART_TEXT, COLOR_STATE_NORMAL);
  const COLORREF shade = picker->GetColor(COLOR_PART_SHADE, COLOR_STATE_NORMAL);
  const COLORREF expected[] = {background, text, text, background, background, shade};
  for (int index = MCSC_BACKGROUND; index <= MCSC_TRAILINGTEXT; ++index)
    EXPECT_EQ(COLORREF(::SendMessageW(calendar, MCM_GETCOLOR, WPARAM(index), 0)), expected[index]);

  // What a pick says and leaves is checked with the other ways of closing; the next opening
  // shows the new date.
  ClickDay(calendar, 2026, 12, 24);
  ClickDropButton();
  ASSERT_NE(Calendar(), nullptr);
  EXPECT_EQ(Selection(Calendar()), 20261224);
}

// Every way of closing leaves no window, nothing holding the mouse and a drop button that
// opens the calendar again.
TEST_F(DatePicker, EachWayOfClosing) {
  CElementHostWnd other;
  other.CreateHost(L"other", CRect(500, 400, 700, 550));
  const struct {
    const char* how;
    std::function<void()> act;
    UINT code;
    int date;
  } kWays[] = {
      {"a click on a day", [&] { ClickDay(Calendar(), 2026, 12, 3); }, DTN_DATETIMECHANGE,
       20261203},
      {"Enter on the next day", [&] { Key(VK_RIGHT), Key(VK_RETURN); }, DTN_DATETIMECHANGE,
       20261216},
      {"Enter on the date shown", [&] { Key(VK_RETURN); }, DTN_DATETIMECHANGE, kToday},
      {"Enter a month on", [&] { Key(VK_NEXT), Key(VK_RETURN); }, DTN_DATETIMECHANGE, 20270115},
      {"Escape", [&] { Key(VK_ESCAPE); }, DTN_CLOSEUP, kToday},
      {"a click elsewhere in the window", [&] { Click(host, 20, 250); }, DTN_CLOSEUP, kToday},
      {"a click on another window", [&] { screen.Click(600, 480), Pump(); }, DTN_CLOSEUP, kToday},
      {"the focus moved by the program", [&] { ::SetFocus(window.m_hWnd), Pump(); }, DTN_CLOSEUP,
       kToday},
  };
  for (const auto& way : kWays) {
    SCOPED_TRACE(way.how);
    ASSERT_EQ(picker->SetDate(kToday), 1);
    host.codes.clear();
    host.params.clear();
    ClickDropButton();
    const HWND calendar = Calendar();
    ASSERT_NE(calendar, nullptr);
    way.act();
    EXPECT_EQ(host.codes, (std::vector<UINT>{DTN_DROPDOWN, way.code}));
    EXPECT_EQ(host.params.back(), WPARAM(way.code == DTN_CLOSEUP ? 0 : way.date));
    EXPECT_EQ(picker->GetDate(), way.date);
    EXPECT_FALSE(::IsWindow(calendar));
    EXPECT_FALSE(MouseHeld());
    ClickDropButton();
    EXPECT_NE(Calendar(), nullptr);
    Key(VK_ESCAPE);
  }
}

// The parent acts on the picker inside each of its notices; the picker copes with being
// destroyed, released, disabled or changed there, or with its host window ending, and leaves no
// window behind.
TEST_F(DatePicker, AParentMayEndOrChangeThePickerInEveryNotice) {
  // What the user does after opening, and so the notice the parent acts in.
  enum Then { Nothing, Pick, Escape, DisableIt };
  enum Act { Destroy, ReleaseThenDestroy, ReleaseOnly, EndWindow, Disable, NewDate };
  const struct {
    Then then;
    Act act;
    bool open;  // a calendar is open afterwards
  } kCases[] = {
      {Nothing, Destroy, false},   {Nothing, ReleaseThenDestroy, false},
      {Nothing, ReleaseOnly, false}, {Nothing, EndWindow, false},
      {Nothing, Disable, false},   {Nothing, NewDate, true},
      {Pick, Destroy, false},      {Pick, ReleaseThenDestroy, false},
      {Pick, EndWindow, false},    {Pick, NewDate, false},
      {Escape, Destroy, false},    {Escape, ReleaseThenDestroy, false},
      {Escape, EndWindow, false},  {Escape, NewDate, false},
      {DisableIt, Destroy, false},
  };
  const UINT kNoticeOf[] = {DTN_DROPDOWN, DTN_DATETIMECHANGE, DTN_CLOSEUP, DTN_CLOSEUP};
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << "then " << c.then << ", act " << c.act);
    if (!::IsWindow(window.m_hWnd)) {
      window.CreateHost(L"again", CRect(kWindowX, kWindowY, kWindowX + kWindowWidth,
                                        kWindowY + kWindowHeight));
      _CONTAINER_INFO info = Info(0, 0, kWindowWidth, kWindowHeight);
      info.SetParent(window.Root());
      host.InitObject(L"host", &info);
    }
    if (!picker) picker = Make(200, 40, kWidth);
    Pump();
    bool acted = false;
    host.onNotice = [&](UINT code) {
      if (code != kNoticeOf[c.then] || std::exchange(acted, true)) return;
      switch (c.act) {
        case Destroy: picker.Release(); break;
        case ReleaseThenDestroy: picker->ReleaseObject(), picker.Release(); break;
        case ReleaseOnly: picker->ReleaseObject(); break;
        case EndWindow: window.DestroyWindow(); break;
        case Disable: picker->Enable(0); break;
        case NewDate: picker->SetDate(20270101); break;
      }
    };
    ClickDropButton();
    if (c.then == Pick) Key(VK_RETURN);
    if (c.then == Escape) Key(VK_ESCAPE);
    if (c.then == DisableIt) picker->Enable(0);
    host.onNotice = nullptr;
    EXPECT_TRUE(acted);
    const HWND calendar = Calendar();
    EXPECT_EQ(calendar != nullptr, c.open);
    if (c.act == NewDate) {
      EXPECT_EQ(calendar ? Selection(calendar) : picker->GetDate(), 20270101);
    }
    if (c.act == EndWindow) {
      EXPECT_FALSE(::IsWindow(window.m_hWnd));
      picker.Release();
      continue;
    }
    // Input where the picker was reaches nothing of it any more.
    const std::size_t heard = host.codes.size();
    Key(VK_ESCAPE);
    if (c.act == Disable) picker->Enable(1);
    if (c.act != Destroy && c.act != ReleaseThenDestroy && c.act != ReleaseOnly) continue;
    const POINT button = ScreenPoint(host, 200 + kWidth - 8, 40 + kHeight / 2);
    screen.Click(button.x, button.y);
    Pump();
    EXPECT_EQ(host.codes.size(), heard);
    EXPECT_FALSE(MouseHeld());
    picker.Release();
  }
}

TEST_F(DatePicker, DestroyingThePickerClosesItsCalendarOnceAndSilently) {
  for (const bool releaseFirst : {true, false}) {
    SCOPED_TRACE(releaseFirst ? "ReleaseObject" : "destructor");
    if (!picker) picker = Make(200, 40, kWidth);
    Pump();
    host.codes.clear();
    ClickDropButton();
    const HWND calendar = Calendar();
    ASSERT_NE(calendar, nullptr);
    if (releaseFirst) {
      EXPECT_EQ(picker->ReleaseObject(), 1);
      EXPECT_EQ(picker->GetParent(), nullptr);
      EXPECT_FALSE(::IsWindow(calendar));
      ClickDropButton();  // at a picker out of the window: nothing
    }
    picker.Release();
    Pump();
    EXPECT_FALSE(::IsWindow(calendar));
    EXPECT_EQ(host.codes, (std::vector<UINT>{DTN_DROPDOWN}));
  }
}

TEST_F(DatePicker, AClickOnTheFieldChangesAndHoldsNothing) {
  Press(*picker, 30, 12);
  EXPECT_FALSE(MouseHeld());
  Release(*picker, 30, 12);
  Click(*picker, 30, 12);
  EXPECT_TRUE(host.codes.empty());
  EXPECT_EQ(picker->GetDate(), kToday);
  // The drop button and the rest of the window still take clicks.
  ClickDropButton();
  EXPECT_EQ(host.codes, (std::vector<UINT>{DTN_DROPDOWN}));
}

TEST_F(DatePicker, ADisabledPickerOpensNothingAndDisablingClosesTheCalendar) {
  picker->Enable(0);
  EXPECT_FALSE(picker->GetDropButton()->IsEnable());
  ClickDropButton();
  EXPECT_EQ(Calendar(), nullptr);
  EXPECT_TRUE(host.codes.empty());
  picker->Enable(1);
  EXPECT_TRUE(picker->GetDropButton()->IsEnable());
  ClickDropButton();
  const HWND calendar = Calendar();
  ASSERT_NE(calendar, nullptr);
  // Disabled while open: the disabled window loses the focus, which closes it.
  picker->Enable(0);
  Pump();
  EXPECT_FALSE(::IsWindow(calendar));
  EXPECT_EQ(host.codes, (std::vector<UINT>{DTN_DROPDOWN, DTN_CLOSEUP}));
}

// Every value that is not a date between the years 100 and 9999 is refused, changing neither
// the date, nor the open calendar, nor the field; a valid one moves both, silently.
TEST_F(DatePicker, SetDateRefusesWhatIsNotADateAndMovesAnOpenCalendar) {
  EXPECT_EQ(picker->SetDate(20240229), 1);
  ClickDropButton();
  ASSERT_NE(Calendar(), nullptr);
  const CRect text(2, 2, kWidth - 20, kHeight - 2);
  const COLORREF background = picker->GetColor(COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL);
  const int ink = PixelsOtherThan(text, background);
  for (const int bad : {-1, 0, INT_MIN, INT_MAX, 20230229, 991231, 100000101, 20261301, 20261232,
                        20260100, -20240229}) {
    EXPECT_EQ(picker->SetDate(bad), 0) << bad;
    EXPECT_EQ(picker->GetDate(), 20240229);
    EXPECT_EQ(Selection(Calendar()), 20240229);
  }
  EXPECT_EQ(PixelsOtherThan(text, background), ink);
  for (const int good : {1000101, 99991231, 20250301}) {
    EXPECT_EQ(picker->SetDate(good), 1);
    EXPECT_EQ(Selection(Calendar()), good);
  }
  EXPECT_EQ(host.codes, std::vector<UINT>{DTN_DROPDOWN});
}

// The calendar's owner hears its picks and reflects them back: the host's main window when it
// is one of ours, else the picker's own host window.
TEST_F(DatePicker, TheCalendarsOwnerAlwaysHearsThePick) {
  CElementHostWnd main;
  main.CreateHost(L"main", CRect(450, 350, 650, 450));
  CElementHostWnd gone;
  gone.CreateHost(L"gone", CRect(450, 450, 550, 500));
  const HWND goneHandle = gone.m_hWnd;
  gone.DestroyWindow();
  const struct {
    HWND mainWindow;
    HWND owner;
  } kOwners[] = {{nullptr, window.m_hWnd}, {goneHandle, window.m_hWnd}, {main.m_hWnd, main.m_hWnd}};
  for (const auto& o : kOwners) {
    CGlobalEnv::GetGlobalEnv()->SetMainWindow(o.mainWindow);
    host.codes.clear();
    ClickDropButton();
    ASSERT_NE(Calendar(), nullptr);
    EXPECT_EQ(::GetParent(Calendar()), o.owner);
    Key(VK_RIGHT);
    Key(VK_RETURN);
    EXPECT_EQ(host.codes, (std::vector<UINT>{DTN_DROPDOWN, DTN_DATETIMECHANGE}));
  }
  CGlobalEnv::GetGlobalEnv()->SetMainWindow(nullptr);
}

TEST_F(DatePicker, MadeAtItsFinalSizeItIsLaidOutAtOnce) {
  CElementDatePicker fresh;
  EXPECT_EQ(fresh.InitObject(L"fresh", nullptr), 0);
  _CONTAINER_INFO info = Info(10, 100, kWidth, kHeight, 7);
  info.SetParent(&host);
  ASSERT_EQ(fresh.InitObject(L"fresh", &info), 1);
  const CElementButtonSys* button = fresh.GetDropButton();
  EXPECT_EQ(button->GetRectInParent(), CRect(kWidth - 18, 2, kWidth - 2, kHeight - 2));
  EXPECT_EQ(button->GetParent(), &fresh);
  EXPECT_EQ(std::wstring(const_cast<CElementButtonSys*>(button)->GetName()), L"fresh_dropbutton");
  EXPECT_EQ(std::wstring(button->GetTextString().GetString()), L"\u25BC");
  // A copy shows the same date with the same button and opens a calendar of its own.
  CElementDatePicker copy(fresh);
  EXPECT_EQ(copy.GetDropButton(), button);
  EXPECT_EQ(copy.GetDate(), kToday);
}

// A clock that cannot be broken down leaves a new picker without a date: it shows none, and its
// calendar opens on the calendar's own today.
TEST_F(DatePicker, WithoutADateItShowsNoneAndOpensOnTheCalendarsToday) {
  screen.FixLocalTime({1969, 6, 0, 1, 12, 0, 0, 0});
  picker->ReleaseObject();
  picker = Make(200, 40, kWidth);
  EXPECT_EQ(picker->GetDate(), 0);
  const COLORREF background = picker->GetColor(COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL);
  EXPECT_EQ(PixelsOtherThan({2, 2, kWidth - 20, kHeight - 2}, background), 0);
  ClickDropButton();
  ASSERT_NE(Calendar(), nullptr);
  EXPECT_EQ(Selection(Calendar()), 19690601);
}

}  // namespace
}  // namespace trellis::test
