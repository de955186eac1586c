// Text speed: DrawText of one 40-character Latin line at 12 px should take 1.5 us or less. The
// neighbours (measuring only, TextOut, a Chinese line, wrapped text) show where the time goes.
// "x_goal" is the CPU time per iteration divided by the goal (Google Benchmark prints it with
// an "s"): below 1 meets it.
#include <benchmark/benchmark.h>

#include <cwchar>

#include "bench/GoalCounter.h"
#include "bench/RatioReporter.h"
#include "platform/win32/WinUser.h"

namespace {

constexpr double kGoalSeconds = 1.5e-6;
constexpr const wchar_t* kLatinLine = L"The quick brown fox jumps over a lazy do";    // 40
// Twenty characters.
constexpr const wchar_t* kChineseLine = L"文件编辑视图插入格式工具窗口帮助设置选项";
constexpr const wchar_t* kParagraph =
    L"Owner-drawn controls paint every pixel themselves, so the text engine decides how "
    L"wide a word is, where a line breaks and which pixels turn dark.";

class TextCanvas {
 public:
  TextCanvas() {
    m_dc = CreateCompatibleDC(nullptr);
    m_bitmap = CreateCompatibleBitmap(m_dc, 400, 100);
    m_oldBitmap = SelectObject(m_dc, m_bitmap);
    LOGFONTW lf{};
    lf.lfHeight = -12;
    lf.lfWeight = FW_NORMAL;
    std::wcscpy(lf.lfFaceName, L"Tahoma");
    m_font = CreateFontIndirectW(&lf);
    m_oldFont = SelectObject(m_dc, m_font);
    SetBkMode(m_dc, TRANSPARENT);
  }
  ~TextCanvas() {
    SelectObject(m_dc, m_oldFont);
    SelectObject(m_dc, m_oldBitmap);
    DeleteObject(m_font);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
  }
  HDC dc() const { return m_dc; }

 private:
  HDC m_dc = nullptr;
  HBITMAP m_bitmap = nullptr;
  HFONT m_font = nullptr;
  HGDIOBJ m_oldBitmap = nullptr;
  HGDIOBJ m_oldFont = nullptr;
};

void ReportGoal(benchmark::State& state) { trellis::bench::ReportGoal(state, kGoalSeconds); }

void BM_DrawTextLatinLine(benchmark::State& state) {
  TextCanvas canvas;
  for (auto _ : state) {
    RECT r{0, 0, 400, 20};
    benchmark::DoNotOptimize(
        DrawTextW(canvas.dc(), kLatinLine, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT));
  }
  ReportGoal(state);
}
BENCHMARK(BM_DrawTextLatinLine);

void BM_MeasureLatinLine(benchmark::State& state) {
  TextCanvas canvas;
  SIZE size{};
  const int length = static_cast<int>(std::wcslen(kLatinLine));
  for (auto _ : state) {
    GetTextExtentPoint32W(canvas.dc(), kLatinLine, length, &size);
    benchmark::DoNotOptimize(size);
  }
}
BENCHMARK(BM_MeasureLatinLine);

void BM_TextOutLatinLine(benchmark::State& state) {
  TextCanvas canvas;
  const int length = static_cast<int>(std::wcslen(kLatinLine));
  for (auto _ : state) benchmark::DoNotOptimize(TextOutW(canvas.dc(), 0, 0, kLatinLine, length));
}
BENCHMARK(BM_TextOutLatinLine);

void BM_DrawTextChineseLine(benchmark::State& state) {
  TextCanvas canvas;
  for (auto _ : state) {
    RECT r{0, 0, 400, 20};
    benchmark::DoNotOptimize(
        DrawTextW(canvas.dc(), kChineseLine, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT));
  }
}
BENCHMARK(BM_DrawTextChineseLine);

void BM_DrawTextWrapped(benchmark::State& state) {
  TextCanvas canvas;
  for (auto _ : state) {
    RECT r{0, 0, 200, 100};
    benchmark::DoNotOptimize(DrawTextW(canvas.dc(), kParagraph, -1, &r, DT_WORDBREAK));
  }
}
BENCHMARK(BM_DrawTextWrapped);

}  // namespace

int main(int argc, char** argv) {
  return trellis::bench::RunAndPrintGoals(
      argc, argv, {}, {{"BM_DrawTextLatinLine", kGoalSeconds * 1e9, "DrawText, a 40-char line"}});
}
