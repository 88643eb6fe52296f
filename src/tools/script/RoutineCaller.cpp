#include "tools/script/RoutineCaller.h"

#include "tools/script/BuiltinCall.h"
#include "tools/script/ScriptMessages.h"

namespace zt::script {

RoutineCaller::RoutineCaller(ScriptContext& context) : context_(context) {}

ScriptValue RoutineCaller::Invoke(const Routine& routine, std::string_view name,
                                  std::span<const ScriptArgument> arguments) {
  ScriptValue result;
  result.type = routine.resultType.value_or(ScriptType::Integer);
  if (!routine.builtIn) {
    CallHost(routine, arguments, result);
  } else if (routine.behaviour) {
    BuiltinCall call(context_, arguments, result);
    routine.behaviour(call);
  } else {
    throw message::Fail(routine.resultType ? message::kUnknownBuiltinFunction : message::kUnknownBuiltinProcedure,
                        name);
  }
  return result;
}

void RoutineCaller::CallHost(const Routine& routine, std::span<const ScriptArgument> arguments, ScriptValue& result) {
  ScriptHost& host = *context_.host;
  int errorCode = 0;
  if (!routine.resultType) {
    errorCode = host.ProcParam(routine.name, routine.index, arguments);
  } else {
    switch (*routine.resultType) {
    case ScriptType::Integer:
      errorCode = host.IntFuncParam(routine.name, routine.index, arguments, result.intValue);
      break;
    case ScriptType::Real:
      errorCode = host.RealFuncParam(routine.name, routine.index, arguments, result.realValue);
      break;
    case ScriptType::String:
      errorCode = host.StrFuncParam(routine.name, routine.index, arguments, result.strValue);
      break;
    }
  }
  context_.CheckHostCode(errorCode);
}

} // namespace zt::script
