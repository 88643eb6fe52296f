#pragma once
// Runs the built command-line tool as a separate process in a test folder and
// collects its exit code, standard output and standard error.

#include "support/TempDir.h"

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace zt::test {

struct CliRun {
  int exitCode;
  std::string out; // standard output
  std::string err; // standard error
};

inline std::string ShellQuote(const std::string& word) {
  std::string quoted = "'";
  for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// `words` follow the tool's name; the tool runs in `dir`.
inline CliRun RunCli(const TempDir& dir, const std::vector<std::string>& words) {
  std::string command = "cd " + ShellQuote(dir.dir()) + " && ASAN_OPTIONS=detect_leaks=0 " + ZT_CLI;
  for (const std::string& word : words) command += " " + ShellQuote(word);
  command += " 2>stderr.txt";
  CliRun run{};
  FILE* pipe = ::popen(command.c_str(), "r");
  std::array<char, 4096> buffer{};
  std::size_t got;
  while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), got);
  const int status = ::pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = dir.Read("stderr.txt");
  return run;
}

// One parameter tag of a game page, as the reader finds it.
inline std::string PageTag(const std::string& name, const std::string& value) {
  return "<PARAM NAME=\"" + name + "\" VALUE=\"" + value + "\">\r\n";
}

} // namespace zt::test
