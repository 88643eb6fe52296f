#include "tools/script/StatementExecutor.h"

#include "tools/script/NestingGuard.h"
#include "tools/script/ScriptMessages.h"
#include "tools/script/StatementCutter.h"
#include "tools/script/TokenText.h"

#include <cstdint>

namespace zt::script {
namespace {

[[noreturn]] void FailGrammar(std::string_view text) { throw message::Fail(message::kGrammar, text); }

void SkipIf(TokenCursor& cursor, Word word) {
  if (cursor.Is(word)) cursor.Next();
}

bool Contains(TokenSpan span, Word word) {
  for (std::size_t i = span.begin; i < span.end; ++i)
    if (span.list->At(i).word == word) return true;
  return false;
}

} // namespace

StatementExecutor::StatementExecutor(ScriptContext& context, ExpressionEvaluator& evaluator)
    : context_(context), evaluator_(evaluator) {}

void StatementExecutor::ExecBlock(TokenSpan block) {
  const NestingGuard guard(context_);
  context_.host->ProcessMessages();
  for (TokenCursor cursor(block); !cursor.AtEnd(); cursor.Next()) {
    const TokenSpan statement = TakeStatementOfBlock(cursor);
    if (statement.Empty()) continue;
    if (context_.flags.LeavesBlock()) return;
    const TokenText text = TokenText::Rejoined(statement, Joining::BlankAfterEach);
    ExecStatement(text.Span());
  }
}

void StatementExecutor::ExecStatement(TokenSpan statement) {
  TokenCursor cursor(statement);
  if (cursor.Kind() != TokenKind::Identifier) FailGrammar(cursor.Text());
  bool understood = false;
  const SymbolBinding& symbols = context_.Symbols(cursor.Current());
  const Routine* routine = symbols.procedure ? symbols.procedure : symbols.function;
  if (routine) {
    const std::string_view name = cursor.Text();
    cursor.Next();
    evaluator_.Calls().Call(*routine, name, cursor);
    understood = true;
  }
  if (cursor.Kind() == TokenKind::Identifier) {
    if (Variable* variable = context_.Symbols(cursor.Current()).variable) {
      Assign(*variable, cursor);
      understood = true;
    }
  }
  if (!cursor.Is(Word::Semicolon) && ExecStatementWord(cursor)) understood = true;
  if (!understood) FailGrammar(cursor.Text());
}

void StatementExecutor::ExecBody(TokenSpan taken) {
  const TokenText text = TokenText::Rejoined(taken, Joining::BlankAfterEach);
  ExecBlock(text.Span());
}

std::int64_t StatementExecutor::EvalCondition(TokenSpan taken) {
  const TokenText text = TokenText::Rejoined(taken, Joining::BlankAfterEach);
  return evaluator_.EvalIntText(text.Span());
}

// The rest of the statement after ":=" is the expression.
void StatementExecutor::Assign(Variable& variable, TokenCursor& cursor) {
  if (variable.readOnly) throw message::Fail(message::kReadOnly, cursor.Text());
  cursor.Next();
  if (!cursor.Is(Word::Assign)) FailGrammar(cursor.Text());
  const TokenText expression = TokenText::After(cursor.Span(), cursor.Position());
  context_.Store(variable, evaluator_.Evaluate(variable.type, expression.Span()));
  cursor.SkipToEnd();
}

bool StatementExecutor::ExecStatementWord(TokenCursor& cursor) {
  switch (cursor.Current().word) {
  case Word::Begin: ExecBeginEnd(cursor); return true;
  case Word::Break: context_.flags.breakRequested = true; return true;
  case Word::Continue: context_.flags.continueRequested = true; return true;
  case Word::Exit: context_.flags.exitRequested = true; return true;
  case Word::If: ExecIf(cursor); return true;
  case Word::For: ExecFor(cursor); return true;
  case Word::While: ExecWhile(cursor); return true;
  case Word::Repeat: ExecRepeat(cursor); return true;
  case Word::Case: ExecCase(cursor); return true;
  default: return false;
  }
}

void StatementExecutor::ExecBeginEnd(TokenCursor& cursor) {
  ExecBody(TakeStatement(cursor, false));
  SkipIf(cursor, Word::End);
  SkipIf(cursor, Word::Semicolon);
}

void StatementExecutor::ExecIf(TokenCursor& cursor) {
  cursor.Next();
  const TokenSpan condition = TakeUntil(cursor, {Word::Then});
  SkipIf(cursor, Word::Then);
  if (cursor.AtEnd()) FailGrammar("if");
  const TokenSpan thenPart = TakeStatement(cursor, false);
  SkipIf(cursor, Word::End);
  TokenSpan elsePart;
  const bool hasElse = cursor.Is(Word::Else);
  if (hasElse) {
    cursor.Next();
    elsePart = TakeStatement(cursor, false);
    SkipIf(cursor, Word::End);
  }
  SkipIf(cursor, Word::Semicolon);
  if (EvalCondition(condition) != 0) ExecBody(thenPart);
  else if (hasElse) ExecBody(elsePart);
}

void StatementExecutor::ExecFor(TokenCursor& cursor) {
  cursor.Next();
  const TokenText head = TokenText::Rejoined(TakeUntil(cursor, {Word::To, Word::Downto}), Joining::BlankAfterEach);
  const bool downward = cursor.Is(Word::Downto);
  if (!downward && !cursor.Is(Word::To)) FailGrammar("for");
  cursor.Next();
  const TokenSpan limit = TakeUntil(cursor, {Word::Do});
  if (!cursor.Is(Word::Do)) FailGrammar("for");
  cursor.Next();
  const TokenText body = TokenText::Rejoined(TakeStatement(cursor, false), Joining::BlankAfterEach);

  const TokenCursor headCursor(head.Span());
  Variable* variable = headCursor.Kind() == TokenKind::Identifier
                           ? context_.Symbols(headCursor.Current()).variable
                           : nullptr;
  if (!variable || variable->type != ScriptType::Integer || variable->readOnly ||
      !Contains(head.Span(), Word::Assign))
    FailGrammar("for");

  ExecStatement(head.Span());
  // The bounds are 32-bit numbers; the count is fixed before the first round.
  const auto start = static_cast<std::int32_t>(variable->intValue);
  const auto end = static_cast<std::int32_t>(EvalCondition(limit));
  const std::int64_t count = downward ? std::int64_t{start} - end + 1 : std::int64_t{end} - start + 1;
  for (std::int64_t round = 0; round < count && !context_.flags.stopRequested; ++round) {
    ScriptValue value;
    value.intValue = downward ? start - round : start + round;
    context_.Store(*variable, value);
    context_.flags.continueRequested = false;
    ExecBlock(body.Span());
    if (context_.flags.EndsLoop()) break;
  }
  EndLoop();
}

void StatementExecutor::ExecWhile(TokenCursor& cursor) {
  cursor.Next();
  const TokenText condition = TokenText::Rejoined(TakeUntil(cursor, {Word::Do}), Joining::BlankAfterEach);
  if (!cursor.Is(Word::Do)) FailGrammar("while");
  cursor.Next();
  const TokenText body = TokenText::Rejoined(TakeStatement(cursor, false), Joining::BlankAfterEach);
  while (!context_.flags.stopRequested && evaluator_.EvalIntText(condition.Span()) != 0) {
    context_.flags.continueRequested = false;
    ExecBlock(body.Span());
    if (context_.flags.EndsLoop()) break;
  }
  EndLoop();
}

void StatementExecutor::ExecRepeat(TokenCursor& cursor) {
  const TokenText body = TokenText::Rejoined(TakeStatement(cursor, false), Joining::BlankAfterEach);
  SkipIf(cursor, Word::Until);
  const std::size_t conditionStart = cursor.Position();
  while (!cursor.AtEnd() && !cursor.Is(Word::Semicolon)) cursor.Next();
  const TokenText condition = TokenText::Rejoined(cursor.From(conditionStart), Joining::BlankAfterEach);
  for (;;) {
    context_.flags.continueRequested = false;
    ExecBlock(body.Span());
    if (context_.flags.EndsLoop() || evaluator_.EvalIntText(condition.Span()) != 0) break;
  }
  EndLoop();
}

// Every branch whose labels match runs; ELSE runs when none did.
void StatementExecutor::ExecCase(TokenCursor& cursor) {
  cursor.Next();
  const TokenSpan selectorText = TakeUntil(cursor, {Word::Of});
  if (!cursor.Is(Word::Of)) throw message::Fail(message::kMissingOf, "case");
  cursor.Next();
  const std::int64_t selector = EvalCondition(selectorText);
  bool matched = false;
  while (!cursor.AtEnd() && !cursor.Is(Word::Else) && !cursor.Is(Word::End)) {
    const TokenSpan labels = TakeUntil(cursor, {Word::Colon});
    if (!cursor.Is(Word::Colon)) throw message::Fail(message::kBadExpression, "case");
    cursor.Next();
    const TokenSpan branch = TakeStatement(cursor, true);
    if (MatchCaseLabels(labels, selector)) {
      matched = true;
      ExecBody(branch);
    }
    SkipIf(cursor, Word::End);
    SkipIf(cursor, Word::Semicolon);
  }
  if (cursor.Is(Word::Else)) {
    const TokenSpan otherwise = TakeStatement(cursor, true);
    if (!matched) ExecBody(otherwise);
  }
  if (!cursor.Is(Word::End)) throw message::Fail(message::kMissingEnd, "case");
  cursor.Next();
}

// Labels are values and ranges a..b, separated by "," outside parentheses.
bool StatementExecutor::MatchCaseLabels(TokenSpan labels, std::int64_t selector) {
  const TokenText text = TokenText::Rejoined(labels, Joining::BlankAfterEach);
  TokenCursor cursor(text.Span());
  for (;;) {
    const std::size_t start = cursor.Position();
    std::size_t range = 0;
    bool isRange = false;
    for (int depth = 0; !cursor.AtEnd(); cursor.Next()) {
      if (cursor.Is(Word::LeftParen)) ++depth;
      else if (cursor.Is(Word::RightParen) && depth > 0) --depth;
      else if (depth == 0 && cursor.Is(Word::Comma)) break;
      else if (depth == 0 && !isRange && cursor.Is(Word::Range)) isRange = true, range = cursor.Position();
    }
    const TokenSpan item = cursor.From(start);
    if (isRange) {
      const std::int64_t low = evaluator_.EvalIntText({item.list, item.begin, range});
      const std::int64_t high = evaluator_.EvalIntText({item.list, range + 1, item.end});
      if (low <= selector && selector <= high) return true;
    } else if (evaluator_.EvalIntText(item) == selector) {
      return true;
    }
    if (cursor.AtEnd()) return false;
    cursor.Next();
  }
}

void StatementExecutor::EndLoop() {
  context_.flags.breakRequested = false;
  context_.flags.continueRequested = false;
}

} // namespace zt::script
