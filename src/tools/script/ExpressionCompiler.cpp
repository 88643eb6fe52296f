#include "tools/script/ExpressionCompiler.h"

#include "tools/script/NestingGuard.h"
#include "tools/script/ScriptMessages.h"
#include "tools/script/TokenText.h"
#include "tools/script/ValueConversion.h"

#include <utility>
#include <vector>

namespace zt::script {
namespace {

bool IsOperatorOf(ScriptType type, Level level, Word word) {
  switch (level) {
  case Level::Comparison: return IsComparison(word);
  case Level::Additive:
    return word == Word::Plus || (type != ScriptType::String && word == Word::Minus) ||
           (type == ScriptType::Integer && (word == Word::Or || word == Word::Xor));
  case Level::Multiplicative:
    if (type == ScriptType::Integer)
      return word == Word::Star || word == Word::Div || word == Word::Mod || word == Word::And || word == Word::Shl ||
             word == Word::Shr;
    return type == ScriptType::Real && (word == Word::Star || word == Word::Slash);
  case Level::Operand: break;
  }
  return false;
}

Level Below(Level level) { return static_cast<Level>(static_cast<int>(level) - 1); }

// Whether an operand of `expected` type may be a variable or function result of `actual` type.
bool Accepts(ScriptType expected, ScriptType actual) {
  switch (expected) {
  case ScriptType::Integer: return actual == ScriptType::Integer;
  case ScriptType::Real: return actual != ScriptType::String;
  case ScriptType::String: return actual == ScriptType::String;
  }
  return false;
}

} // namespace

CompiledExpression ExpressionCompiler::Compile(ScriptContext& context, TokenSpan span, ExpressionKind kind) {
  return Compile(context, span, kind, context.nesting);
}

CompiledExpression ExpressionCompiler::Compile(ScriptContext& context, TokenSpan span, ExpressionKind kind,
                                               int depth) {
  CompiledExpression tree;
  tree.span = span;
  tree.kind = kind;
  ExpressionCompiler compiler(context, tree, depth);
  tree.root = compiler.ReadRoot(kind);
  tree.end = compiler.cursor_.Position();
  return tree;
}

CompiledExpression ExpressionCompiler::CompileContinuation(ScriptContext& context, TokenSpan span, ScriptType type,
                                                           Level level) {
  CompiledExpression tree;
  tree.span = span;
  tree.kind = ExpressionKindOf(type);
  ExpressionCompiler compiler(context, tree, context.nesting);
  tree.root = compiler.ReadSteps(type, level, kNoNode);
  tree.end = compiler.cursor_.Position();
  return tree;
}

ExpressionCompiler::ExpressionCompiler(ScriptContext& context, CompiledExpression& tree, int depth)
    : context_(context), tree_(tree), cursor_(tree.span), depth_(depth) {
  tree_.generation = context.Generation();
  tree_.nesting = depth;
}

std::uint32_t ExpressionCompiler::ReadRoot(ExpressionKind kind) {
  switch (kind) {
  case ExpressionKind::Integer:
    // Text is read as an integer, a real is truncated.
    switch (PeekType().value_or(ScriptType::Integer)) {
    case ScriptType::String: return Converted(ScriptType::Integer, ReadLevel(ScriptType::String, Level::Comparison));
    case ScriptType::Real: return Converted(ScriptType::Integer, ReadLevel(ScriptType::Real, Level::Comparison));
    case ScriptType::Integer: break;
    }
    return ReadLevel(ScriptType::Integer, Level::Comparison);
  case ExpressionKind::Real: return ReadLevel(ScriptType::Real, Level::Comparison);
  case ExpressionKind::String: return ReadLevel(ScriptType::String, Level::Comparison);
  case ExpressionKind::Call: break;
  }
  // A procedure is found before a function of the same name.
  const SymbolBinding& symbols = context_.Symbols(cursor_.Current());
  const Routine* routine = symbols.procedure ? symbols.procedure : symbols.function;
  if (!routine) return Fail(message::kGrammar, cursor_.Text(), ScriptType::Integer, false);
  return ReadCall(*routine, ScriptType::Integer, false);
}

std::uint32_t ExpressionCompiler::ReadLevel(ScriptType type, Level level) {
  if (level == Level::Operand) return ReadOperand(type);
  const bool complement = type == ScriptType::Integer && level == Level::Multiplicative && cursor_.Is(Word::Not);
  return ReadSteps(type, level, complement ? ReadComplement() : ReadLevel(type, Below(level)));
}

std::uint32_t ExpressionCompiler::ReadSteps(ScriptType type, Level level, std::uint32_t first) {
  std::vector<ChainStep> steps;
  for (;;) {
    ChainStep step{cursor_.Current().word, cursor_.Text()};
    if (IsOperatorOf(type, level, step.op)) cursor_.Next();
    else if (type == ScriptType::String && level == Level::Additive && cursor_.Kind() == TokenKind::String)
      step.op = Word::Plus; // a literal right after an operand joins it as if "+" stood before it
    else break;
    step.operand = ReadLevel(type, Below(level));
    steps.push_back(step);
  }
  if (steps.empty() && first != kNoNode) {
    tree_.nodes[first].reach = level;
    return first;
  }
  ExpressionNode chain;
  chain.op = NodeOp::Chain;
  chain.type = type;
  chain.level = level;
  chain.reach = level;
  chain.operand = first;
  chain.first = static_cast<std::uint32_t>(tree_.steps.size());
  chain.count = static_cast<std::uint32_t>(steps.size());
  tree_.steps.insert(tree_.steps.end(), steps.begin(), steps.end());
  return Add(std::move(chain));
}

std::uint32_t ExpressionCompiler::ReadComplement() {
  cursor_.Next();
  ExpressionNode node;
  node.op = NodeOp::Complement;
  node.operand = ReadOperand(ScriptType::Integer);
  return Add(std::move(node));
}

std::uint32_t ExpressionCompiler::ReadOperand(ScriptType type) {
  // Evaluating it would fail with the nesting error: reading it could only
  // exhaust the stack.
  if (depth_ >= NestingGuard::kMaxNesting) {
    tree_.cutByNestingLimit = true;
    return Fail(message::kTooDeep, {}, type, true);
  }
  ++depth_;
  const std::uint32_t node = ReadOperandTokens(type);
  --depth_;
  return node;
}

std::uint32_t ExpressionCompiler::ReadOperandTokens(ScriptType type) {
  if (cursor_.Is(Word::LeftParen)) return ReadParentheses(type);
  if (type != ScriptType::String && (cursor_.Is(Word::Plus) || cursor_.Is(Word::Minus))) return ReadSign(type);
  switch (cursor_.Kind()) {
  case TokenKind::Integer:
    if (type != ScriptType::String) return ReadLiteral(type);
    break;
  case TokenKind::Real:
    if (type == ScriptType::Real) return ReadLiteral(type);
    break;
  case TokenKind::String:
    if (type == ScriptType::String) return ReadLiteral(type);
    break;
  case TokenKind::Identifier: return ReadIdentifier(type);
  default: break;
  }
  return Fail(message::kGrammar, cursor_.Text(), type, true);
}

// The sign applies to the whole product after it.
std::uint32_t ExpressionCompiler::ReadSign(ScriptType type) {
  ExpressionNode node;
  node.op = NodeOp::Sign;
  node.type = type;
  node.nests = true;
  node.negate = cursor_.Is(Word::Minus);
  cursor_.Next();
  node.operand = ReadLevel(type, Level::Multiplicative);
  return Add(std::move(node));
}

// The expression inside is typed by its first token: INTEGER and REAL take
// the other numeric type and text, converted.
std::uint32_t ExpressionCompiler::ReadParentheses(ScriptType type) {
  cursor_.Next();
  const ScriptType inner = type == ScriptType::String ? type : PeekType().value_or(type);
  std::uint32_t operand = ReadLevel(inner, Level::Comparison);
  if (inner != type) operand = Converted(type, operand);
  ExpressionNode node;
  node.op = NodeOp::Parentheses;
  node.type = type;
  node.nests = true;
  node.operand = operand;
  node.complete = cursor_.Is(Word::RightParen);
  if (node.complete) cursor_.Next();
  else cursor_.SkipToEnd(); // evaluation fails after the expression inside
  return Add(std::move(node));
}

std::uint32_t ExpressionCompiler::ReadLiteral(ScriptType type) {
  ExpressionNode node;
  node.op = NodeOp::Literal;
  node.type = type;
  node.nests = true;
  node.intValue = cursor_.Current().integerValue;
  node.realValue = cursor_.Current().realValue;
  if (type == ScriptType::String) node.strValue = ParseStringLiteral(cursor_.Text());
  cursor_.Next();
  return Add(std::move(node));
}

std::uint32_t ExpressionCompiler::ReadIdentifier(ScriptType type) {
  const SymbolBinding& symbols = context_.Symbols(cursor_.Current());
  if (Variable* variable = symbols.variable) {
    if (!Accepts(type, variable->type)) return Fail(message::kVariableType, cursor_.Text(), type, true);
    ExpressionNode node;
    node.op = NodeOp::Variable;
    node.type = type;
    node.nests = true;
    node.variable = variable;
    node.end = cursor_.Position() + 1;
    cursor_.Next();
    return Add(std::move(node));
  }
  if (const Routine* function = symbols.function) {
    if (!Accepts(type, *function->resultType)) return Fail(message::kResultType, cursor_.Text(), type, true);
    return ReadCall(*function, type, true);
  }
  return Fail(message::kUndefined, cursor_.Text(), type, true);
}

// A routine with parameters takes one argument for each, in parentheses; one
// without takes none (parentheses after it are left over).
std::uint32_t ExpressionCompiler::ReadCall(const Routine& routine, ScriptType type, bool nests) {
  ExpressionNode node;
  node.op = NodeOp::Call;
  node.type = type;
  node.nests = nests;
  node.routine = &routine;
  node.text = cursor_.Text();
  cursor_.Next();
  const std::vector<Parameter>& parameters = routine.parameters;
  if (!parameters.empty()) {
    if (!cursor_.Is(Word::LeftParen)) return Fail(message::kGrammar, cursor_.Text(), type, nests);
    cursor_.Next();
  }
  // Each argument is a tree of its own, so they lie together in this one's list.
  node.first = static_cast<std::uint32_t>(tree_.arguments.size());
  node.count = static_cast<std::uint32_t>(parameters.size());
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    const TokenSpan text = Rejoined(ReadArgumentTokens(), Joining::BlankBeforeEach);
    tree_.arguments.push_back(Compile(context_, text, ExpressionKindOf(parameters[i].type), depth_));
    if (i + 1 < parameters.size()) cursor_.Next(); // the separator, whatever it is
  }
  if (!parameters.empty()) {
    node.complete = cursor_.Is(Word::RightParen);
    node.detail = cursor_.Text();
    if (node.complete) cursor_.Next();
    else cursor_.SkipToEnd(); // the call fails once it has run
  }
  node.end = cursor_.Position();
  return Add(std::move(node));
}

TokenSpan ExpressionCompiler::ReadArgumentTokens() {
  const std::size_t start = cursor_.Position();
  for (int depth = 0; !cursor_.AtEnd(); cursor_.Next()) {
    if (cursor_.Is(Word::LeftParen)) {
      ++depth;
    } else if (cursor_.Is(Word::RightParen)) {
      if (depth == 0) break;
      --depth;
    } else if (cursor_.Is(Word::Comma) && depth == 0) {
      break;
    }
  }
  return cursor_.From(start);
}

std::uint32_t ExpressionCompiler::Fail(std::string_view message, std::string_view text, ScriptType type, bool nests) {
  ExpressionNode node;
  node.op = NodeOp::Fail;
  node.type = type;
  node.nests = nests;
  node.message = message;
  node.text = text;
  cursor_.SkipToEnd();
  node.end = cursor_.Position();
  return Add(std::move(node));
}

std::uint32_t ExpressionCompiler::Converted(ScriptType type, std::uint32_t operand) {
  ExpressionNode node;
  node.op = NodeOp::Convert;
  node.type = type;
  // Nothing of the outer type follows inside the conversion.
  node.level = Level::Comparison;
  node.reach = Level::Comparison;
  node.operand = operand;
  return Add(std::move(node));
}

std::uint32_t ExpressionCompiler::Add(ExpressionNode node) {
  tree_.nodes.push_back(std::move(node));
  return static_cast<std::uint32_t>(tree_.nodes.size() - 1);
}

std::optional<ScriptType> ExpressionCompiler::PeekType() {
  switch (cursor_.Kind()) {
  case TokenKind::String: return ScriptType::String;
  case TokenKind::Integer: return ScriptType::Integer;
  case TokenKind::Real: return ScriptType::Real;
  case TokenKind::Identifier: {
    const SymbolBinding& symbols = context_.Symbols(cursor_.Current());
    if (symbols.variable) return symbols.variable->type;
    if (symbols.function) return symbols.function->resultType;
    return std::nullopt;
  }
  default: return std::nullopt;
  }
}

} // namespace zt::script
