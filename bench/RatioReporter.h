// A console reporter that also keeps each benchmark's time, so a program can print how it
// fares against the limits it measured in the same run.
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

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  explicit RatioReporter(std::vector<Ratio> ratios) : m_ratios(std::move(ratios)) {}

  void ReportRuns(const std::vector<Run>& runs) override;
  // Prints one line per ratio with its goal; returns how many goals were missed.
  int PrintRatios() const;
  // Nanoseconds per iteration of a finished benchmark, or a negative value.
  double Nanoseconds(const std::string& name) const;

 private:
  std::vector<Ratio> m_ratios;
  std::map<std::string, double> m_nanoseconds;
};

}  // namespace trellis::bench
