#pragma once
// What the phases of one interpreter share: the host, the symbol tables, the
// run state and the nesting depth.

#include "tools/script/RoutineTable.h"
#include "tools/script/RunFlags.h"
#include "tools/script/ScriptHost.h"
#include "tools/script/Token.h"
#include "tools/script/VariableTable.h"

#include <string>
#include <vector>

namespace zt::script {

struct ScriptContext {
  explicit ScriptContext(ScriptHost& scriptHost) : host(&scriptHost) {}

  // What the identifier token names in the three tables.
  const SymbolBinding& Symbols(const Token& token) {
    return token.binding.generation == Generation() ? token.binding : Bind(token);
  }
  // Changes whenever any of the three tables changes: each table's generation
  // only rises, so their sum changes with any of them.
  std::uint64_t Generation() const {
    return variables.Generation() + procedures.Generation() + functions.Generation();
  }
  // Looks the token's name up again.
  const SymbolBinding& Bind(const Token& token);
  // Throws the host's message for a non-zero error code.
  void CheckHostCode(int errorCode) const;
  // Brings a host-bound variable up to date before its value is used.
  void Load(Variable& variable) const;
  // Stores `value` (of the variable's type) and hands it to the host when bound.
  void Store(Variable& variable, ScriptValue value) const;

  ScriptHost* host;
  VariableTable variables;
  RoutineTable procedures;
  RoutineTable functions;
  std::vector<std::string> define;
  RunFlags flags;
  int nesting = 0;
};

} // namespace zt::script
