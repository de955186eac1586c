#include "bench/RatioReporter.h"

#include <cstdio>

namespace trellis::bench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs)
    if (!run.error_occurred && run.iterations > 0)
      m_nanoseconds[run.benchmark_name()] = run.GetAdjustedRealTime() *
          (run.time_unit == benchmark::kNanosecond    ? 1.0
           : run.time_unit == benchmark::kMicrosecond ? 1e3
           : run.time_unit == benchmark::kMillisecond ? 1e6
                                                      : 1e9);
  ConsoleReporter::ReportRuns(runs);
}

double RatioReporter::Nanoseconds(const std::string& name) const {
  const auto it = m_nanoseconds.find(name);
  return it == m_nanoseconds.end() ? -1.0 : it->second;
}

int RatioReporter::PrintRatios() const {
  int missed = 0;
  std::printf("\n%-45s %10s %6s\n", "ratio (limit time / our time)", "measured", "goal");
  for (const Ratio& r : m_ratios) {
    const double ours = Nanoseconds(r.ours), limit = Nanoseconds(r.limit);
    if (ours <= 0 || limit <= 0) continue;  // filtered out of this run
    const double ratio = limit / ours;
    const bool met = ratio >= r.goal;
    missed += !met;
    std::printf("%-45s %10.2f %6.2f %s\n", r.what.c_str(), ratio, r.goal, met ? "" : "MISSED");
  }
  return missed;
}

}  // namespace trellis::bench
