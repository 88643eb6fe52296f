#include "tools/script/StatementExecutor.h"

#include "tools/script/NestingGuard.h"
#include "tools/script/ScriptMessages.h"

#include <cstdint>

namespace zt::script {

StatementExecutor::StatementExecutor(ScriptContext& context, ExpressionEvaluator& evaluator)
    : context_(context), evaluator_(evaluator), compiler_(context) {}

void StatementExecutor::ExecProgram(TokenSpan block) {
  CompiledBlock program = StatementCompiler::Block(block);
  ExecBlock(program);
}

void StatementExecutor::ExecBlock(CompiledBlock& block) {
  const NestingGuard guard(context_);
  context_.host->ProcessMessages();
  for (CompiledStatement& statement : block.statements) {
    if (context_.flags.LeavesBlock()) return;
    ExecStatement(statement);
  }
}

void StatementExecutor::ExecStatement(CompiledStatement& statement) {
  if (statement.generation != context_.Generation()) compiler_.Read(statement);
  if (statement.call) {
    evaluator_.Call(*statement.call);
    // The host may have declared names: what follows the call may read differently.
    if (statement.generation != context_.Generation()) {
      ExecAfterTablesChanged(statement);
      return;
    }
  }
  Exec(statement.form);
}

void StatementExecutor::ExecAfterTablesChanged(const CompiledStatement& statement) {
  TokenCursor cursor(statement.span);
  cursor.MoveTo(statement.callEnd);
  StatementForm rest = compiler_.ReadAfterCall(cursor);
  Exec(rest);
}

void StatementExecutor::Exec(StatementForm& form) {
  std::visit([this](auto& alternative) { Exec(alternative); }, form);
}

void StatementExecutor::Exec(const StatementFailure& failure) { throw message::Fail(failure.message, failure.text); }

void StatementExecutor::Exec(Assignment& assignment) {
  context_.Store(*assignment.variable, evaluator_.EvalValue(assignment.value));
}

void StatementExecutor::Exec(BeginEndStatement& statement) { ExecBlock(statement.body); }

void StatementExecutor::Exec(const FlowStatement& statement) {
  switch (statement.word) {
  case Word::Break: context_.flags.breakRequested = true; break;
  case Word::Continue: context_.flags.continueRequested = true; break;
  default: context_.flags.exitRequested = true; break;
  }
}

void StatementExecutor::Exec(IfStatement& statement) {
  if (evaluator_.EvalInt(statement.condition) != 0) ExecBlock(statement.thenPart);
  else if (statement.elsePart) ExecBlock(*statement.elsePart);
}

// The text v := a runs as a statement; its result in v is the start.
void StatementExecutor::Exec(ForStatement& statement) {
  ExecStatement(*statement.head);
  // The bounds are 32-bit numbers; the count is fixed before the first round.
  const auto start = static_cast<std::int32_t>(statement.variable->intValue);
  const auto end = static_cast<std::int32_t>(evaluator_.EvalInt(statement.limit));
  const bool downward = statement.downward;
  const std::int64_t count = downward ? std::int64_t{start} - end + 1 : std::int64_t{end} - start + 1;
  for (std::int64_t round = 0; round < count && !context_.flags.stopRequested; ++round) {
    ScriptValue value;
    value.intValue = downward ? start - round : start + round;
    context_.Store(*statement.variable, value);
    ExecLoopBody(statement.body);
    if (context_.flags.EndsLoop()) break;
  }
  EndLoop();
}

void StatementExecutor::Exec(WhileStatement& statement) {
  while (!context_.flags.stopRequested && evaluator_.EvalInt(statement.condition) != 0) {
    ExecLoopBody(statement.body);
    if (context_.flags.EndsLoop()) break;
  }
  EndLoop();
}

void StatementExecutor::Exec(RepeatStatement& statement) {
  for (;;) {
    ExecLoopBody(statement.body);
    if (context_.flags.EndsLoop() || evaluator_.EvalInt(statement.condition) != 0) break;
  }
  EndLoop();
}

void StatementExecutor::Exec(CaseStatement& statement) {
  const std::int64_t selector = evaluator_.EvalInt(statement.selector);
  bool matched = false;
  for (CaseBranch& branch : statement.branches) {
    if (!MatchCaseLabels(branch.labels, selector)) continue;
    matched = true;
    ExecBlock(branch.body);
  }
  if (statement.brokenBranch) Exec(*statement.brokenBranch);
  if (statement.otherwise && !matched) ExecBlock(*statement.otherwise);
  if (!statement.closed) throw message::Fail(message::kMissingEnd, "case");
}

bool StatementExecutor::MatchCaseLabels(std::vector<CaseLabel>& labels, std::int64_t selector) {
  for (CaseLabel& label : labels) {
    const std::int64_t low = evaluator_.EvalInt(label.low);
    if (!label.high) {
      if (low == selector) return true;
      continue;
    }
    const std::int64_t high = evaluator_.EvalInt(*label.high); // evaluated however low compares
    if (low <= selector && selector <= high) return true;
  }
  return false;
}

void StatementExecutor::ExecLoopBody(CompiledBlock& body) {
  context_.flags.continueRequested = false;
  ExecBlock(body);
}

void StatementExecutor::EndLoop() {
  context_.flags.breakRequested = false;
  context_.flags.continueRequested = false;
}

} // namespace zt::script
