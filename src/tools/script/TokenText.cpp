#include "tools/script/TokenText.h"

#include <utility>

namespace zt::script {

TokenText::TokenText(std::string text) : owned_(std::make_unique<TokenList>(std::move(text))) {
  span_ = TokenSpan::Whole(*owned_);
}

TokenText TokenText::Retokenized(TokenSpan span, Joining joining) {
  std::string text;
  for (std::size_t i = span.begin; i < span.end; ++i) {
    if (joining == Joining::BlankBeforeEach) text += ' ';
    text += span.list->TextOf(span.list->At(i));
    if (joining == Joining::BlankAfterEach) text += ' ';
  }
  return TokenText(std::move(text));
}

TokenText TokenText::After(TokenSpan span, std::size_t index) {
  if (span.SelfContained()) return TokenText(TokenSpan{span.list, index + 1, span.end});
  const Token& token = span.list->At(index);
  const std::size_t from = token.offset + token.length;
  const std::size_t to = span.list->At(span.end).offset;
  return TokenText(std::string(span.list->Text().substr(from, to - from)));
}

} // namespace zt::script
