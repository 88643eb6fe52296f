#include "BenchRatio.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace zt::bench {
namespace {

class CollectingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) times[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

} // namespace

int RunWithRatios(int argc, char** argv, const std::vector<std::pair<std::string, std::string>>& pairs) {
  benchmark::Initialize(&argc, argv);
  CollectingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  for (const auto& [name, baseline] : pairs) {
    const auto a = reporter.times.find(name), b = reporter.times.find(baseline);
    if (a == reporter.times.end() || b == reporter.times.end() || b->second <= 0) continue;
    std::printf("%-40s %8.2f x %s\n", name.c_str(), a->second / b->second, baseline.c_str());
  }
  benchmark::Shutdown();
  return 0;
}

} // namespace zt::bench
