#include "app/cli/CliDialogs.h"

namespace zt::cli {

Answer CliDialogs::Ask(const Question&) { return Answer::Yes; }

void CliDialogs::Notify(std::string_view text) { notices_.emplace_back(text); }

void CliDialogs::Log(std::string_view line) { log_.emplace_back(line); }

void CliDialogs::LogError(std::string_view line, int) { log_.emplace_back(line); }

std::optional<std::string> CliDialogs::AskPassword() {
  if (!password_) passwordMissing_ = true;
  return password_;
}

} // namespace zt::cli
