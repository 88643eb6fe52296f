#pragma once
// Evaluates INTEGER, REAL and STRING expressions from tokens. An expression
// is typed by its operands as they come: there is no conversion between the
// types except where the language names one. Tokens left over after a
// complete expression are ignored.

#include "tools/script/RoutineCaller.h"
#include "tools/script/ScriptContext.h"
#include "tools/script/TokenCursor.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zt::script {

class ExpressionEvaluator {
public:
  explicit ExpressionEvaluator(ScriptContext& context);

  // Typed by the first token: text is read as an integer (-1 when it is not
  // one), a real is truncated toward zero.
  std::int64_t EvalIntText(TokenSpan text);
  double EvalRealText(TokenSpan text);
  std::string EvalStrText(TokenSpan text);
  ScriptValue Evaluate(ScriptType type, TokenSpan text);

  RoutineCaller& Calls() { return calls_; }

private:
  // The type an expression starting at the current token is taken to have.
  std::optional<ScriptType> PeekType(const TokenCursor& cursor);
  Variable* FindVariable(const TokenCursor& cursor);
  const Routine* FindFunction(const TokenCursor& cursor);
  ScriptValue CallFunction(const Routine& function, TokenCursor& cursor);
  std::int64_t IntegerFromReal(double value);

  std::int64_t IntComparison(TokenCursor& cursor);
  std::int64_t IntAdditive(TokenCursor& cursor);
  std::int64_t IntMultiplicative(TokenCursor& cursor);
  std::int64_t IntOperand(TokenCursor& cursor);
  std::int64_t IntIdentifier(TokenCursor& cursor);

  double RealComparison(TokenCursor& cursor);
  double RealAdditive(TokenCursor& cursor);
  double RealMultiplicative(TokenCursor& cursor);
  double RealOperand(TokenCursor& cursor);
  double RealIdentifier(TokenCursor& cursor);

  std::string StrComparison(TokenCursor& cursor);
  std::string StrConcatenation(TokenCursor& cursor);
  std::string StrOperand(TokenCursor& cursor);
  std::string StrIdentifier(TokenCursor& cursor);

  ScriptContext& context_;
  RoutineCaller calls_;
};

} // namespace zt::script
