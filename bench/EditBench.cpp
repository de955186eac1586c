// Edit box speed on a 10,000-character text. Goals: a hit test in 1 us or less, and typing one
// character with the repaint that follows in 8 us or less. "x_goal" is the CPU time per
// iteration divided by the goal (Google Benchmark prints it with an "s"): below 1 meets it.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/GoalCounter.h"
#include "bench/RatioReporter.h"
#include "edit/CElementEdit.h"
#include "host/CElementHostWnd.h"
#include "platform/backend/headless/HeadlessScreen.h"

using trellis::bench::ReportGoal;

namespace {

constexpr int kTextLength = 10000;
constexpr int kEditWidth = 300;
constexpr int kEditHeight = 24;

std::wstring LongText(std::wstring_view phrase) {
  std::wstring text;
  while (text.size() < std::size_t(kTextLength)) text += phrase;
  text.resize(std::size_t(kTextLength));
  return text;
}

// The hit test is protected: the handlers call it.
class BenchEdit : public CElementEdit {
 public:
  using CElementEdit::CalcTextPos;
  using CElementEdit::GetShowText;
};

// A headless desktop with one edit box holding the long text.
class EditDesk {
 public:
  explicit EditDesk(std::wstring_view phrase) {
    window.CreateHost(L"bench", CRect(10, 10, 10 + kEditWidth + 20, 10 + kEditHeight + 20));
    _CONTAINER_INFO info;
    info.SetPosition(10, 10);
    info.SetSize(kEditWidth, kEditHeight);
    info.SetParent(window.Root());
    const std::wstring text = LongText(phrase);
    info.SetText(text.c_str());
    edit.InitObject(L"edit", &info);
    screen.PumpUntilIdle();
  }
  // A click at an element point.
  void Click(int x, int y) {
    const CRect place = edit.GetContainerRect();
    POINT pt{place.left + x, place.top + y};
    ::ClientToScreen(window.m_hWnd, &pt);
    screen.Click(pt.x, pt.y);
    screen.PumpUntilIdle();
  }

  platform::headless::HeadlessScreen screen{800, 600};
  CElementHostWnd window;
  BenchEdit edit;
};

void HitTest(benchmark::State& state, std::wstring_view phrase) {
  EditDesk desk(phrase);
  // The handlers pass the shown text, whose widths are measured once per text.
  const wchar_t* text = desk.edit.GetShowText().c_str();
  desk.edit.CalcTextPos(text, 0);
  int x = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(desk.edit.CalcTextPos(text, x));
    x = (x + 37) % kEditWidth;
  }
  ReportGoal(state, 1e-6);
}

// Each iteration types one character or erases it again, so the text stays 10,000 long; the
// caret sits at the start, where every width after it moves.
void TypeAndRepaint(benchmark::State& state, std::wstring_view phrase, bool atEnd) {
  EditDesk desk(phrase);
  desk.Click(2, kEditHeight / 2);
  if (atEnd) {
    desk.screen.KeyPress(VK_END);
    desk.screen.PumpUntilIdle();
  }
  bool typed = false;
  for (auto _ : state) {
    desk.screen.TypeText(typed ? L"\b" : L"x");
    desk.screen.PumpUntilIdle();
    typed = !typed;
  }
  ReportGoal(state, 8e-6);
}

void BM_HitTestLatin(benchmark::State& state) { HitTest(state, L"The quick brown fox jumps. "); }
BENCHMARK(BM_HitTestLatin);

void BM_HitTestChinese(benchmark::State& state) { HitTest(state, L"文件编辑视图插入格式工具"); }
BENCHMARK(BM_HitTestChinese);

void BM_TypeAndRepaintAtStart(benchmark::State& state) {
  TypeAndRepaint(state, L"The quick brown fox jumps. ", false);
}
BENCHMARK(BM_TypeAndRepaintAtStart);

void BM_TypeAndRepaintAtEnd(benchmark::State& state) {
  TypeAndRepaint(state, L"The quick brown fox jumps. ", true);
}
BENCHMARK(BM_TypeAndRepaintAtEnd);

void BM_TypeAndRepaintChinese(benchmark::State& state) {
  TypeAndRepaint(state, L"文件编辑视图插入格式工具", false);
}
BENCHMARK(BM_TypeAndRepaintChinese);

}  // namespace

int main(int argc, char** argv) {
  constexpr double kTypeGoal = 8e3;
  return trellis::bench::RunAndPrintGoals(
      argc, argv, {},
      {
          {"BM_TypeAndRepaintAtStart", kTypeGoal, "type + repaint, 10k chars, caret at start"},
          {"BM_TypeAndRepaintAtEnd", kTypeGoal, "type + repaint, 10k chars, caret at end"},
          {"BM_TypeAndRepaintChinese", kTypeGoal, "type + repaint, 10k Chinese chars"},
      });
}
