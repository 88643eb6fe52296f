#pragma once

#include <string>
#include <vector>

namespace zt::cli {

// Each command takes the words after its name and returns the exit code.
int RunDump(const std::vector<std::string>& words);
int RunConvert(const std::vector<std::string>& words);
int RunSjis(const std::vector<std::string>& words);
int RunScript(const std::vector<std::string>& words);
#ifdef ZT_CLI_RENDER
int RunRender(const std::vector<std::string>& words);
#endif

} // namespace zt::cli
