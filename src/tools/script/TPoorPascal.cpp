#include "tools/script/TPoorPascal.h"

#include "document/Cp932Codec.h"
#include "tools/script/BuiltinRoutines.h"
#include "tools/script/Prototype.h"
#include "tools/script/ScriptMessages.h"
#include "tools/script/ScriptProgram.h"

namespace zt::script {
namespace {

// Clears the running flag however the run ends.
class RunningScope {
public:
  explicit RunningScope(RunFlags& flags) : flags_(flags) { flags_.running = true; }
  ~RunningScope() {
    flags_.running = false;
    flags_.paused = false;
  }
  RunningScope(const RunningScope&) = delete;
  RunningScope& operator=(const RunningScope&) = delete;

private:
  RunFlags& flags_;
};

} // namespace

TPoorPascal::TPoorPascal() : TPoorPascal(defaultHost_) {}

TPoorPascal::TPoorPascal(ScriptHost& host) : context_(host), evaluator_(context_), executor_(context_, evaluator_) {
  AddIntConst("True", true, -1);
  AddIntConst("False", true, 0);
  AddStrConst("Nil", "");
  for (const BuiltinDefinition& builtin : BuiltinDefinitions()) DeclareRoutine(builtin.prototype, true);
}

void TPoorPascal::Run() {
  RunFlags& flags = context_.flags;
  if (flags.running) throw message::Fail(message::kAlreadyRunning);
  flags = RunFlags{};
  context_.nesting = 0;
  context_.variables.RemoveNonSystem();
  context_.procedures.RemoveNonBuiltIn();
  context_.functions.RemoveNonBuiltIn();
  for (const std::string& line : prototypes_)
    if (!TrimBlanks(line).empty()) DeclareRoutine(line, false);

  const RunningScope running(flags);
  const ScriptProgram program(StripComments(source_), context_.variables);
  executor_.ExecProgram(program.MainBlock());
}

bool TPoorPascal::Stop() {
  if (!context_.flags.running) return false;
  context_.flags.paused = false;
  context_.flags.stopRequested = true;
  return true;
}

std::string TPoorPascal::StopMessage() { return Sjis(message::kStopped); }

void TPoorPascal::AddSystemVariable(Variable variable) {
  variable.system = true;
  const std::string name = variable.name;
  if (context_.variables.FindName(name) || !context_.variables.Add(std::move(variable)))
    throw message::Fail(message::kDuplicateVariable, name);
}

void TPoorPascal::AddIntConst(std::string_view name, bool readOnly, std::int64_t value) {
  Variable variable;
  variable.name = name;
  variable.readOnly = readOnly;
  variable.intValue = value;
  AddSystemVariable(std::move(variable));
}

void TPoorPascal::AddStrConst(std::string_view name, std::string_view value) {
  Variable variable;
  variable.name = name;
  variable.type = ScriptType::String;
  variable.readOnly = true;
  variable.strValue = value;
  AddSystemVariable(std::move(variable));
}

void TPoorPascal::AddObject(std::string_view name, ScriptType type, int index, bool readOnly) {
  Variable variable;
  variable.name = name;
  variable.type = type;
  variable.readOnly = readOnly;
  variable.hostBound = true;
  variable.index = index;
  AddSystemVariable(std::move(variable));
}

bool TPoorPascal::SetIntVar(std::string_view name, std::int64_t value) {
  Variable* variable = context_.variables.FindName(name);
  if (!variable || !variable->system || variable->type != ScriptType::Integer) return false;
  variable->intValue = value;
  return true;
}

void TPoorPascal::DeclareRoutine(std::string_view prototypeLine, bool builtIn) {
  Prototype prototype = ParsePrototype(prototypeLine, context_.procedures, context_.functions);
  Routine& routine = prototype.routine;
  routine.builtIn = builtIn;
  if (builtIn) routine.behaviour = FindBuiltinBehaviour(routine);
  (prototype.isFunction ? context_.functions : context_.procedures).Add(std::move(routine));
}

} // namespace zt::script
