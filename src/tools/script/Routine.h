#pragma once
// An entry of the procedure or the function table.

#include "tools/script/ScriptValue.h"

#include <optional>
#include <string>
#include <vector>

namespace zt::script {

class BuiltinCall;
using BuiltinBehaviour = void (*)(BuiltinCall&);

struct Parameter {
  std::string name; // upper case
  ScriptType type = ScriptType::Integer;
};

struct Routine {
  std::string name; // upper case
  bool builtIn = false;
  int index = 0;
  std::vector<Parameter> parameters;
  std::optional<ScriptType> resultType; // set for functions
  // For a built-in whose Index has a behaviour of this very signature.
  BuiltinBehaviour behaviour = nullptr;
};

} // namespace zt::script
