#include "bench/RatioReporter.h"

#include <cstdio>

namespace trellis::bench {

namespace {

std::string CounterKey(const std::string& name, const std::string& counter) {
  return name + "|" + counter;
}

}  // namespace

std::string TimeFigure(double ns) {
  char text[32];
  const bool millis = ns >= 1e6;
  std::snprintf(text, sizeof text, millis ? "%.2f ms" : "%.2f us", millis ? ns / 1e6 : ns / 1e3);
  return text;
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.error_occurred || run.iterations <= 0) continue;
    m_nanoseconds[run.benchmark_name()] = run.GetAdjustedRealTime() *
        (run.time_unit == benchmark::kNanosecond    ? 1.0
         : run.time_unit == benchmark::kMicrosecond ? 1e3
         : run.time_unit == benchmark::kMillisecond ? 1e6
                                                    : 1e9);
    for (const auto& [counter, value] : run.counters)
      m_counters[CounterKey(run.benchmark_name(), counter)] = value.value;
  }
  ConsoleReporter::ReportRuns(runs);
}

double RatioReporter::Nanoseconds(const std::string& name) const {
  const auto it = m_nanoseconds.find(name);
  return it == m_nanoseconds.end() ? -1.0 : it->second;
}

double RatioReporter::Counter(const std::string& name, const std::string& counter) const {
  const auto it = m_counters.find(CounterKey(name, counter));
  return it == m_counters.end() ? -1.0 : it->second;
}

int RatioReporter::PrintGoals() const {
  int missed = 0;
  if (!m_limits.empty())
    std::printf("\n%-48s %12s %12s\n", "goal (at most)", "measured", "limit");
  for (const Limit& l : m_limits) {
    const bool time = l.counter.empty();
    const double figure = time ? Nanoseconds(l.benchmark) : Counter(l.benchmark, l.counter);
    if (figure < 0) continue;  // filtered out of this run
    const bool met = figure <= l.limit;
    missed += !met;
    const auto text = [&](double value) {
      if (time) return TimeFigure(value);
      char counted[48];
      std::snprintf(counted, sizeof counted, "%.1f %s", value, l.unit.c_str());
      return std::string(counted);
    };
    std::printf("%-48s %12s %12s %s\n", l.what.c_str(), text(figure).c_str(),
                text(l.limit).c_str(), met ? "" : "MISSED");
  }
  if (!m_ratios.empty())
    std::printf("\n%-48s %12s %12s\n", "ratio (limit time / our time, at least)", "measured",
                "goal");
  for (const Ratio& r : m_ratios) {
    const double ours = Nanoseconds(r.ours), limit = Nanoseconds(r.limit);
    if (ours <= 0 || limit <= 0) continue;  // filtered out of this run
    const double ratio = limit / ours;
    const bool met = ratio >= r.goal;
    missed += !met;
    std::printf("%-48s %12.2f %12.2f %s\n", r.what.c_str(), ratio, r.goal, met ? "" : "MISSED");
  }
  return missed;
}

int RunAndPrintGoals(int argc, char** argv, std::vector<Ratio> ratios, std::vector<Limit> limits) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter(std::move(ratios), std::move(limits));
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const int missed = reporter.PrintGoals();
  benchmark::Shutdown();
  return missed == 0 ? 0 : 1;
}

}  // namespace trellis::bench
