#pragma once
// Executes blocks and statements. A statement is typed by its first token: a
// routine call, an assignment, or one of the statement words; the parts of a
// compound statement are cut out as texts and executed as blocks of their own.

#include "tools/script/ExpressionEvaluator.h"
#include "tools/script/ScriptContext.h"
#include "tools/script/TokenCursor.h"

namespace zt::script {

class StatementExecutor {
public:
  StatementExecutor(ScriptContext& context, ExpressionEvaluator& evaluator);

  void ExecBlock(TokenSpan block);
  void ExecStatement(TokenSpan statement);

private:
  // A taken text, tokenized as its own block or condition.
  void ExecBody(TokenSpan taken);
  std::int64_t EvalCondition(TokenSpan taken);

  void Assign(Variable& variable, TokenCursor& cursor);
  bool ExecStatementWord(TokenCursor& cursor);
  void ExecBeginEnd(TokenCursor& cursor);
  void ExecIf(TokenCursor& cursor);
  void ExecFor(TokenCursor& cursor);
  void ExecWhile(TokenCursor& cursor);
  void ExecRepeat(TokenCursor& cursor);
  void ExecCase(TokenCursor& cursor);
  bool MatchCaseLabels(TokenSpan labels, std::int64_t selector);
  // A loop ends: it clears break and continue, exit travels on.
  void EndLoop();

  ScriptContext& context_;
  ExpressionEvaluator& evaluator_;
};

} // namespace zt::script
