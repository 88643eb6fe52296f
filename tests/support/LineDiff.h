#pragma once
// Compares two line lists and reports only the first difference, so a failed
// comparison of whole files stays readable.

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zt::test {

inline ::testing::AssertionResult SameLines(const std::vector<std::string>& actual,
                                            const std::vector<std::string>& expected) {
  const std::size_t n = std::min(actual.size(), expected.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (actual[i] != expected[i])
      return ::testing::AssertionFailure() << "line " << i + 1 << ": \"" << actual[i] << "\" instead of \"" << expected[i]
                                           << "\"";
  }
  if (actual.size() != expected.size())
    return ::testing::AssertionFailure() << actual.size() << " lines instead of " << expected.size();
  return ::testing::AssertionSuccess();
}

} // namespace zt::test
