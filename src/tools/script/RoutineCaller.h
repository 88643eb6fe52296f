#pragma once
// Runs a procedure or function with its arguments evaluated: the built-in
// behaviour of its Index, or the host's handler.

#include "tools/script/Routine.h"
#include "tools/script/ScriptContext.h"

#include <span>
#include <string_view>

namespace zt::script {

class RoutineCaller {
public:
  explicit RoutineCaller(ScriptContext& context);

  // `name` as written, for the message of a built-in without behaviour.
  // Returns the result (0 for procedures).
  ScriptValue Invoke(const Routine& routine, std::string_view name, std::span<const ScriptArgument> arguments);

private:
  void CallHost(const Routine& routine, std::span<const ScriptArgument> arguments, ScriptValue& result);

  ScriptContext& context_;
};

} // namespace zt::script
