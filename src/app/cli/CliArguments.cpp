#include "app/cli/CliArguments.h"

namespace zt::cli {

CliArguments::CliArguments(const std::vector<std::string>& words, const std::set<std::string>& valued,
                           const std::set<std::string>& flags) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.rfind("--", 0) != 0 || word == "--") {
      positional_.push_back(word);
      continue;
    }
    const std::string name = word.substr(2);
    if (flags.count(name)) {
      options_.emplace_back(name, "");
    } else if (valued.count(name)) {
      if (i + 1 >= words.size()) throw UsageError("--" + name + " needs a value");
      options_.emplace_back(name, words[++i]);
    } else {
      throw UsageError("unknown option " + word);
    }
  }
}

bool CliArguments::Has(const std::string& name) const {
  for (const auto& option : options_)
    if (option.first == name) return true;
  return false;
}

std::optional<std::string> CliArguments::Value(const std::string& name) const {
  std::optional<std::string> value;
  for (const auto& option : options_)
    if (option.first == name) value = option.second;
  return value;
}

std::vector<std::string> CliArguments::Values(const std::string& name) const {
  std::vector<std::string> values;
  for (const auto& option : options_)
    if (option.first == name) values.push_back(option.second);
  return values;
}

void CliArguments::ExpectPositional(std::size_t min, std::size_t max) const {
  if (positional_.size() < min) throw UsageError("missing arguments");
  if (positional_.size() > max) throw UsageError("too many arguments");
}

} // namespace zt::cli
