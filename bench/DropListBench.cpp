// The drop list as the user drives it, through the host window and the real pop-up: opening
// (the list filled, laid out and first painted; every opening refills it), then in the open
// list a wheel notch, an arrow key and a step of the thumb drag, each with its repaint.
// Goals: opening 10,000 items in 2 ms, 100,000 in 20 ms; a notch, a key or a drag step in
// 100 us at any size. "x_goal" is the time per iteration over the goal: at most 1 meets it.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/GoalCounter.h"
#include "bench/RatioReporter.h"
#include "droplist/CDropWnd.h"
#include "droplist/CElementDropList.h"
#include "host/CElementHostWnd.h"
#include "platform/backend/headless/HeadlessScreen.h"

using trellis::bench::ReportGoal;

namespace {

constexpr int kWidth = 200;

struct DropDesk {
  explicit DropDesk(int items) {
    window.CreateHost(L"bench", CRect(20, 20, 420, 120));
    _CONTAINER_INFO info;
    info.SetPosition(10, 10);
    info.SetSize(kWidth, 18);
    info.SetParent(window.Root());
    drop.InitObject(L"drop", &info);
    for (int i = 0; i < items; ++i) drop.AddString((L"Item number " + std::to_wstring(i)).c_str());
    drop.SetCurSel(items / 2);
    screen.PumpUntilIdle();
  }
  ~DropDesk() { window.DestroyWindow(); }

  POINT Arrow() const {
    const CRect place = drop.GetContainerRect();
    POINT pt{place.left + kWidth - 6, place.top + 9};
    ::ClientToScreen(window.m_hWnd, &pt);
    return pt;
  }
  void Open() {
    const POINT arrow = Arrow();
    screen.Click(arrow.x, arrow.y);
    screen.PumpUntilIdle();
  }
  void Close() {
    screen.KeyPress(VK_ESCAPE);
    screen.PumpUntilIdle();
  }
  // Rests the pointer on the open list, as a wheel turn needs.
  void PointAtList() {
    CRect list;
    drop.GetDropWnd()->GetList()->GetWindowRect(&list);
    screen.MouseMove(list.CenterPoint().x, list.CenterPoint().y);
    screen.PumpUntilIdle();
  }

  platform::headless::HeadlessScreen screen{800, 600};
  CElementHostWnd window;
  CElementDropList drop;
};

void BM_OpenDropList(benchmark::State& state) {
  DropDesk desk(int(state.range(0)));
  for (auto _ : state) {
    desk.Open();
    state.PauseTiming();
    if (!desk.drop.IsDropped()) state.SkipWithError("the pop-up did not open");
    desk.Close();
    state.ResumeTiming();
  }
  ReportGoal(state, state.range(0) >= 100000 ? 4e-3 : 2e-3);
}
BENCHMARK(BM_OpenDropList)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_WheelNotchOpen(benchmark::State& state) {
  DropDesk desk(int(state.range(0)));
  desk.Open();
  desk.PointAtList();
  int notch = -WHEEL_DELTA;
  for (auto _ : state) {
    desk.screen.MouseWheel(notch);
    desk.screen.PumpUntilIdle();
    notch = -notch;
  }
  ReportGoal(state, 100e-6);
}
BENCHMARK(BM_WheelNotchOpen)->Arg(100)->Arg(100000);

void BM_ArrowKeyOpen(benchmark::State& state) {
  DropDesk desk(int(state.range(0)));
  desk.Open();
  bool down = true;
  for (auto _ : state) {
    desk.screen.KeyPress(down ? VK_DOWN : VK_UP);
    desk.screen.PumpUntilIdle();
    down = !down;
  }
  ReportGoal(state, 100e-6);
}
BENCHMARK(BM_ArrowKeyOpen)->Arg(100)->Arg(100000);

// The thumb held and moved a pixel at a time, down and back.
void BM_ThumbDragStep(benchmark::State& state) {
  DropDesk desk(int(state.range(0)));
  desk.Open();
  CSkinScroll& bar = desk.drop.GetDropWnd()->GetScrollBar();
  CPoint thumb = bar.GetThumbRect().CenterPoint();
  bar.ClientToScreen(&thumb);
  desk.screen.MouseDown(thumb.x, thumb.y);
  desk.screen.PumpUntilIdle();
  int step = 0;
  for (auto _ : state) {
    desk.screen.MouseMove(thumb.x, thumb.y + (step < 40 ? step : 80 - step));
    desk.screen.PumpUntilIdle();
    step = (step + 1) % 80;
  }
  desk.screen.MouseUp(thumb.x, thumb.y);
  ReportGoal(state, 100e-6);
}
BENCHMARK(BM_ThumbDragStep)->Arg(100)->Arg(100000);

}  // namespace

int main(int argc, char** argv) {
  return trellis::bench::RunAndPrintGoals(
      argc, argv, {}, {{"BM_OpenDropList/100000", 4e6, "open drop list 100k"}});
}
