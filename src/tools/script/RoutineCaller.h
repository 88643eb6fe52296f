#pragma once
// Calls a procedure or function: reads its arguments, then runs the built-in
// behaviour of its Index or hands the call to the host.

#include "tools/script/Routine.h"
#include "tools/script/ScriptContext.h"
#include "tools/script/TokenCursor.h"

#include <string_view>
#include <vector>

namespace zt::script {

class ExpressionEvaluator;

class RoutineCaller {
public:
  RoutineCaller(ScriptContext& context, ExpressionEvaluator& evaluator);

  // The cursor stands after the routine's name, `name` as written, and is
  // left after the call. Returns the result (0 for procedures).
  ScriptValue Call(const Routine& routine, std::string_view name, TokenCursor& cursor);

private:
  // The argument up to a "," or ")" outside parentheses of its own, or the end.
  static TokenSpan CollectArgument(TokenCursor& cursor);
  void CallHost(const Routine& routine, std::span<const ScriptArgument> arguments, ScriptValue& result);

  ScriptContext& context_;
  ExpressionEvaluator& evaluator_;
  // Argument records of the calls in progress, reused from call to call; a
  // nested call (in an argument) takes the records above those of its caller.
  std::vector<ScriptArgument> arguments_;
  std::size_t argumentTop_ = 0;
};

} // namespace zt::script
