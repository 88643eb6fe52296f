#include "tools/script/StatementCompiler.h"

#include "tools/script/ExpressionCompiler.h"
#include "tools/script/ScriptMessages.h"
#include "tools/script/StatementCutter.h"
#include "tools/script/TokenText.h"

#include <utility>

namespace zt::script {
namespace {

StatementFailure GrammarFailure(std::string_view text) { return {message::kGrammar, text}; }

void SkipIf(TokenCursor& cursor, Word word) {
  if (cursor.Is(word)) cursor.Next();
}

bool Contains(TokenSpan span, Word word) {
  for (std::size_t i = span.begin; i < span.end; ++i)
    if (span.list->At(i).word == word) return true;
  return false;
}

} // namespace

StatementCompiler::StatementCompiler(ScriptContext& context) : context_(context) {}

CompiledBlock StatementCompiler::Block(TokenSpan block) {
  CompiledBlock compiled;
  for (TokenCursor cursor(block); !cursor.AtEnd(); cursor.Next()) {
    const TokenSpan statement = TakeStatementOfBlock(cursor);
    if (statement.Empty()) continue;
    compiled.statements.emplace_back().span = Rejoined(statement, Joining::BlankAfterEach);
  }
  return compiled;
}

void StatementCompiler::Read(CompiledStatement& statement) {
  statement.generation = context_.Generation();
  statement.call.reset();
  TokenCursor cursor(statement.span);
  if (cursor.Kind() != TokenKind::Identifier) {
    statement.form = GrammarFailure(cursor.Text());
    return;
  }
  // A procedure is found before a function of the same name.
  const SymbolBinding& symbols = context_.Symbols(cursor.Current());
  if (symbols.procedure || symbols.function) {
    const CompiledExpression& call =
        statement.call.emplace(ExpressionCompiler::Compile(context_, cursor.Rest(), ExpressionKind::Call));
    statement.callEnd = call.nodes[call.root].end;
    cursor.MoveTo(statement.callEnd);
    statement.form = ReadAfterCall(cursor);
    return;
  }
  statement.form = ReadForm(cursor, false);
}

StatementForm StatementCompiler::ReadAfterCall(TokenCursor& cursor) { return ReadForm(cursor, true); }

StatementForm StatementCompiler::ReadForm(TokenCursor& cursor, bool understood) {
  if (cursor.Kind() == TokenKind::Identifier) {
    if (Variable* variable = context_.Symbols(cursor.Current()).variable) return ReadAssignment(*variable, cursor);
  }
  if (!cursor.Is(Word::Semicolon)) {
    StatementForm word = ReadWord(cursor);
    if (!std::holds_alternative<std::monostate>(word)) return word;
  }
  if (understood) return std::monostate{};
  return GrammarFailure(cursor.Text());
}

// The rest of the statement after ":=" is the expression.
StatementForm StatementCompiler::ReadAssignment(Variable& variable, TokenCursor& cursor) {
  if (variable.readOnly) return StatementFailure{message::kReadOnly, cursor.Text()};
  cursor.Next();
  if (!cursor.Is(Word::Assign)) return GrammarFailure(cursor.Text());
  const TokenSpan value = TextAfter(cursor.Span(), cursor.Position());
  cursor.SkipToEnd();
  return Assignment{&variable, ExpressionCompiler::Compile(context_, value, ExpressionKindOf(variable.type))};
}

StatementForm StatementCompiler::ReadWord(TokenCursor& cursor) {
  switch (cursor.Current().word) {
  case Word::Begin: return ReadBeginEnd(cursor);
  case Word::Break:
  case Word::Continue:
  case Word::Exit: return FlowStatement{cursor.Current().word};
  case Word::If: return ReadIf(cursor);
  case Word::For: return ReadFor(cursor);
  case Word::While: return ReadWhile(cursor);
  case Word::Repeat: return ReadRepeat(cursor);
  case Word::Case: return ReadCase(cursor);
  default: return std::monostate{};
  }
}

StatementForm StatementCompiler::ReadBeginEnd(TokenCursor& cursor) {
  return BeginEndStatement{Body(TakeStatement(cursor, false))};
}

// An END directly after a part (the END of a BEGIN ... END part) is skipped.
StatementForm StatementCompiler::ReadIf(TokenCursor& cursor) {
  cursor.Next();
  const TokenSpan condition = TakeUntil(cursor, {Word::Then});
  SkipIf(cursor, Word::Then);
  if (cursor.AtEnd()) return GrammarFailure("if");
  IfStatement statement{Condition(condition), Body(TakeStatement(cursor, false)), std::nullopt};
  SkipIf(cursor, Word::End);
  if (cursor.Is(Word::Else)) {
    cursor.Next();
    statement.elsePart = Body(TakeStatement(cursor, false));
  }
  return statement;
}

StatementForm StatementCompiler::ReadFor(TokenCursor& cursor) {
  cursor.Next();
  const TokenSpan head = Rejoined(TakeUntil(cursor, {Word::To, Word::Downto}), Joining::BlankAfterEach);
  const bool downward = cursor.Is(Word::Downto);
  if (!downward && !cursor.Is(Word::To)) return GrammarFailure("for");
  cursor.Next();
  const TokenSpan limit = TakeUntil(cursor, {Word::Do});
  if (!cursor.Is(Word::Do)) return GrammarFailure("for");
  cursor.Next();
  CompiledBlock body = Body(TakeStatement(cursor, false));

  const TokenCursor headCursor(head);
  Variable* variable =
      headCursor.Kind() == TokenKind::Identifier ? context_.Symbols(headCursor.Current()).variable : nullptr;
  if (!variable || variable->type != ScriptType::Integer || variable->readOnly || !Contains(head, Word::Assign))
    return GrammarFailure("for");
  ForStatement statement{std::make_unique<CompiledStatement>(), variable, downward, Condition(limit), std::move(body)};
  statement.head->span = head;
  return statement;
}

StatementForm StatementCompiler::ReadWhile(TokenCursor& cursor) {
  cursor.Next();
  const TokenSpan condition = TakeUntil(cursor, {Word::Do});
  if (!cursor.Is(Word::Do)) return GrammarFailure("while");
  cursor.Next();
  CompiledExpression compiledCondition = Condition(condition);
  return WhileStatement{std::move(compiledCondition), Body(TakeStatement(cursor, false))};
}

// The condition runs from UNTIL to ";" or the end.
StatementForm StatementCompiler::ReadRepeat(TokenCursor& cursor) {
  CompiledBlock body = Body(TakeStatement(cursor, false));
  SkipIf(cursor, Word::Until);
  const std::size_t conditionStart = cursor.Position();
  while (!cursor.AtEnd() && !cursor.Is(Word::Semicolon)) cursor.Next();
  return RepeatStatement{std::move(body), Condition(cursor.From(conditionStart))};
}

// The branches end at ELSE or END; after each an END directly following it
// (the END of a BEGIN ... END branch) is skipped, then a ";".
StatementForm StatementCompiler::ReadCase(TokenCursor& cursor) {
  cursor.Next();
  const TokenSpan selector = TakeUntil(cursor, {Word::Of});
  if (!cursor.Is(Word::Of)) return StatementFailure{message::kMissingOf, "case"};
  cursor.Next();
  CaseStatement statement{Condition(selector), {}, std::nullopt, std::nullopt, true};
  while (!cursor.AtEnd() && !cursor.Is(Word::Else) && !cursor.Is(Word::End)) {
    const TokenSpan labels = TakeUntil(cursor, {Word::Colon});
    if (!cursor.Is(Word::Colon)) {
      statement.brokenBranch = StatementFailure{message::kBadExpression, "case"};
      return statement;
    }
    cursor.Next();
    const TokenSpan branch = TakeStatement(cursor, true);
    statement.branches.push_back({ReadLabels(labels), Body(branch)});
    SkipIf(cursor, Word::End);
    SkipIf(cursor, Word::Semicolon);
  }
  if (cursor.Is(Word::Else)) statement.otherwise = Body(TakeStatement(cursor, true));
  statement.closed = cursor.Is(Word::End);
  return statement;
}

std::vector<CaseLabel> StatementCompiler::ReadLabels(TokenSpan taken) {
  std::vector<CaseLabel> labels;
  TokenCursor cursor(Rejoined(taken, Joining::BlankAfterEach));
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
    const auto label = [&](TokenSpan text) {
      return ExpressionCompiler::Compile(context_, text, ExpressionKind::Integer);
    };
    if (isRange) labels.push_back({label({item.list, item.begin, range}), label({item.list, range + 1, item.end})});
    else labels.push_back({label(item), std::nullopt});
    if (cursor.AtEnd()) return labels;
    cursor.Next();
  }
}

CompiledBlock StatementCompiler::Body(TokenSpan taken) { return Block(Rejoined(taken, Joining::BlankAfterEach)); }

CompiledExpression StatementCompiler::Condition(TokenSpan taken) {
  return ExpressionCompiler::Compile(context_, Rejoined(taken, Joining::BlankAfterEach), ExpressionKind::Integer);
}

} // namespace zt::script
