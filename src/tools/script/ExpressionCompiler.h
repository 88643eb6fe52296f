#pragma once
// Reads expressions from their tokens into the nodes of a CompiledExpression,
// by the grammar of the language:
//
//   comparison     = additive { ("=" | "<>" | "<" | "<=" | ">" | ">=") additive }
//   additive       = multiplicative { operator multiplicative }
//                    INTEGER: + - OR XOR; REAL: + -; STRING: "+", or nothing
//                    before a string literal (it joins the text before it)
//   multiplicative = [NOT, INTEGER only] operand { operator operand }
//                    INTEGER: * DIV MOD AND SHL SHR; REAL: * /; STRING: none
//   operand        = "(" comparison ")" | ("+" | "-") multiplicative (not STRING)
//                  | literal | variable | function [ "(" arguments ")" ]
//
// The type of an expression is decided by the first token of the text (when
// it is read as an integer) and of each parenthesis; a name counts as the type
// of its variable, else of its function. Each argument of a call is its own
// expression, of the parameter's type. A token that does not fit becomes a
// node that fails; reading stops there.

#include "tools/script/CompiledExpression.h"
#include "tools/script/ScriptContext.h"
#include "tools/script/TokenCursor.h"

#include <optional>
#include <string_view>

namespace zt::script {

class ExpressionCompiler {
public:
  // The expression of `kind` over `span`, read with the symbol tables as they are now.
  static CompiledExpression Compile(ScriptContext& context, TokenSpan span, ExpressionKind kind);
  // The operators of `level` with their operands, for a value of `type`, from
  // the start of `span`: what follows when a value of that level has been
  // read. Its root is a Chain without a first operand.
  static CompiledExpression CompileContinuation(ScriptContext& context, TokenSpan span, ScriptType type, Level level);

private:
  // `depth` is the nesting the expression starts at; operands deeper than the
  // nesting limit allows are not read (they could only fail).
  ExpressionCompiler(ScriptContext& context, CompiledExpression& tree, int depth);
  static CompiledExpression Compile(ScriptContext& context, TokenSpan span, ExpressionKind kind, int depth);

  std::uint32_t ReadRoot(ExpressionKind kind);
  std::uint32_t ReadLevel(ScriptType type, Level level);
  // The operators of `level` after `first` (kNoNode: a value read before).
  std::uint32_t ReadSteps(ScriptType type, Level level, std::uint32_t first);
  std::uint32_t ReadComplement();
  std::uint32_t ReadOperand(ScriptType type);
  std::uint32_t ReadOperandTokens(ScriptType type);
  std::uint32_t ReadSign(ScriptType type);
  std::uint32_t ReadParentheses(ScriptType type);
  std::uint32_t ReadLiteral(ScriptType type);
  std::uint32_t ReadIdentifier(ScriptType type);
  std::uint32_t ReadCall(const Routine& routine, ScriptType type, bool nests);
  // The argument up to a "," or ")" outside parentheses of its own, or the end.
  TokenSpan ReadArgumentTokens();
  // A node that fails with `message`; nothing after it is read.
  std::uint32_t Fail(std::string_view message, std::string_view text, ScriptType type, bool nests);
  std::uint32_t Converted(ScriptType type, std::uint32_t operand);
  std::uint32_t Add(ExpressionNode node);
  std::optional<ScriptType> PeekType();

  ScriptContext& context_;
  CompiledExpression& tree_;
  TokenCursor cursor_;
  int depth_;
};

} // namespace zt::script
