#pragma once
// Reads a TokenSpan token by token. Past its end the current token is the end
// token (kind End, empty text).

#include "tools/script/TokenSpan.h"

namespace zt::script {

class TokenCursor {
public:
  explicit TokenCursor(TokenSpan span) : span_(span), pos_(span.begin) { Settle(); }

  const Token& Current() const { return *current_; }
  TokenKind Kind() const { return Current().kind; }
  bool Is(Word word) const { return Current().word == word; }
  std::string_view Text() const { return span_.list->TextOf(Current()); }
  bool AtEnd() const { return pos_ >= span_.end; }
  void Next() {
    if (pos_ < span_.end) ++pos_;
    Settle();
  }
  void SkipToEnd() { MoveTo(span_.end); }
  // Moves to `index` within the span, or to its end.
  void MoveTo(std::size_t index) {
    pos_ = index < span_.end ? index : span_.end;
    Settle();
  }
  const TokenList& List() const { return *span_.list; }

  std::size_t Position() const { return pos_; }
  const TokenSpan& Span() const { return span_; }
  // The tokens from `start` up to, not including, the current one.
  TokenSpan From(std::size_t start) const { return {span_.list, start, pos_ < span_.end ? pos_ : span_.end}; }
  // The tokens from the current one to the end.
  TokenSpan Rest() const { return {span_.list, pos_ < span_.end ? pos_ : span_.end, span_.end}; }

private:
  void Settle() { current_ = &span_.list->At(pos_ < span_.end ? pos_ : span_.list->Size()); }

  TokenSpan span_;
  std::size_t pos_;
  const Token* current_ = nullptr;
};

} // namespace zt::script
