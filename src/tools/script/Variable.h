#pragma once
// An entry of the variable table.

#include "tools/script/ScriptValue.h"

#include <string>

namespace zt::script {

struct Variable {
  std::string name; // as declared
  ScriptType type = ScriptType::Integer;
  bool system = false;    // made by the host: survives the next run
  bool readOnly = false;
  bool hostBound = false; // read and written through the host's object events
  int index = 0;          // handed to the object events
  std::int64_t intValue = 0;
  double realValue = 0.0;
  std::string strValue;
};

} // namespace zt::script
