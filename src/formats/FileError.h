#pragma once

#include <stdexcept>
#include <string>

namespace zt {

// A failure that ends the command; the message (UTF-8) is shown to the user
// as it stands.
class FileError : public std::runtime_error {
 public:
  explicit FileError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace zt
