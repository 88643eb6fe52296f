#include "tools/script/TPPAParser.h"

#include "document/IntegerText.h"

namespace zt::script {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return HexDigitValue(c) >= 0; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsExponentLetter(char c) { return c == 'e' || c == 'E'; }

bool IsTwoCharacterOperator(char first, char second) {
  return (first == ':' && second == '=') || (first == '<' && (second == '=' || second == '>')) ||
         (first == '>' && second == '=') || (first == '.' && second == '.');
}

} // namespace

TPPAParser::TPPAParser(std::string_view text) : text_(text) { Next(); }

void TPPAParser::Next() {
  std::size_t pos = offset_ + length_;
  while (pos < text_.size() && static_cast<unsigned char>(text_[pos]) <= 32) ++pos;
  offset_ = pos;
  selfContained_ = true;
  const auto at = [this](std::size_t p) { return p < text_.size() ? text_[p] : '\0'; };
  const auto hasAt = [this](std::size_t p) { return p < text_.size(); };

  std::size_t end = pos + 1;
  if (!hasAt(pos)) {
    kind_ = TokenKind::End;
    end = pos;
  } else if (at(pos) == '/' && at(pos + 1) == '/') {
    kind_ = TokenKind::Comment;
    selfContained_ = false;
    while (hasAt(end) && at(end) != '\r' && at(end) != '\n') ++end;
  } else if (at(pos) == '\'') {
    kind_ = TokenKind::String;
    selfContained_ = false;
    while (hasAt(end)) {
      if (at(end++) != '\'') continue;
      if (at(end) == '\'') {
        ++end;
        continue;
      }
      selfContained_ = true;
      break;
    }
  } else if (at(pos) == '$') {
    kind_ = TokenKind::Integer;
    while (hasAt(end) && IsHexDigit(at(end))) ++end;
  } else if (at(pos) == '#') {
    kind_ = TokenKind::String;
    if (at(end) == '$') {
      ++end;
      while (hasAt(end) && IsHexDigit(at(end))) ++end;
    } else {
      while (hasAt(end) && IsDigit(at(end))) ++end;
    }
  } else if (hasAt(pos + 1) && IsTwoCharacterOperator(at(pos), at(pos + 1))) {
    kind_ = TokenKind::Operator;
    end = pos + 2;
  } else if (IsDigit(at(pos))) {
    end = ScanNumber(pos);
  } else if (IsLetter(at(pos))) {
    kind_ = TokenKind::Identifier;
    while (hasAt(end) && (IsLetter(at(end)) || IsDigit(at(end)))) ++end;
  } else {
    kind_ = TokenKind::Char;
  }
  length_ = end - pos;
}

// Sets the kind and returns the end of the number that starts at `pos`.
std::size_t TPPAParser::ScanNumber(std::size_t pos) {
  while (pos < text_.size() && IsDigit(text_[pos])) ++pos;
  kind_ = TokenKind::Real;
  if (pos < text_.size() && text_[pos] == '.') {
    const char after = pos + 1 < text_.size() ? text_[pos + 1] : '\0';
    if (IsDigit(after)) {
      ++pos;
      while (pos < text_.size() && IsDigit(text_[pos])) ++pos;
      return pos < text_.size() && IsExponentLetter(text_[pos]) ? ScanExponent(pos) : pos;
    }
    if (IsExponentLetter(after)) return ScanExponent(pos + 1);
    // "1..5" and "1.x": the number ends before the "." but is still a real.
    selfContained_ = false;
    return pos;
  }
  if (pos < text_.size() && IsExponentLetter(text_[pos])) return ScanExponent(pos);
  kind_ = TokenKind::Integer;
  return pos;
}

// `pos` is at the exponent letter; its sign and digits are optional.
std::size_t TPPAParser::ScanExponent(std::size_t pos) const {
  ++pos;
  if (pos < text_.size() && (text_[pos] == '+' || text_[pos] == '-')) ++pos;
  while (pos < text_.size() && IsDigit(text_[pos])) ++pos;
  return pos;
}

} // namespace zt::script
