#pragma once
// What a built-in behaviour works with: the interpreter's context, the
// arguments in parameter order and the result to set.

#include "tools/script/ScriptContext.h"

#include <span>

namespace zt::script {

class BuiltinCall {
public:
  BuiltinCall(ScriptContext& context, std::span<const ScriptArgument> arguments, ScriptValue& result)
      : context_(context), arguments_(arguments), result_(result) {}

  ScriptContext& Context() { return context_; }
  ScriptHost& Host() { return *context_.host; }

  std::int64_t Int(std::size_t i) const { return arguments_[i].intValue; }
  double Real(std::size_t i) const { return arguments_[i].realValue; }
  const std::string& Str(std::size_t i) const { return arguments_[i].strValue; }

  void ReturnInt(std::int64_t value) { result_.intValue = value; }
  void ReturnReal(double value) { result_.realValue = value; }
  void ReturnStr(std::string value) { result_.strValue = std::move(value); }

private:
  ScriptContext& context_;
  std::span<const ScriptArgument> arguments_;
  ScriptValue& result_;
};

} // namespace zt::script
