#pragma once
// Splits a command line into program arguments the way a POSIX shell splits
// words, without running a shell: blanks separate words; a backslash keeps the
// next character; single quotes keep everything up to the next single quote;
// double quotes keep everything but a backslash before $ ` " \ or a line feed.
// Nothing is expanded (no variables, no wildcards, no ~).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zt::console {

// The words of `commandLine` (UTF-8); nullopt when a quote is left open.
std::optional<std::vector<std::string>> SplitCommandLine(std::string_view commandLine);

} // namespace zt::console
