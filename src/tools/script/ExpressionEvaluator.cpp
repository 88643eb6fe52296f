#include "tools/script/ExpressionEvaluator.h"

#include "tools/script/ExpressionCompiler.h"
#include "tools/script/NestingGuard.h"
#include "tools/script/ScriptMessages.h"
#include "tools/script/TokenCursor.h"
#include "tools/script/ValueConversion.h"

#include <type_traits>
#include <utility>

namespace zt::script {
namespace {

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

std::int64_t Shift(Word word, std::int64_t value, std::int64_t count) {
  if (count < 0 || count > 127) throw message::Fail(message::kShiftCount, std::to_string(count));
  if (count >= 64) return 0;
  const auto bits = static_cast<int>(count);
  return Wrap(word == Word::Shl ? Bits(value) << bits : Bits(value) >> bits);
}

std::int64_t IntegerFromReal(double value) {
  const auto integer = TruncToInteger(value);
  if (!integer) throw message::Fail(message::kNotAnInteger, FormatReal(value));
  return *integer;
}

// Truth values: -1 and 0 in each type.
std::int64_t Apply(const ChainStep& step, std::int64_t a, std::int64_t b) {
  if (IsComparison(step.op)) return Compare(step.op, a, b) ? -1 : 0;
  switch (step.op) {
  case Word::Plus: return Wrap(Bits(a) + Bits(b));
  case Word::Minus: return Wrap(Bits(a) - Bits(b));
  case Word::Or: return a | b;
  case Word::Xor: return a ^ b;
  case Word::Star: return Wrap(Bits(a) * Bits(b));
  case Word::And: return a & b;
  case Word::Shl:
  case Word::Shr: return Shift(step.op, a, b);
  default:
    if (b == 0) throw message::Fail(message::kDivisionByZero, step.text);
    // The one quotient that does not fit wraps around like the rest.
    if (b == -1) return step.op == Word::Div ? Wrap(0 - Bits(a)) : 0;
    return step.op == Word::Div ? a / b : a % b;
  }
}

double Apply(const ChainStep& step, double a, double b) {
  if (IsComparison(step.op)) return Compare(step.op, a, b) ? -1.0 : 0.0;
  switch (step.op) {
  case Word::Plus: return a + b;
  case Word::Minus: return a - b;
  case Word::Star: return a * b;
  default:
    if (b == 0.0) throw message::Fail(message::kDivisionByZero, step.text);
    return a / b;
  }
}

std::string Apply(const ChainStep& step, std::string a, const std::string& b) {
  if (IsComparison(step.op)) return Compare(step.op, a, b) ? "-1" : "0";
  a += b;
  return a;
}

template <typename T> T LiteralValue(const ExpressionNode& node) {
  if constexpr (std::is_same_v<T, std::int64_t>) return node.intValue;
  else if constexpr (std::is_same_v<T, double>) return node.realValue;
  else return node.strValue;
}

// A function's result as an operand of type T (REAL takes INTEGER results).
template <typename T> T ResultAs(ScriptValue result) {
  if constexpr (std::is_same_v<T, std::int64_t>) return result.intValue;
  else if constexpr (std::is_same_v<T, double>)
    return result.type == ScriptType::Integer ? static_cast<double>(result.intValue) : result.realValue;
  else return std::move(result.strValue);
}

// Gives the argument records back when the call ends, however it ends.
class ArgumentFrame {
public:
  ArgumentFrame(std::size_t& top, std::size_t count) : top_(top), base_(top) { top_ += count; }
  ~ArgumentFrame() { top_ = base_; }
  ArgumentFrame(const ArgumentFrame&) = delete;
  ArgumentFrame& operator=(const ArgumentFrame&) = delete;
  std::size_t Base() const { return base_; }

private:
  std::size_t& top_;
  std::size_t base_;
};

} // namespace

// Starts the evaluation of an expression and goes back to the one it is part
// of when it ends, however it ends.
class ExpressionEvaluator::ExpressionScope {
public:
  ExpressionScope(ExpressionState*& current, const CompiledExpression& expression)
      : current_(current), outer_(current), state_{&expression, expression.generation} {
    current_ = &state_;
  }
  ~ExpressionScope() { current_ = outer_; }
  ExpressionScope(const ExpressionScope&) = delete;
  ExpressionScope& operator=(const ExpressionScope&) = delete;

private:
  ExpressionState*& current_;
  ExpressionState* outer_;
  ExpressionState state_;
};

ExpressionEvaluator::ExpressionEvaluator(ScriptContext& context) : context_(context), calls_(context) {}

std::int64_t ExpressionEvaluator::EvalInt(CompiledExpression& expression) {
  Refresh(expression);
  return EvalRoot<std::int64_t>(expression);
}

void ExpressionEvaluator::Call(CompiledExpression& call) {
  Refresh(call);
  const ExpressionScope scope(state_, call);
  const ExpressionNode& node = call.nodes[call.root];
  if (node.op == NodeOp::Fail) Throw(node);
  EvalCall(call, node);
}

void ExpressionEvaluator::Refresh(CompiledExpression& expression) {
  if (!expression.ValidFor(context_.Generation(), context_.nesting)) Recompile(expression);
}

// The paths that run only after a change of the tables, or to fail, are kept
// out of line, so that the evaluation of the nodes stays small.
[[gnu::noinline]] void ExpressionEvaluator::Recompile(CompiledExpression& expression) {
  expression = ExpressionCompiler::Compile(context_, expression.span, expression.kind);
}

template <typename T> T ExpressionEvaluator::EvalRoot(CompiledExpression& expression) {
  const ExpressionScope scope(state_, expression);
  return Eval<T>(expression, expression.root);
}

ScriptValue ExpressionEvaluator::EvalValue(CompiledExpression& expression) {
  Refresh(expression);
  ScriptValue value;
  switch (expression.kind) {
  case ExpressionKind::Integer: value.intValue = EvalRoot<std::int64_t>(expression); break;
  case ExpressionKind::Real:
    value.type = ScriptType::Real;
    value.realValue = EvalRoot<double>(expression);
    break;
  case ExpressionKind::String:
    value.type = ScriptType::String;
    value.strValue = EvalRoot<std::string>(expression);
    break;
  case ExpressionKind::Call: break;
  }
  return value;
}

template <typename T> T ExpressionEvaluator::Eval(CompiledExpression& tree, std::uint32_t index) {
  const ExpressionNode& node = tree.nodes[index];
  T value = EvalNode<T>(tree, node);
  if (state_->stale && node.level < node.reach) return ContinueLevels<T>(node, std::move(value));
  return value;
}

// The levels the node stands for continue where its tokens actually ended.
template <typename T> [[gnu::noinline]] T ExpressionEvaluator::ContinueLevels(const ExpressionNode& node, T value) {
  for (auto level = node.level; level < node.reach;) {
    level = static_cast<Level>(static_cast<int>(level) + 1);
    value = Continue<T>(node.type, level, std::move(value));
  }
  return value;
}

template <typename T> T ExpressionEvaluator::EvalNode(CompiledExpression& tree, const ExpressionNode& node) {
  const NestingGuard guard(context_, node.nests);
  switch (node.op) {
  case NodeOp::Literal: return LiteralValue<T>(node);
  case NodeOp::Variable: return Read<T>(node);
  case NodeOp::Call: return ResultAs<T>(EvalCall(tree, node));
  case NodeOp::Fail: Throw(node);
  case NodeOp::Sign:
    if constexpr (std::is_same_v<T, std::int64_t>) {
      const std::int64_t value = Eval<T>(tree, node.operand);
      return node.negate ? Wrap(0 - Bits(value)) : value;
    } else if constexpr (std::is_same_v<T, double>) {
      const double value = Eval<T>(tree, node.operand);
      return node.negate ? -value : value;
    }
    break;
  case NodeOp::Complement:
    if constexpr (std::is_same_v<T, std::int64_t>) return ~Eval<T>(tree, node.operand);
    break;
  case NodeOp::Parentheses: {
    T value = Eval<T>(tree, node.operand);
    CloseParentheses(node);
    return value;
  }
  case NodeOp::Convert: return EvalConversion<T>(tree, node);
  case NodeOp::Chain: return EvalChain<T>(tree, node, T{});
  }
  return T{}; // the compiler makes no other node of this type
}

template <typename T> T ExpressionEvaluator::EvalChain(CompiledExpression& tree, const ExpressionNode& node, T value) {
  if (node.operand != kNoNode) value = Eval<T>(tree, node.operand);
  for (std::uint32_t i = 0; i < node.count && !state_->stale; ++i) {
    const ChainStep& step = tree.steps[node.first + i];
    value = Apply(step, std::move(value), Eval<T>(tree, step.operand));
  }
  if (state_->stale) value = Continue<T>(node.type, node.level, std::move(value));
  return value;
}

template <typename T> T ExpressionEvaluator::EvalConversion(CompiledExpression& tree, const ExpressionNode& node) {
  const ScriptType from = tree.nodes[node.operand].type;
  if constexpr (std::is_same_v<T, std::int64_t>) {
    if (from == ScriptType::Real) return IntegerFromReal(Eval<double>(tree, node.operand));
    return ReadInteger(Eval<std::string>(tree, node.operand)).value_or(-1);
  } else if constexpr (std::is_same_v<T, double>) {
    if (from == ScriptType::Integer) return static_cast<double>(Eval<std::int64_t>(tree, node.operand));
    return ReadReal(Eval<std::string>(tree, node.operand)).value_or(0.0);
  }
  return T{}; // nothing converts to text
}

template <typename T> T ExpressionEvaluator::Read(const ExpressionNode& node) {
  Variable& variable = *node.variable;
  if (variable.hostBound) LoadBound(node);
  if constexpr (std::is_same_v<T, std::int64_t>) return variable.intValue;
  else if constexpr (std::is_same_v<T, double>)
    return variable.type == ScriptType::Integer ? static_cast<double>(variable.intValue) : variable.realValue;
  else return variable.strValue;
}

ScriptValue ExpressionEvaluator::EvalCall(CompiledExpression& tree, const ExpressionNode& node) {
  const Routine& routine = *node.routine;
  const ArgumentFrame frame(argumentTop_, node.count);
  if (arguments_.size() < argumentTop_) arguments_.resize(argumentTop_);
  for (std::uint32_t i = 0; i < node.count; ++i) {
    CompiledExpression& argument = tree.arguments[node.first + i];
    ScriptValue value = EvalValue(argument);
    // Taken only now: the evaluation may have called routines that grew the records.
    ScriptArgument& record = arguments_[frame.Base() + i];
    record.name = routine.parameters[i].name;
    static_cast<ScriptValue&>(record) = std::move(value);
  }
  ScriptValue result =
      calls_.Invoke(routine, node.text, std::span<const ScriptArgument>(arguments_.data() + frame.Base(), node.count));
  if (!node.complete) throw message::Fail(message::kGrammar, node.detail);
  NoteTablesChange(node);
  return result;
}

[[gnu::noinline]] void ExpressionEvaluator::LoadBound(const ExpressionNode& node) {
  context_.Load(*node.variable);
  NoteTablesChange(node);
}

[[gnu::noinline]] void ExpressionEvaluator::Throw(const ExpressionNode& node) {
  throw message::Fail(node.message, node.text);
}

void ExpressionEvaluator::CloseParentheses(const ExpressionNode& node) {
  if (state_->stale) CloseParenthesesAfterChange();
  else if (!node.complete) throw message::Fail(message::kMissingParenthesis);
}

// The ")" must follow where the expression inside actually ended.
[[gnu::noinline]] void ExpressionEvaluator::CloseParenthesesAfterChange() {
  TokenCursor cursor(state_->expression->span);
  cursor.MoveTo(state_->position);
  if (!cursor.Is(Word::RightParen)) throw message::Fail(message::kMissingParenthesis);
  state_->position = cursor.Position() + 1;
}

template <typename T> [[gnu::noinline]] T ExpressionEvaluator::Continue(ScriptType type, Level level, T value) {
  CompiledExpression rest = ExpressionCompiler::CompileContinuation(
      context_, {state_->expression->span.list, state_->position, state_->expression->span.end}, type, level);
  // What was just read is valid until the tables change again.
  state_->generation = rest.generation;
  state_->stale = false;
  value = EvalChain<T>(rest, rest.nodes[rest.root], std::move(value));
  if (!state_->stale) state_->position = rest.end;
  state_->stale = true; // the levels around it were read with the old tables too
  return value;
}

void ExpressionEvaluator::NoteTablesChange(const ExpressionNode& node) {
  if (context_.Generation() == state_->generation) [[likely]] return;
  state_->stale = true;
  state_->position = node.end;
}

} // namespace zt::script
