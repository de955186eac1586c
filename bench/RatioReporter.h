// A console reporter that also keeps each benchmark's time and counters, so a program can print
// how it fares against its goals measured in the same run: figures held to an upper limit (a
// time, or a counter such as memory per item) and ratios to a limit measured beside them. Every
// program prints its goals through it, one table, "MISSED" where a goal is missed.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace trellis::bench {

struct Ratio {
  std::string ours;   // benchmark name
  std::string limit;  // benchmark name of the limit
  double goal;        // limit time / our time must reach this
  std::string what;
};

// A figure that must stay at or below its limit.
struct Limit {
  std::string benchmark;     // full benchmark name
  double limit;              // nanoseconds, or the counter's own unit
  std::string what;
  std::string counter = {};  // empty for the time per iteration
  std::string unit = {};     // how the counter's figures read
};

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  explicit RatioReporter(std::vector<Ratio> ratios, std::vector<Limit> limits = {})
      : m_ratios(std::move(ratios)), m_limits(std::move(limits)) {}

  void ReportRuns(const std::vector<Run>& runs) override;
  // Prints one line per limit and per ratio with its goal, skipping the benchmarks this run
  // filtered out; returns how many goals were missed.
  int PrintGoals() const;
  // Nanoseconds per iteration of a finished benchmark, or a negative value.
  double Nanoseconds(const std::string& name) const;
  // A counter of a finished benchmark, or a negative value.
  double Counter(const std::string& name, const std::string& counter) const;

 private:
  std::vector<Ratio> m_ratios;
  std::vector<Limit> m_limits;
  std::map<std::string, double> m_nanoseconds;
  std::map<std::string, double> m_counters;  // by "benchmark|counter"
};

// A benchmark program's main: runs the benchmarks the command line selects, prints the goals
// and answers 1 when one was missed.
int RunAndPrintGoals(int argc, char** argv, std::vector<Ratio> ratios, std::vector<Limit> limits);

// Fixed-point figures for the goal tables: "1.23 us", "4.56 ms".
std::string TimeFigure(double nanoseconds);

}  // namespace trellis::bench
