#include "tools/script/ExpressionEvaluator.h"

#include "tools/script/NestingGuard.h"
#include "tools/script/ScriptMessages.h"
#include "tools/script/ValueConversion.h"

namespace zt::script {
namespace {

bool IsComparison(Word word) {
  return word == Word::Equal || word == Word::NotEqual || word == Word::Less || word == Word::LessEqual ||
         word == Word::Greater || word == Word::GreaterEqual;
}

template <typename T> bool Compare(Word word, const T& a, const T& b) {
  switch (word) {
  case Word::Equal: return a == b;
  case Word::NotEqual: return a != b;
  case Word::Less: return a < b;
  case Word::LessEqual: return a <= b;
  case Word::Greater: return a > b;
  default: return a >= b;
  }
}

// INTEGER arithmetic wraps around on 64 bits.
std::int64_t Wrap(std::uint64_t value) { return static_cast<std::int64_t>(value); }
std::uint64_t Bits(std::int64_t value) { return static_cast<std::uint64_t>(value); }

[[noreturn]] void FailGrammar(const TokenCursor& cursor) { throw message::Fail(message::kGrammar, cursor.Text()); }

void ExpectRightParenthesis(TokenCursor& cursor) {
  if (!cursor.Is(Word::RightParen)) throw message::Fail(message::kMissingParenthesis);
  cursor.Next();
}

std::int64_t Shift(Word word, std::int64_t value, std::int64_t count) {
  if (count < 0 || count > 127) throw message::Fail(message::kShiftCount, std::to_string(count));
  if (count >= 64) return 0;
  const auto bits = static_cast<int>(count);
  return Wrap(word == Word::Shl ? Bits(value) << bits : Bits(value) >> bits);
}

} // namespace

ExpressionEvaluator::ExpressionEvaluator(ScriptContext& context) : context_(context), calls_(context, *this) {}

std::int64_t ExpressionEvaluator::EvalIntText(TokenSpan text) {
  TokenCursor cursor(text);
  switch (PeekType(cursor).value_or(ScriptType::Integer)) {
  case ScriptType::String: return ReadInteger(StrComparison(cursor)).value_or(-1);
  case ScriptType::Real: return IntegerFromReal(RealComparison(cursor));
  case ScriptType::Integer: break;
  }
  return IntComparison(cursor);
}

double ExpressionEvaluator::EvalRealText(TokenSpan text) {
  TokenCursor cursor(text);
  return RealComparison(cursor);
}

std::string ExpressionEvaluator::EvalStrText(TokenSpan text) {
  TokenCursor cursor(text);
  return StrComparison(cursor);
}

ScriptValue ExpressionEvaluator::Evaluate(ScriptType type, TokenSpan text) {
  ScriptValue value;
  value.type = type;
  switch (type) {
  case ScriptType::Integer: value.intValue = EvalIntText(text); break;
  case ScriptType::Real: value.realValue = EvalRealText(text); break;
  case ScriptType::String: value.strValue = EvalStrText(text); break;
  }
  return value;
}

std::optional<ScriptType> ExpressionEvaluator::PeekType(const TokenCursor& cursor) {
  switch (cursor.Kind()) {
  case TokenKind::String: return ScriptType::String;
  case TokenKind::Integer: return ScriptType::Integer;
  case TokenKind::Real: return ScriptType::Real;
  case TokenKind::Identifier:
    if (const Variable* variable = FindVariable(cursor)) return variable->type;
    if (const Routine* function = FindFunction(cursor)) return function->resultType;
    return std::nullopt;
  default: return std::nullopt;
  }
}

Variable* ExpressionEvaluator::FindVariable(const TokenCursor& cursor) {
  return context_.Symbols(cursor.Current()).variable;
}

const Routine* ExpressionEvaluator::FindFunction(const TokenCursor& cursor) {
  return context_.Symbols(cursor.Current()).function;
}

ScriptValue ExpressionEvaluator::CallFunction(const Routine& function, TokenCursor& cursor) {
  const std::string_view name = cursor.Text();
  cursor.Next();
  return calls_.Call(function, name, cursor);
}

std::int64_t ExpressionEvaluator::IntegerFromReal(double value) {
  const auto integer = TruncToInteger(value);
  if (!integer) throw message::Fail(message::kNotAnInteger, FormatReal(value));
  return *integer;
}

// INTEGER expressions ------------------------------------------------------

std::int64_t ExpressionEvaluator::IntComparison(TokenCursor& cursor) {
  std::int64_t value = IntAdditive(cursor);
  while (IsComparison(cursor.Current().word)) {
    const Word op = cursor.Current().word;
    cursor.Next();
    value = Compare(op, value, IntAdditive(cursor)) ? -1 : 0;
  }
  return value;
}

std::int64_t ExpressionEvaluator::IntAdditive(TokenCursor& cursor) {
  std::int64_t value = IntMultiplicative(cursor);
  for (;;) {
    const Word op = cursor.Current().word;
    if (op != Word::Plus && op != Word::Minus && op != Word::Or && op != Word::Xor) return value;
    cursor.Next();
    const std::int64_t operand = IntMultiplicative(cursor);
    switch (op) {
    case Word::Plus: value = Wrap(Bits(value) + Bits(operand)); break;
    case Word::Minus: value = Wrap(Bits(value) - Bits(operand)); break;
    case Word::Or: value |= operand; break;
    default: value ^= operand; break;
    }
  }
}

std::int64_t ExpressionEvaluator::IntMultiplicative(TokenCursor& cursor) {
  std::int64_t value;
  if (cursor.Is(Word::Not)) {
    cursor.Next();
    value = ~IntOperand(cursor);
  } else {
    value = IntOperand(cursor);
  }
  for (;;) {
    const Word op = cursor.Current().word;
    if (op != Word::Star && op != Word::Div && op != Word::Mod && op != Word::And && op != Word::Shl &&
        op != Word::Shr)
      return value;
    const std::string_view opText = cursor.Text();
    cursor.Next();
    const std::int64_t operand = IntOperand(cursor);
    switch (op) {
    case Word::Star: value = Wrap(Bits(value) * Bits(operand)); break;
    case Word::And: value &= operand; break;
    case Word::Shl:
    case Word::Shr: value = Shift(op, value, operand); break;
    default:
      if (operand == 0) throw message::Fail(message::kDivisionByZero, opText);
      // The one quotient that does not fit wraps around like the rest.
      if (operand == -1) value = op == Word::Div ? Wrap(0 - Bits(value)) : 0;
      else value = op == Word::Div ? value / operand : value % operand;
      break;
    }
  }
}

std::int64_t ExpressionEvaluator::IntOperand(TokenCursor& cursor) {
  const NestingGuard guard(context_);
  switch (cursor.Current().word) {
  case Word::LeftParen: {
    cursor.Next();
    std::int64_t value = 0;
    switch (PeekType(cursor).value_or(ScriptType::Integer)) {
    case ScriptType::Real: value = IntegerFromReal(RealComparison(cursor)); break;
    case ScriptType::String: value = ReadInteger(StrComparison(cursor)).value_or(-1); break;
    case ScriptType::Integer: value = IntComparison(cursor); break;
    }
    ExpectRightParenthesis(cursor);
    return value;
  }
  case Word::Plus:
  case Word::Minus: {
    const bool negate = cursor.Is(Word::Minus);
    cursor.Next();
    const std::int64_t value = IntMultiplicative(cursor);
    return negate ? Wrap(0 - Bits(value)) : value;
  }
  default: break;
  }
  if (cursor.Kind() == TokenKind::Integer) {
    const std::int64_t value = cursor.Current().integerValue;
    cursor.Next();
    return value;
  }
  if (cursor.Kind() == TokenKind::Identifier) return IntIdentifier(cursor);
  FailGrammar(cursor);
}

std::int64_t ExpressionEvaluator::IntIdentifier(TokenCursor& cursor) {
  if (Variable* variable = FindVariable(cursor)) {
    if (variable->type != ScriptType::Integer) throw message::Fail(message::kVariableType, cursor.Text());
    context_.Load(*variable);
    cursor.Next();
    return variable->intValue;
  }
  if (const Routine* function = FindFunction(cursor)) {
    if (function->resultType != ScriptType::Integer) throw message::Fail(message::kResultType, cursor.Text());
    return CallFunction(*function, cursor).intValue;
  }
  throw message::Fail(message::kUndefined, cursor.Text());
}

// REAL expressions ---------------------------------------------------------

double ExpressionEvaluator::RealComparison(TokenCursor& cursor) {
  double value = RealAdditive(cursor);
  while (IsComparison(cursor.Current().word)) {
    const Word op = cursor.Current().word;
    cursor.Next();
    value = Compare(op, value, RealAdditive(cursor)) ? -1.0 : 0.0;
  }
  return value;
}

double ExpressionEvaluator::RealAdditive(TokenCursor& cursor) {
  double value = RealMultiplicative(cursor);
  while (cursor.Is(Word::Plus) || cursor.Is(Word::Minus)) {
    const bool add = cursor.Is(Word::Plus);
    cursor.Next();
    const double operand = RealMultiplicative(cursor);
    value = add ? value + operand : value - operand;
  }
  return value;
}

double ExpressionEvaluator::RealMultiplicative(TokenCursor& cursor) {
  double value = RealOperand(cursor);
  while (cursor.Is(Word::Star) || cursor.Is(Word::Slash)) {
    const bool multiply = cursor.Is(Word::Star);
    const std::string_view opText = cursor.Text();
    cursor.Next();
    const double operand = RealOperand(cursor);
    if (!multiply && operand == 0.0) throw message::Fail(message::kDivisionByZero, opText);
    value = multiply ? value * operand : value / operand;
  }
  return value;
}

double ExpressionEvaluator::RealOperand(TokenCursor& cursor) {
  const NestingGuard guard(context_);
  switch (cursor.Current().word) {
  case Word::LeftParen: {
    cursor.Next();
    double value = 0.0;
    switch (PeekType(cursor).value_or(ScriptType::Real)) {
    case ScriptType::Integer: value = static_cast<double>(IntComparison(cursor)); break;
    case ScriptType::String: value = ReadReal(StrComparison(cursor)).value_or(0.0); break;
    case ScriptType::Real: value = RealComparison(cursor); break;
    }
    ExpectRightParenthesis(cursor);
    return value;
  }
  case Word::Plus:
  case Word::Minus: {
    const bool negate = cursor.Is(Word::Minus);
    cursor.Next();
    const double value = RealMultiplicative(cursor);
    return negate ? -value : value;
  }
  default: break;
  }
  if (cursor.Kind() == TokenKind::Integer || cursor.Kind() == TokenKind::Real) {
    const double value = cursor.Current().realValue;
    cursor.Next();
    return value;
  }
  if (cursor.Kind() == TokenKind::Identifier) return RealIdentifier(cursor);
  FailGrammar(cursor);
}

double ExpressionEvaluator::RealIdentifier(TokenCursor& cursor) {
  if (Variable* variable = FindVariable(cursor)) {
    if (variable->type == ScriptType::String) throw message::Fail(message::kVariableType, cursor.Text());
    context_.Load(*variable);
    cursor.Next();
    return variable->type == ScriptType::Integer ? static_cast<double>(variable->intValue) : variable->realValue;
  }
  if (const Routine* function = FindFunction(cursor)) {
    if (function->resultType == ScriptType::String) throw message::Fail(message::kResultType, cursor.Text());
    const ScriptValue result = CallFunction(*function, cursor);
    return result.type == ScriptType::Integer ? static_cast<double>(result.intValue) : result.realValue;
  }
  throw message::Fail(message::kUndefined, cursor.Text());
}

// STRING expressions -------------------------------------------------------

std::string ExpressionEvaluator::StrComparison(TokenCursor& cursor) {
  std::string value = StrConcatenation(cursor);
  while (IsComparison(cursor.Current().word)) {
    const Word op = cursor.Current().word;
    cursor.Next();
    value = Compare(op, value, StrConcatenation(cursor)) ? "-1" : "0";
  }
  return value;
}

std::string ExpressionEvaluator::StrConcatenation(TokenCursor& cursor) {
  std::string value = StrOperand(cursor);
  for (;;) {
    // A literal right after an operand joins it as if "+" stood before it.
    if (cursor.Is(Word::Plus)) cursor.Next();
    else if (cursor.Kind() != TokenKind::String) return value;
    value += StrOperand(cursor);
  }
}

std::string ExpressionEvaluator::StrOperand(TokenCursor& cursor) {
  const NestingGuard guard(context_);
  if (cursor.Is(Word::LeftParen)) {
    cursor.Next();
    std::string value = StrComparison(cursor);
    ExpectRightParenthesis(cursor);
    return value;
  }
  if (cursor.Kind() == TokenKind::String) {
    std::string value = ParseStringLiteral(cursor.Text());
    cursor.Next();
    return value;
  }
  if (cursor.Kind() == TokenKind::Identifier) return StrIdentifier(cursor);
  FailGrammar(cursor);
}

std::string ExpressionEvaluator::StrIdentifier(TokenCursor& cursor) {
  if (Variable* variable = FindVariable(cursor)) {
    if (variable->type != ScriptType::String) throw message::Fail(message::kVariableType, cursor.Text());
    context_.Load(*variable);
    cursor.Next();
    return variable->strValue;
  }
  if (const Routine* function = FindFunction(cursor)) {
    if (function->resultType != ScriptType::String) throw message::Fail(message::kResultType, cursor.Text());
    return std::move(CallFunction(*function, cursor).strValue);
  }
  throw message::Fail(message::kUndefined, cursor.Text());
}

} // namespace zt::script
