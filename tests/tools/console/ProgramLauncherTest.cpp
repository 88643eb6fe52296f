// Programs started for Exec: their exit codes, their arguments and failures.

#include "tools/console/core/ProgramLauncher.h"

#include "document/Cp932Codec.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace zt::console {
namespace {

using test::TempDir;

TEST(ProgramLauncherTest, ExitCodesWhenWaiting) {
  struct Case {
    const char* script;
    std::int64_t result;
  } cases[] = {
      {"exit 0", 0},
      {"exit 3", 3},
      {"exit 255", 255},
      {"kill -TERM $$", 128 + 15}, // ended by a signal
  };
  for (const Case& c : cases) EXPECT_EQ(StartProgram("sh", {"-c", c.script}, true), c.result) << c.script;
}

TEST(ProgramLauncherTest, AProgramThatCannotStartIsToldFromExitCodes) {
  EXPECT_EQ(StartProgram("/no/such/program", {}, true), kExecFailed);
  EXPECT_EQ(StartProgram("no-such-program-in-path", {}, false), kExecFailed);
  EXPECT_EQ(StartProgram("", {}, true), kExecFailed);
}

TEST(ProgramLauncherTest, WithoutWaitingTheProgramRunsOnItsOwn) {
  const TempDir dir;
  const std::string done = dir.file("done");
  EXPECT_EQ(StartProgram("sh", {"-c", "sleep 0.2; : > \"$0\"", done}, false), kExecStarted);
  EXPECT_FALSE(dir.Exists("done")); // returned before the program ended
  for (int i = 0; i < 100 && !dir.Exists("done"); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_TRUE(dir.Exists("done"));
}

TEST(ProgramLauncherTest, WaitingKeepsCallingBack) {
  int calls = 0;
  EXPECT_EQ(StartProgram("sh", {"-c", "sleep 0.2; exit 4"}, true, [&] { ++calls; }), 4);
  EXPECT_GT(calls, 2);
}

// The command line arrives as words, unexpanded, even where a Shift-JIS
// trail byte is a backslash ("表" is 0x95 0x5C).
TEST(ProgramLauncherTest, ExecSplitsTheShiftJisCommandLine) {
  const TempDir dir;
  const std::string line = "-c 'printf \"%s|\" \"$@\" > \"$0\"' " + dir.file("args") + " 'a b' c\\\"d $HOME 表 '表 示'";
  EXPECT_EQ(ExecCommandLine("sh", Sjis(line), true), 0);
  EXPECT_EQ(dir.Read("args"), "a b|c\"d|$HOME|表|表 示|");
}

TEST(ProgramLauncherTest, ExecWithAQuoteLeftOpenStartsNothing) {
  const TempDir dir;
  EXPECT_EQ(ExecCommandLine("sh", "-c ': > \"$0\"' " + dir.file("ran") + " 'open", true), kExecFailed);
  EXPECT_FALSE(dir.Exists("ran"));
}

} // namespace
} // namespace zt::console
