#pragma once
// An expression as the evaluator reads it from its tokens, kept so that a text
// evaluated again is not read again. Reading it depends on the symbol tables
// (the type of a name decides how the tokens after it read), so it is valid
// only for the tables' generation it was read with. Everything that can only
// fail once reached (a token that does not fit, a name not declared) is a node
// that fails, so the errors come in the order of evaluation.

#include "tools/script/Routine.h"
#include "tools/script/TokenSpan.h"
#include "tools/script/Token.h"
#include "tools/script/Variable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zt::script {

// What a text is evaluated as.
enum class ExpressionKind : std::uint8_t {
  Integer, // typed by its first token and read as an integer
  Real,
  String,
  Call, // the routine named by its first token, called as a statement
};

// How a text of a value type is evaluated.
inline ExpressionKind ExpressionKindOf(ScriptType type) {
  switch (type) {
  case ScriptType::Integer: return ExpressionKind::Integer;
  case ScriptType::Real: return ExpressionKind::Real;
  case ScriptType::String: return ExpressionKind::String;
  }
  return ExpressionKind::Integer;
}

// The levels of an expression, from the operand up; a level joins operands of
// the level below with its operators. STRING has no multiplicative level.
enum class Level : std::uint8_t { Operand, Multiplicative, Additive, Comparison };

enum class NodeOp : std::uint8_t {
  Literal,     // its value
  Variable,    // the variable's value, read through the host when bound
  Call,        // the routine's result
  Fail,        // ends the run with its message
  Sign,        // "+" or "-" before a product
  Complement,  // NOT before the first operand of a product
  Parentheses, // the value of the expression inside
  Convert,     // the value of an expression of another type, converted
  Chain,       // an operand, then operators of one level with their operands
};

inline constexpr std::uint32_t kNoNode = UINT32_MAX;

struct ExpressionNode {
  NodeOp op = NodeOp::Literal;
  ScriptType type = ScriptType::Integer; // of its value
  // The level the node was read at, and the highest level it stands for:
  // levels without operators of their own are not nodes.
  Level level = Level::Operand;
  Level reach = Level::Operand;
  bool nests = false;    // an operand: one level of nesting while it is evaluated
  bool negate = false;   // Sign: "-"
  bool complete = true;  // Parentheses, Call: the closing ")" follows
  std::uint32_t operand = kNoNode; // Sign, Complement, Parentheses, Convert; Chain: its first operand
                                   // (kNoNode: the value it continues)
  std::uint32_t first = 0; // Chain: its first step; Call: its first argument
  std::uint32_t count = 0; // ... and how many
  std::size_t end = 0;     // Variable, Call, Fail: the position after its tokens
  std::int64_t intValue = 0;
  double realValue = 0.0;
  std::string strValue;
  Variable* variable = nullptr;
  const Routine* routine = nullptr;
  std::string_view message; // Fail
  std::string_view text;    // Fail: in place of "%s"; Call: the routine's name as written
  std::string_view detail;  // Call: the token found where ")" should be
};

struct ChainStep {
  Word op = Word::None;
  std::string_view text; // the operator as written, for the division-by-zero message
  std::uint32_t operand = kNoNode;
};

struct CompiledExpression {
  // Whether it reads as it did when compiled: the tables are unchanged, and
  // when the nesting limit cut it, the run is nested at least as deeply (so
  // that evaluation fails with the nesting error before the cut).
  bool ValidFor(std::uint64_t tablesGeneration, int currentNesting) const {
    return generation == tablesGeneration && (!cutByNestingLimit || currentNesting >= nesting);
  }

  TokenSpan span;
  ExpressionKind kind = ExpressionKind::Integer;
  std::uint64_t generation = 0;
  int nesting = 0; // at the time of compiling
  bool cutByNestingLimit = false;
  std::uint32_t root = kNoNode;
  std::size_t end = 0; // the position after the last token read
  std::vector<ExpressionNode> nodes;
  std::vector<ChainStep> steps;
  std::vector<CompiledExpression> arguments; // each argument of a call is an expression of its own
};

} // namespace zt::script
