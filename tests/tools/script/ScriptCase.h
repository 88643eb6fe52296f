#pragma once
// A table row: a script (UTF-8) and what RunScript reports for it.

#include "ScriptTestHost.h"

#include <gtest/gtest.h>

#include <span>

namespace zt::script::test {

struct ScriptCase {
  const char* script;
  const char* expected; // printed lines joined by "|", then "!" and the error message
};

inline void ExpectRuns(std::span<const ScriptCase> cases) {
  for (const ScriptCase& c : cases) EXPECT_EQ(RunScript(c.script), c.expected) << c.script;
}

} // namespace zt::script::test
