// The "x_goal" counter every benchmark reports: the time per iteration divided by the goal's,
// so at most 1 meets the goal.
#pragma once

#include <benchmark/benchmark.h>

namespace trellis::bench {

inline void ReportGoal(benchmark::State& state, double goalSeconds) {
  state.counters["x_goal"] =
      benchmark::Counter(double(state.iterations()) * goalSeconds,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace trellis::bench
