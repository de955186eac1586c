// The date picker's speed. Goals: opening its calendar (making the pop-up, giving it the theme's
// font, sizing, placing and colouring it, showing it on the date and painting it the first
// time) in 1 ms or less, and the picker's own paint in 20 us or less.
//
// Both are measured through the host window, so each figure is an upper bound: an opening also
// closes the calendar again, and a paint includes the window's WM_PAINT and the copy to the
// screen. "x_goal" is the CPU time per iteration divided by the goal: below 1 meets it.
#include <benchmark/benchmark.h>

#include "bench/GoalCounter.h"
#include "bench/RatioReporter.h"
#include "datepicker/CElementDatePicker.h"
#include "host/CElementHostWnd.h"
#include "platform/backend/headless/HeadlessScreen.h"

namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 24;

// The drop button's click reaches the picker as its OnControlMessage.
class BenchPicker : public CElementDatePicker {
 public:
  void ClickDropButton() {
    NMHDR click{nullptr, GetDropButton()->GetID(), BN_CLICKED};
    OnControlMessage(GetDropButton()->GetID(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
  }
};

// A headless desktop with one picker; today is fixed.
class PickerDesk {
 public:
  PickerDesk() {
    screen.FixLocalTime({2026, 12, 2, 15, 8, 0, 0, 0});
    window.CreateHost(L"bench", CRect(100, 100, 500, 400));
    picker = new BenchPicker;
    _CONTAINER_INFO info;
    info.SetPosition(200, 150);
    info.SetSize(kWidth, kHeight);
    info.SetParent(window.Root());
    picker->InitObject(L"picker", &info);
    screen.PumpUntilIdle();
  }
  ~PickerDesk() { picker->ReleaseObject(); }

  platform::headless::HeadlessScreen screen{1280, 800};
  CElementHostWnd window;
  CComPtr<BenchPicker> picker;
};

void BM_OpenCalendar(benchmark::State& state) {
  PickerDesk desk;
  for (auto _ : state) {
    desk.picker->ClickDropButton();
    desk.screen.PumpUntilIdle();
    // The calendar has the focus, and its title bar (the text colour, in reverse) shows that
    // the first paint happened.
    const HWND calendar = ::GetFocus();
    const HDC dc = ::GetDC(calendar);
    const COLORREF title = ::GetPixel(dc, 2, 2);
    ::ReleaseDC(calendar, dc);
    if (calendar == desk.window.m_hWnd || title != RGB(0, 0, 0)) {
      state.SkipWithError("the calendar did not open and paint");
      break;
    }
    ::SetFocus(desk.window.m_hWnd);  // closes it
    desk.screen.PumpUntilIdle();
  }
  trellis::bench::ReportGoal(state, 1e-3);
}
BENCHMARK(BM_OpenCalendar);

void BM_PaintPicker(benchmark::State& state) {
  PickerDesk desk;
  // The field without its drop button, which paints itself.
  const CRect field(0, 0, kWidth - 20, kHeight);
  for (auto _ : state) {
    desk.picker->InvalidContainerRect(0, &field);
    desk.screen.PumpUntilIdle();
  }
  trellis::bench::ReportGoal(state, 20e-6);
}
BENCHMARK(BM_PaintPicker);

}  // namespace

int main(int argc, char** argv) {
  return trellis::bench::RunAndPrintGoals(argc, argv, {},
                                          {{"BM_OpenCalendar", 1e6, "open the calendar"},
                                           {"BM_PaintPicker", 20e3, "paint the picker"}});
}
