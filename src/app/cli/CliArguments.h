#pragma once
// The words after the command name: positional arguments and "--name" or
// "--name value" options.

#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace zt::cli {

// Bad usage: the message is printed with the usage text, exit code 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CliArguments {
 public:
  // `valued` names the options that take a value, `flags` those that do not;
  // "--define" style options may repeat.
  CliArguments(const std::vector<std::string>& words, const std::set<std::string>& valued,
                const std::set<std::string>& flags);

  const std::vector<std::string>& positional() const { return positional_; }
  bool Has(const std::string& name) const;
  std::optional<std::string> Value(const std::string& name) const;
  std::vector<std::string> Values(const std::string& name) const;
  // Exactly `min`..`max` positional arguments, or a UsageError.
  void ExpectPositional(std::size_t min, std::size_t max) const;

 private:
  std::vector<std::string> positional_;
  std::vector<std::pair<std::string, std::string>> options_;
};

} // namespace zt::cli
