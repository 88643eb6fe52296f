#pragma once
// The script interpreter: runs a program of the small Pascal-like language
// against the routines and variables of its host. Every text it takes and
// gives is Shift-JIS. Interpreters share nothing: several may exist and run
// side by side.

#include "tools/script/ExpressionEvaluator.h"
#include "tools/script/ScriptContext.h"
#include "tools/script/ScriptHost.h"
#include "tools/script/StatementExecutor.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zt::script {

class TPoorPascal {
public:
  // Without a host the interpreter behaves as one whose host handles nothing.
  TPoorPascal();
  explicit TPoorPascal(ScriptHost& host);

  TPoorPascal(const TPoorPascal&) = delete;
  TPoorPascal& operator=(const TPoorPascal&) = delete;

  // Names that the built-in IsDefine finds.
  void SetDefine(std::vector<std::string> lines) { context_.define = std::move(lines); }
  const std::vector<std::string>& Define() const { return context_.define; }
  // The program text, one line an entry.
  void SetSource(std::vector<std::string> lines) { source_ = std::move(lines); }
  const std::vector<std::string>& Source() const { return source_; }
  // One prototype line a host routine, declared anew at every run.
  void SetDeclarePrototype(std::vector<std::string> lines) { prototypes_ = std::move(lines); }
  const std::vector<std::string>& DeclarePrototype() const { return prototypes_; }

  // Runs Source. Returns when the program ends or was stopped; a failure
  // throws ScriptError with its message. The variables of the program and the
  // routines of the prototype lines live until the next run.
  void Run();

  // During a run: ends a pause, makes the program end at its next statement
  // and returns true; the caller shows StopMessage(). Outside a run: false.
  bool Stop();
  // "実行を中断しました" in Shift-JIS.
  static std::string StopMessage();
  // Ends a pause of the built-in Pause without stopping the run.
  void Resume() { context_.flags.paused = false; }
  bool Running() const { return context_.flags.running; }
  bool Paused() const { return context_.flags.paused; }

  // System entries survive every run. A name that a variable or constant
  // already has throws ScriptError.
  void AddIntConst(std::string_view name, bool readOnly, std::int64_t value);
  void AddStrConst(std::string_view name, std::string_view value);
  // A variable whose reads and writes go through the host's object events
  // (IntObjParam, RealObjParam, StrObjParam) with `index`.
  void AddObject(std::string_view name, ScriptType type, int index, bool readOnly);
  // True when a system INTEGER variable of that name exists and was set.
  bool SetIntVar(std::string_view name, std::int64_t value);

  // Adds a procedure or function from its prototype line; throws ScriptError
  // for a malformed line or a name already declared.
  void DeclareRoutine(std::string_view prototypeLine, bool builtIn);

private:
  void AddSystemVariable(Variable variable);

  ScriptHost defaultHost_;
  ScriptContext context_;
  ExpressionEvaluator evaluator_;
  StatementExecutor executor_;
  std::vector<std::string> source_;
  std::vector<std::string> prototypes_;
};

} // namespace zt::script
