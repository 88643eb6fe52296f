#pragma once
// Starting programs for the script built-ins Exec and Shell: the program runs
// by itself, with its arguments handed over as words, never through a shell.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zt::console {

// Results of Exec besides a waited-for program's exit code, as the scripts
// written for the language expect them.
inline constexpr std::int64_t kExecStarted = -1; // started, not waited for
inline constexpr std::int64_t kExecFailed = 0;   // could not be started
// Results of Shell, in the numbers of the platform the language was first
// written for: above 32 is success, 2 "file not found".
inline constexpr std::int64_t kShellOpened = 33;
inline constexpr std::int64_t kShellFailed = 2;

// Starts `program` (UTF-8; searched in PATH when it holds no "/") with the
// arguments. With `wait`: returns its exit code (128 plus the signal number
// when a signal ended it), calling `whileWaiting` about every 20 ms when one
// is given. Without: kExecStarted at once. kExecFailed when it cannot start.
std::int64_t StartProgram(const std::string& program, const std::vector<std::string>& arguments, bool wait,
                          const std::function<void()>& whileWaiting = {});

// Exec of the script language: `path` and `cmdLine` are Shift-JIS; the command
// line is split into words as a shell would (SplitCommandLine). A line with a
// quote left open starts nothing and gives kExecFailed.
std::int64_t ExecCommandLine(std::string_view path, std::string_view cmdLine, bool wait,
                             const std::function<void()>& whileWaiting = {});

} // namespace zt::console
