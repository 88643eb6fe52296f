#pragma once
// The error that ends a script run. Its message is Shift-JIS text.

#include <stdexcept>
#include <string>

namespace zt::script {

class ScriptError : public std::runtime_error {
public:
  explicit ScriptError(const std::string& shiftJisMessage) : std::runtime_error(shiftJisMessage) {}
};

} // namespace zt::script
