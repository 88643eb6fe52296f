#pragma once
// A text with its tokens, tokenized once, and the texts made from its spans.

#include "tools/script/DerivedTexts.h"
#include "tools/script/Token.h"

#include <string>
#include <string_view>
#include <vector>

namespace zt::script {

class TokenList {
public:
  explicit TokenList(std::string text);

  TokenList(const TokenList&) = delete;
  TokenList& operator=(const TokenList&) = delete;

  std::string_view Text() const { return text_; }
  std::string_view TextOf(const Token& token) const { return std::string_view(text_).substr(token.offset, token.length); }

  // The tokens without the end token; `At(Size())` is the end token.
  std::size_t Size() const { return tokens_.size() - 1; }
  const Token& At(std::size_t index) const { return tokens_[index < tokens_.size() ? index : tokens_.size() - 1]; }

  bool AllSelfContained() const { return allSelfContained_; }

  // The first token from `index` on that is `word` (";", ELSE, END or UNTIL)
  // on the level of nested statements of `index`; Size() when there is none.
  std::size_t NextOnSameLevel(std::size_t index, Word word) const;
  // The first IF from `index` on, on any level; Size() when there is none.
  std::size_t NextIf(std::size_t index) const { return index < Size() ? levels_.anyIf[index] : Size(); }

  // Filled as spans of the list are used; the tokens never change.
  DerivedTexts& Derived() const { return derived_; }

private:
  void FindLevels();
  // One row of NextOnSameLevel answers per word asked for.
  struct Levels {
    std::vector<std::size_t> semicolon, otherwise, end, until, anyIf;
  };
  Levels levels_;
  std::string text_;
  std::vector<Token> tokens_;
  bool allSelfContained_ = true;
  mutable DerivedTexts derived_;
};

} // namespace zt::script
