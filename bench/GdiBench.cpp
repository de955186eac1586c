// Fills, copies and stretches against the memory primitives that bound them.
//
// Each case runs next to its limit in the same process, and the summary prints the ratio
// limit time / our time (1.0 means as fast as the limit). Goals: fills >= 0.95 of memset for
// rows of 300 px or more and >= 1.0 at 13x16; copies >= 1.0 of memcpy (0.8 at 13x16); the
// one-row stretch >= 0.8 of copying the row 300 times.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench/RatioReporter.h"
#include "platform/mfc/CDC.h"

namespace {

struct Size {
  int cx;
  int cy;
};
constexpr Size kSizes[] = {{1920, 1080}, {300, 24}, {13, 16}};

// A memory DC with its own bitmap of the given size.
struct Target {
  Target(int cx, int cy) {
    dc.CreateCompatibleDC(nullptr);
    bitmap.CreateCompatibleBitmap(&dc, cx, cy);
    old = ::SelectObject(dc.m_hDC, bitmap.m_hObject);
  }
  ~Target() { ::SelectObject(dc.m_hDC, old); }
  CDC dc;
  CBitmap bitmap;
  HGDIOBJ old = nullptr;
};

// The limit of a fill: one memset per row of the same bytes.
void Memset(benchmark::State& state) {
  const Size s = kSizes[state.range(0)];
  std::vector<std::uint32_t> pixels(std::size_t(s.cx) * s.cy);
  for (auto _ : state) {
    for (int y = 0; y < s.cy; ++y) std::memset(pixels.data() + std::size_t(y) * s.cx, 0x5A, s.cx * 4);
    benchmark::DoNotOptimize(pixels.data());
    benchmark::ClobberMemory();
  }
}

void FillSolidRect(benchmark::State& state) {
  const Size s = kSizes[state.range(0)];
  Target t(s.cx, s.cy);
  COLORREF color = RGB(0x12, 0x34, 0x56);
  for (auto _ : state) {
    t.dc.FillSolidRect(0, 0, s.cx, s.cy, color);
    benchmark::ClobberMemory();
  }
}

// The limit of a copy: one memcpy per row.
void Memcpy(benchmark::State& state) {
  const Size s = kSizes[state.range(0)];
  std::vector<std::uint32_t> from(std::size_t(s.cx) * s.cy, 1), to(from.size());
  for (auto _ : state) {
    for (int y = 0; y < s.cy; ++y)
      std::memcpy(to.data() + std::size_t(y) * s.cx, from.data() + std::size_t(y) * s.cx, s.cx * 4);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}

void BitBlt(benchmark::State& state) {
  const Size s = kSizes[state.range(0)];
  Target from(s.cx, s.cy), to(s.cx, s.cy);
  for (auto _ : state) {
    to.dc.BitBlt(0, 0, s.cx, s.cy, &from.dc, 0, 0, SRCCOPY);
    benchmark::ClobberMemory();
  }
}

void TransparentBlt(benchmark::State& state) {
  Target from(13, 16), to(13, 16);
  from.dc.FillSolidRect(0, 0, 13, 16, RGB(255, 0, 255));
  from.dc.FillSolidRect(3, 3, 7, 10, RGB(0, 0, 0));
  for (auto _ : state) {
    to.dc.TransparentBlt(0, 0, 13, 16, &from.dc, 0, 0, 13, 16, RGB(255, 0, 255));
    benchmark::ClobberMemory();
  }
}

// The limit of stretching one row to 300: copying that row 300 times.
void RowCopies(benchmark::State& state) {
  std::vector<std::uint32_t> row(14, 7), to(14 * 300);
  for (auto _ : state) {
    for (int y = 0; y < 300; ++y) std::memcpy(to.data() + y * 14, row.data(), 14 * 4);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}

void StretchRow(benchmark::State& state) {
  Target from(14, 1), to(14, 300);
  for (auto _ : state) {
    to.dc.StretchBlt(0, 0, 14, 300, &from.dc, 0, 0, 14, 1, SRCCOPY);
    benchmark::ClobberMemory();
  }
}

BENCHMARK(Memset)->DenseRange(0, 2);
BENCHMARK(FillSolidRect)->DenseRange(0, 2);
BENCHMARK(Memcpy)->DenseRange(0, 2);
BENCHMARK(BitBlt)->DenseRange(0, 2);
BENCHMARK(RowCopies);
BENCHMARK(StretchRow);
BENCHMARK(TransparentBlt);

}  // namespace

int main(int argc, char** argv) {
  return trellis::bench::RunAndPrintGoals(
      argc, argv,
      {
          {"FillSolidRect/0", "Memset/0", 0.95, "fill 1920x1080 vs memset"},
          {"FillSolidRect/1", "Memset/1", 0.95, "fill 300x24 vs memset"},
          {"FillSolidRect/2", "Memset/2", 1.0, "fill 13x16 vs memset"},
          {"BitBlt/0", "Memcpy/0", 1.0, "BitBlt 1920x1080 vs memcpy"},
          {"BitBlt/1", "Memcpy/1", 1.0, "BitBlt 300x24 vs memcpy"},
          {"BitBlt/2", "Memcpy/2", 0.8, "BitBlt 13x16 vs memcpy"},
          {"StretchRow", "RowCopies", 0.8, "StretchBlt 14x1 to 14x300 vs row copies"},
      },
      {});
}
