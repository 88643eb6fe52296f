#pragma once
// Executes blocks and statements, each read once into its CompiledStatement
// and read again only when the symbol tables have changed since.

#include "tools/script/CompiledStatement.h"
#include "tools/script/ExpressionEvaluator.h"
#include "tools/script/ScriptContext.h"
#include "tools/script/StatementCompiler.h"

namespace zt::script {

class StatementExecutor {
public:
  StatementExecutor(ScriptContext& context, ExpressionEvaluator& evaluator);

  // Executes the main block of a program.
  void ExecProgram(TokenSpan block);

private:
  void ExecBlock(CompiledBlock& block);
  void ExecStatement(CompiledStatement& statement);
  // The routine of a statement changed the tables: the rest of the statement
  // is read again, from where the call ended.
  void ExecAfterTablesChanged(const CompiledStatement& statement);

  void Exec(StatementForm& form);
  void Exec(std::monostate&) {}
  void Exec(const StatementFailure& failure);
  void Exec(Assignment& assignment);
  void Exec(BeginEndStatement& statement);
  void Exec(const FlowStatement& statement);
  void Exec(IfStatement& statement);
  void Exec(ForStatement& statement);
  void Exec(WhileStatement& statement);
  void Exec(RepeatStatement& statement);
  // Every branch whose labels match runs; ELSE runs when none did.
  void Exec(CaseStatement& statement);
  bool MatchCaseLabels(std::vector<CaseLabel>& labels, std::int64_t selector);
  // A loop body runs after clearing the continue flag.
  void ExecLoopBody(CompiledBlock& body);
  // A loop ends: it clears break and continue, exit travels on.
  void EndLoop();

  ScriptContext& context_;
  ExpressionEvaluator& evaluator_;
  StatementCompiler compiler_;
};

} // namespace zt::script
