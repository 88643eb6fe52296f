#include "tools/script/RoutineCaller.h"

#include "tools/script/BuiltinCall.h"
#include "tools/script/ExpressionEvaluator.h"
#include "tools/script/ScriptMessages.h"
#include "tools/script/TokenText.h"

namespace zt::script {
namespace {

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

RoutineCaller::RoutineCaller(ScriptContext& context, ExpressionEvaluator& evaluator)
    : context_(context), evaluator_(evaluator) {}

ScriptValue RoutineCaller::Call(const Routine& routine, std::string_view name, TokenCursor& cursor) {
  const std::vector<Parameter>& parameters = routine.parameters;
  if (!parameters.empty()) {
    if (!cursor.Is(Word::LeftParen)) throw message::Fail(message::kGrammar, cursor.Text());
    cursor.Next();
  }

  const ArgumentFrame frame(argumentTop_, parameters.size());
  if (arguments_.size() < argumentTop_) arguments_.resize(argumentTop_);
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    const TokenText text = TokenText::Rejoined(CollectArgument(cursor), Joining::BlankBeforeEach);
    ScriptValue value = evaluator_.Evaluate(parameters[i].type, text.Span());
    // Taken only now: the evaluation may have called routines that grew the records.
    ScriptArgument& argument = arguments_[frame.Base() + i];
    argument.name = parameters[i].name;
    argument.type = value.type;
    argument.intValue = value.intValue;
    argument.realValue = value.realValue;
    argument.strValue.swap(value.strValue);
    if (i + 1 < parameters.size()) cursor.Next(); // the separator, whatever it is
  }
  const std::span<const ScriptArgument> arguments(arguments_.data() + frame.Base(), parameters.size());

  ScriptValue result;
  result.type = routine.resultType.value_or(ScriptType::Integer);
  if (!routine.builtIn) {
    CallHost(routine, arguments, result);
  } else if (routine.behaviour) {
    BuiltinCall call(context_, arguments, result);
    routine.behaviour(call);
  } else {
    throw message::Fail(routine.resultType ? message::kUnknownBuiltinFunction : message::kUnknownBuiltinProcedure,
                        name);
  }

  if (!parameters.empty()) {
    if (!cursor.Is(Word::RightParen)) throw message::Fail(message::kGrammar, cursor.Text());
    cursor.Next();
  }
  return result;
}

TokenSpan RoutineCaller::CollectArgument(TokenCursor& cursor) {
  const std::size_t start = cursor.Position();
  int depth = 0;
  for (; !cursor.AtEnd(); cursor.Next()) {
    if (cursor.Is(Word::LeftParen)) {
      ++depth;
    } else if (cursor.Is(Word::RightParen)) {
      if (depth == 0) break;
      --depth;
    } else if (cursor.Is(Word::Comma) && depth == 0) {
      break;
    }
  }
  return cursor.From(start);
}

void RoutineCaller::CallHost(const Routine& routine, std::span<const ScriptArgument> arguments, ScriptValue& result) {
  ScriptHost& host = *context_.host;
  int errorCode = 0;
  if (!routine.resultType) {
    errorCode = host.ProcParam(routine.name, routine.index, arguments);
  } else {
    switch (*routine.resultType) {
    case ScriptType::Integer:
      errorCode = host.IntFuncParam(routine.name, routine.index, arguments, result.intValue);
      break;
    case ScriptType::Real:
      errorCode = host.RealFuncParam(routine.name, routine.index, arguments, result.realValue);
      break;
    case ScriptType::String:
      errorCode = host.StrFuncParam(routine.name, routine.index, arguments, result.strValue);
      break;
    }
  }
  context_.CheckHostCode(errorCode);
}

} // namespace zt::script
