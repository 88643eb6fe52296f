#pragma once
// The three value types of the script language and the argument records that
// cross the host interface.

#include <cstdint>
#include <string>
#include <string_view>

namespace zt::script {

// The numbers are the type codes of the language.
enum class ScriptType : std::uint8_t { Integer = 0, Real = 1, String = 2 };

struct ScriptValue {
  ScriptType type = ScriptType::Integer;
  std::int64_t intValue = 0;
  double realValue = 0.0;
  std::string strValue; // Shift-JIS bytes
};

// One parameter of a routine call: its upper-case name and the value that the
// argument gave it (only the field of its type is meaningful).
struct ScriptArgument : ScriptValue {
  std::string_view name;
};

// GS_Mode of the host-bound variable events.
enum class ObjectAccess : std::uint8_t { Read = 0, Write = 1 };

} // namespace zt::script
