#pragma once
// The interpreter passes texts on by joining their tokens with blanks and
// tokenizing the result again. For tokens that read the same with a blank
// after them that is the same run of tokens, so only texts holding other
// tokens are joined and tokenized again; the result owns its tokens then.

#include "tools/script/TokenSpan.h"

#include <memory>

namespace zt::script {

enum class Joining { BlankAfterEach, BlankBeforeEach };

class TokenText {
public:
  // The tokens of `span` joined into one text and tokenized again.
  static TokenText Rejoined(TokenSpan span, Joining joining) {
    return span.SelfContained() ? TokenText(span) : Retokenized(span, joining);
  }
  // The tokens of the part of the span's text that follows token `index`.
  static TokenText After(TokenSpan span, std::size_t index);

  const TokenSpan& Span() const { return span_; }

private:
  static TokenText Retokenized(TokenSpan span, Joining joining);
  explicit TokenText(TokenSpan span) : span_(span) {}
  explicit TokenText(std::string text);

  std::unique_ptr<TokenList> owned_;
  TokenSpan span_;
};

} // namespace zt::script
