#pragma once
// Reads statements from their tokens into CompiledStatements. A statement is
// typed by its first token: a routine call, an assignment, or one of the
// statement words; a call may be followed by an assignment or a statement
// word. The parts of a compound statement are cut out as texts (their tokens
// joined and tokenized again) and read as blocks or conditions of their own.

#include "tools/script/CompiledStatement.h"
#include "tools/script/ScriptContext.h"
#include "tools/script/TokenCursor.h"

namespace zt::script {

class StatementCompiler {
public:
  explicit StatementCompiler(ScriptContext& context);

  // The statements of the block, not read yet.
  static CompiledBlock Block(TokenSpan block);
  // Reads the statement of `statement.span` with the tables as they are now.
  void Read(CompiledStatement& statement);
  // What follows a routine call that ended at the cursor.
  StatementForm ReadAfterCall(TokenCursor& cursor);

private:
  // `understood`: a call came before; without it, nothing to read is an error.
  StatementForm ReadForm(TokenCursor& cursor, bool understood);
  StatementForm ReadAssignment(Variable& variable, TokenCursor& cursor);
  StatementForm ReadWord(TokenCursor& cursor);
  StatementForm ReadBeginEnd(TokenCursor& cursor);
  StatementForm ReadIf(TokenCursor& cursor);
  StatementForm ReadFor(TokenCursor& cursor);
  StatementForm ReadWhile(TokenCursor& cursor);
  StatementForm ReadRepeat(TokenCursor& cursor);
  StatementForm ReadCase(TokenCursor& cursor);
  // Labels are values and ranges a..b, separated by "," outside parentheses.
  std::vector<CaseLabel> ReadLabels(TokenSpan taken);

  // A cut-out part: a block of statements, or a condition read as an integer.
  static CompiledBlock Body(TokenSpan taken);
  CompiledExpression Condition(TokenSpan taken);

  ScriptContext& context_;
};

} // namespace zt::script
