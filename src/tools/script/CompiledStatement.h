#pragma once
// Statements as the executor reads them from their tokens, kept so that a
// statement that runs again is not read again. A statement is typed by the
// symbol tables (a name can be a routine, a variable or a statement word), so
// it is valid only for the tables' generation it was read with. How its parts
// are cut from its tokens depends on the tokens alone. Each part is read when
// the statement is: its condition and expressions, and its bodies as lists of
// statements; the statements of a body are read when they first run.

#include "tools/script/CompiledExpression.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

namespace zt::script {

struct CompiledStatement;

// The statements of a block, each read when it first runs.
struct CompiledBlock {
  std::vector<CompiledStatement> statements;
};

// Ends the run with its message (a statement that could not be read).
struct StatementFailure {
  std::string_view message;
  std::string_view text; // in place of "%s"
};

struct Assignment {
  Variable* variable = nullptr;
  CompiledExpression value;
};

struct BeginEndStatement {
  CompiledBlock body;
};

// BREAK, CONTINUE or EXIT.
struct FlowStatement {
  Word word = Word::None;
};

struct IfStatement {
  CompiledExpression condition;
  CompiledBlock thenPart;
  std::optional<CompiledBlock> elsePart;
};

struct ForStatement {
  std::unique_ptr<CompiledStatement> head; // "v := a", run as a statement
  Variable* variable = nullptr;
  bool downward = false;
  CompiledExpression limit;
  CompiledBlock body;
};

struct WhileStatement {
  CompiledExpression condition;
  CompiledBlock body;
};

struct RepeatStatement {
  CompiledBlock body;
  CompiledExpression condition;
};

// A value, or with `high` the range low..high.
struct CaseLabel {
  CompiledExpression low;
  std::optional<CompiledExpression> high;
};

struct CaseBranch {
  std::vector<CaseLabel> labels;
  CompiledBlock body;
};

struct CaseStatement {
  CompiledExpression selector;
  std::vector<CaseBranch> branches;
  // A branch that could not be read: the run ends there, after the branches before it.
  std::optional<StatementFailure> brokenBranch;
  std::optional<CompiledBlock> otherwise;
  bool closed = true; // the END of the case follows
};

// What a statement does after the routine call it may start with.
// std::monostate: nothing more.
using StatementForm = std::variant<std::monostate, StatementFailure, Assignment, BeginEndStatement, FlowStatement,
                                   IfStatement, ForStatement, WhileStatement, RepeatStatement, CaseStatement>;

struct CompiledStatement {
  TokenSpan span;
  std::uint64_t generation = 0; // 0: not read yet
  // The procedure or function its first token names, and where its call ends.
  std::optional<CompiledExpression> call;
  std::size_t callEnd = 0;
  StatementForm form;
};

} // namespace zt::script
