#include "tools/console/core/ProgramLauncher.h"

#include "document/Cp932Codec.h"
#include "tools/console/core/SplitCommandLine.h"

#include <cerrno>
#include <chrono>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace zt::console {
namespace {

std::int64_t ExitCode(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return kExecFailed;
}

std::int64_t WaitBlocking(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) return kExecFailed;
  return ExitCode(status);
}

// Polls, so that the caller can keep its user interface alive meanwhile.
std::int64_t WaitPolling(pid_t pid, const std::function<void()>& whileWaiting) {
  for (;;) {
    int status = 0;
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid) return ExitCode(status);
    if (done < 0 && errno != EINTR) return kExecFailed;
    whileWaiting();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

} // namespace

std::int64_t StartProgram(const std::string& program, const std::vector<std::string>& arguments, bool wait,
                          const std::function<void()>& whileWaiting) {
  if (program.empty()) return kExecFailed;
  std::vector<std::string> words{program};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  pid_t pid = 0;
  if (::posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return kExecFailed;
  if (!wait) {
    // Someone has to collect the program's exit status, or it would stay
    // behind as a zombie until the editor ends.
    std::thread([pid] { WaitBlocking(pid); }).detach();
    return kExecStarted;
  }
  return whileWaiting ? WaitPolling(pid, whileWaiting) : WaitBlocking(pid);
}

std::int64_t ExecCommandLine(std::string_view path, std::string_view cmdLine, bool wait,
                             const std::function<void()>& whileWaiting) {
  // Split after the conversion: a Shift-JIS trail byte can be a backslash.
  const auto arguments = SplitCommandLine(Utf8FromShiftJis(cmdLine));
  if (!arguments) return kExecFailed;
  return StartProgram(Utf8FromShiftJis(path), *arguments, wait, whileWaiting);
}

} // namespace zt::console
