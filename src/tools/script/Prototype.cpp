#include "tools/script/Prototype.h"

#include "document/IntegerText.h"
#include "tools/script/CaseFolding.h"
#include "tools/script/ScriptMessages.h"
#include "tools/script/TokenCursor.h"

#include <algorithm>

namespace zt::script {
namespace {

// One or more names separated by ",", a ":", and a type.
void ReadParameterGroup(TokenCursor& cursor, std::vector<Parameter>& parameters) {
  const std::size_t groupStart = parameters.size();
  for (;;) {
    if (cursor.Kind() != TokenKind::Identifier) throw message::Fail(message::kGrammar, cursor.Text());
    const std::string& name = cursor.Current().key;
    if (std::ranges::any_of(parameters, [&](const Parameter& p) { return p.name == name; }))
      throw message::Fail(message::kDuplicateParameter, cursor.Text());
    parameters.push_back({name, ScriptType::Integer});
    cursor.Next();
    if (!cursor.Is(Word::Comma)) break;
    cursor.Next();
  }
  if (!cursor.Is(Word::Colon)) throw message::Fail(message::kGrammar, cursor.Text());
  cursor.Next();
  const auto type = TypeNamed(cursor.Current().word);
  if (!type) throw message::Fail(message::kGrammar, cursor.Text());
  for (std::size_t i = groupStart; i < parameters.size(); ++i) parameters[i].type = *type;
  cursor.Next();
}

void ReadParameters(TokenCursor& cursor, std::vector<Parameter>& parameters) {
  cursor.Next(); // "("
  while (!cursor.Is(Word::RightParen)) {
    ReadParameterGroup(cursor, parameters);
    if (cursor.Is(Word::Semicolon)) cursor.Next();
    else if (!cursor.Is(Word::RightParen)) throw message::Fail(message::kGrammar, cursor.Text());
  }
  cursor.Next();
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

Prototype ParsePrototype(std::string_view line, const RoutineTable& procedures, const RoutineTable& functions) {
  const std::string upper = AsciiUpperCase(TrimBlanks(line));
  const std::string_view text = upper;
  Prototype prototype;
  std::string_view rest;
  if (text.starts_with("PROCEDURE ") && text.ends_with(';')) {
    rest = text.substr(10, text.size() - 11);
  } else if (text.starts_with("FUNCTION ") && text.ends_with(';')) {
    prototype.isFunction = true;
    rest = text.substr(9, text.size() - 10);
  } else {
    throw message::Fail(message::kBadPrototype);
  }

  const TokenList tokens{std::string(rest)};
  TokenCursor cursor(TokenSpan::Whole(tokens));
  if (cursor.Kind() != TokenKind::Identifier) throw message::Fail(message::kBadPrototype);
  Routine& routine = prototype.routine;
  routine.name = cursor.Current().key;
  cursor.Next();
  if (procedures.Contains(routine.name) || functions.Contains(routine.name))
    throw message::Fail(message::kDuplicateRoutine, cursor.Text());

  if (cursor.Is(Word::LeftParen)) {
    if (text.find(')') == std::string_view::npos) throw message::Fail(message::kBadPrototype);
    ReadParameters(cursor, routine.parameters);
  }
  if (prototype.isFunction) {
    if (!cursor.Is(Word::Colon)) throw message::Fail(message::kBadPrototype);
    cursor.Next();
    routine.resultType = TypeNamed(cursor.Current().word);
    if (!routine.resultType) throw message::Fail(message::kBadPrototype);
    cursor.Next();
  }
  if (cursor.Is(Word::Semicolon)) {
    cursor.Next();
    if (cursor.Is(Word::Index)) {
      cursor.Next();
      routine.index = ParseInteger(cursor.Text()).value_or(0);
    }
  }
  return prototype;
}

} // namespace zt::script
