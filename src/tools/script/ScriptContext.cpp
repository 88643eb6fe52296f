#include "tools/script/ScriptContext.h"

#include "tools/script/ScriptError.h"

#include <utility>

namespace zt::script {
namespace {

int ExchangeWithHost(ScriptHost& host, Variable& variable, ObjectAccess mode) {
  switch (variable.type) {
  case ScriptType::Integer: return host.IntObjParam(variable.name, variable.index, mode, variable.intValue);
  case ScriptType::Real: return host.RealObjParam(variable.name, variable.index, mode, variable.realValue);
  case ScriptType::String: return host.StrObjParam(variable.name, variable.index, mode, variable.strValue);
  }
  return 0;
}

} // namespace

const SymbolBinding& ScriptContext::Bind(const Token& token) {
  token.binding = {Generation(), variables.Find(token.key), procedures.Find(token.key), functions.Find(token.key)};
  return token.binding;
}

void ScriptContext::CheckHostCode(int errorCode) const {
  if (errorCode != 0) throw ScriptError(host->ErrorProc(errorCode));
}

void ScriptContext::Load(Variable& variable) const {
  if (variable.hostBound) CheckHostCode(ExchangeWithHost(*host, variable, ObjectAccess::Read));
}

void ScriptContext::Store(Variable& variable, ScriptValue value) const {
  switch (variable.type) {
  case ScriptType::Integer: variable.intValue = value.intValue; break;
  case ScriptType::Real: variable.realValue = value.realValue; break;
  case ScriptType::String: variable.strValue = std::move(value.strValue); break;
  }
  if (variable.hostBound) CheckHostCode(ExchangeWithHost(*host, variable, ObjectAccess::Write));
}

} // namespace zt::script
