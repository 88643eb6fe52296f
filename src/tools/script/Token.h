#pragma once
// Tokens of the script language.

#include "tools/script/ScriptValue.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace zt::script {

// The numbers are the kind codes of the language.
enum class TokenKind : std::uint8_t {
  End = 0,
  Char = 1, // any other single byte
  String = 2,
  Integer = 3,
  Real = 4,
  Comment = 7,
  Identifier = 8,
  Operator = 100, // two-character operator
};

// The keyword or operator a token spells, found once when the text is
// tokenized. Keywords are still identifiers: a script may name a variable so.
enum class Word : std::uint8_t {
  None,
  Begin, End, Repeat, Until, Case, Of, If, Then, Else, For, To, Downto, Do, While,
  Break, Continue, Exit, Var, Index,
  TypeInteger, TypeReal, TypeString,
  Not, Div, Mod, And, Or, Xor, Shl, Shr,
  Semicolon, Colon, Comma, LeftParen, RightParen, Plus, Minus, Star, Slash,
  Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual, Assign, Range,
};

// How a token changes the level of nested statements: +1 for BEGIN, REPEAT
// and CASE, -1 for END and UNTIL.
inline int DepthChange(Word word) {
  switch (word) {
  case Word::Begin:
  case Word::Repeat:
  case Word::Case: return 1;
  case Word::End:
  case Word::Until: return -1;
  default: return 0;
  }
}

inline bool IsComparison(Word word) {
  return word == Word::Equal || word == Word::NotEqual || word == Word::Less || word == Word::LessEqual ||
         word == Word::Greater || word == Word::GreaterEqual;
}

// The value type a type word (INTEGER, REAL, STRING) names.
inline std::optional<ScriptType> TypeNamed(Word word) {
  switch (word) {
  case Word::TypeInteger: return ScriptType::Integer;
  case Word::TypeReal: return ScriptType::Real;
  case Word::TypeString: return ScriptType::String;
  default: return std::nullopt;
  }
}

struct Variable;
struct Routine;

// What the name of an identifier token stands for in each symbol table,
// remembered for as long as no table changes (the generation tells).
struct SymbolBinding {
  std::uint64_t generation = 0;
  Variable* variable = nullptr;
  const Routine* procedure = nullptr;
  const Routine* function = nullptr;
};

struct Token {
  std::size_t offset = 0;
  std::size_t length = 0;
  TokenKind kind = TokenKind::End;
  Word word = Word::None;
  // False when the token would read differently once a blank follows it (a
  // comment, an unterminated literal, a number cut before a "."): texts
  // rebuilt from such tokens must be tokenized again.
  bool selfContained = true;
  std::string key; // identifiers: the upper-case name the symbol tables use
  std::int64_t integerValue = 0; // integer numbers: the value (0 when it does not fit)
  double realValue = 0.0;        // integer and real numbers: the text read as a real (else 0)
  mutable SymbolBinding binding; // identifiers; filled by ScriptContext::Symbols
};

} // namespace zt::script
