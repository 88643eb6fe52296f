#pragma once
// Evaluates INTEGER, REAL and STRING expressions, and routine calls, from
// tokens. An expression is typed by its operands as they come: there is no
// conversion between the types except where the language names one. Tokens
// left over after a complete expression are ignored.
//
// A text is read once into a CompiledExpression, kept by its statement, and
// read again only when the symbol tables have changed since.

#include "tools/script/CompiledExpression.h"
#include "tools/script/RoutineCaller.h"
#include "tools/script/ScriptContext.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zt::script {

class ExpressionEvaluator {
public:
  explicit ExpressionEvaluator(ScriptContext& context);

  // Each expression is read again first when the tables have changed since it
  // was read.
  // An INTEGER expression, or one typed by its first token: text is read as
  // an integer (-1 when it is not one), a real is truncated toward zero.
  std::int64_t EvalInt(CompiledExpression& expression);
  // The value of an expression of any value type.
  ScriptValue EvalValue(CompiledExpression& expression);
  // Calls the routine of a statement (ExpressionKind::Call); a function's
  // result is dropped.
  void Call(CompiledExpression& call);

private:
  // What the evaluation of one expression needs to know (an argument is an
  // expression of its own).
  struct ExpressionState {
    const CompiledExpression* expression;
    std::uint64_t generation; // of the tables the nodes being evaluated were read with
    // Set when a routine or a host-bound variable changed the tables: the
    // nodes after it may read differently now, so the rest of the expression
    // is read again from `position`, the first token not yet evaluated.
    bool stale = false;
    std::size_t position = 0;
  };
  class ExpressionScope;

  void Refresh(CompiledExpression& expression);
  void Recompile(CompiledExpression& expression);
  // The caller has refreshed the expression.
  template <typename T> T EvalRoot(CompiledExpression& expression);

  template <typename T> T Eval(CompiledExpression& tree, std::uint32_t index);
  template <typename T> T EvalNode(CompiledExpression& tree, const ExpressionNode& node);
  template <typename T> T EvalChain(CompiledExpression& tree, const ExpressionNode& node, T value);
  template <typename T> T EvalConversion(CompiledExpression& tree, const ExpressionNode& node);
  template <typename T> T Read(const ExpressionNode& node);
  void LoadBound(const ExpressionNode& node);
  [[noreturn]] void Throw(const ExpressionNode& node);
  ScriptValue EvalCall(CompiledExpression& tree, const ExpressionNode& node);
  void CloseParentheses(const ExpressionNode& node);
  void CloseParenthesesAfterChange();
  // After a change of the tables: reads and evaluates what follows a value of
  // `level` anew, from the first token not yet evaluated.
  template <typename T> T Continue(ScriptType type, Level level, T value);
  template <typename T> T ContinueLevels(const ExpressionNode& node, T value);
  void NoteTablesChange(const ExpressionNode& node);

  ScriptContext& context_;
  RoutineCaller calls_;
  ExpressionState* state_ = nullptr; // of the expression being evaluated
  // Argument records of the calls in progress, reused from call to call; a
  // nested call (in an argument) takes the records above those of its caller.
  std::vector<ScriptArgument> arguments_;
  std::size_t argumentTop_ = 0;
};

} // namespace zt::script
