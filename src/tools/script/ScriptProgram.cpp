#include "tools/script/ScriptProgram.h"

#include "tools/script/CaseFolding.h"
#include "tools/script/ScriptMessages.h"
#include "tools/script/TPPAParser.h"
#include "tools/script/TokenCursor.h"

#include <algorithm>
#include <utility>

namespace zt::script {
namespace {

[[noreturn]] void FailGrammar(const TokenCursor& cursor) { throw message::Fail(message::kGrammar, cursor.Text()); }

// Names separated by ",", ":", a type and ";"; the cursor is left after it.
void DeclareVariables(TokenCursor& cursor, VariableTable& variables) {
  std::vector<std::string> names;
  for (;;) {
    if (cursor.Kind() != TokenKind::Identifier) FailGrammar(cursor);
    const std::string name(cursor.Text());
    const bool repeated = std::ranges::any_of(names, [&](const std::string& n) { return SameTextIgnoringCase(n, name); });
    if (repeated || variables.FindName(name) != nullptr) throw message::Fail(message::kDuplicateVariable, name);
    names.push_back(name);
    cursor.Next();
    if (!cursor.Is(Word::Comma)) break;
    cursor.Next();
  }
  if (!cursor.Is(Word::Colon)) FailGrammar(cursor);
  cursor.Next();
  const auto type = TypeNamed(cursor.Current().word);
  if (!type) FailGrammar(cursor);
  cursor.Next();
  if (!cursor.Is(Word::Semicolon)) FailGrammar(cursor);
  cursor.Next();
  for (std::string& name : names) {
    Variable variable;
    variable.type = *type;
    variable.name = name;
    variables.Add(std::move(variable));
  }
}

} // namespace

std::string StripComments(const std::vector<std::string>& source) {
  std::string program;
  for (const std::string& line : source) {
    std::string kept;
    for (TPPAParser parser(line); parser.Kind() != TokenKind::End; parser.Next()) {
      if (parser.Kind() == TokenKind::Comment) continue;
      kept += parser.Text();
      kept += ' ';
    }
    while (!kept.empty() && static_cast<unsigned char>(kept.back()) <= 32) kept.pop_back();
    if (kept.empty()) continue;
    if (!program.empty()) program += "\r\n";
    program += kept;
  }
  return program;
}

ScriptProgram::ScriptProgram(std::string text, VariableTable& variables) : tokens_(std::move(text)) {
  TokenCursor cursor(TokenSpan::Whole(tokens_));
  if (!cursor.Is(Word::Var)) {
    mainBlock_ = TokenSpan::Whole(tokens_);
    return;
  }
  cursor.Next();
  while (!cursor.AtEnd() && !cursor.Is(Word::Begin)) DeclareVariables(cursor, variables);

  // The main block runs from BEGIN up to the last END; what follows is ignored.
  std::size_t lastEnd = tokens_.Size();
  while (lastEnd > 0 && tokens_.At(lastEnd - 1).word != Word::End) --lastEnd;
  if (lastEnd == 0) throw message::Fail(message::kMissingEnd, "Block");
  mainBlock_ = {&tokens_, cursor.Position(), std::max(cursor.Position(), lastEnd - 1)};
}

} // namespace zt::script
