#pragma once
// Runs the registered benchmarks and prints, after the usual table, the
// ratio of each benchmark's time to the time of its baseline.

#include <string>
#include <utility>
#include <vector>

namespace zt::bench {

// Pairs of (benchmark name, baseline name).
int RunWithRatios(int argc, char** argv, const std::vector<std::pair<std::string, std::string>>& pairs);

} // namespace zt::bench
