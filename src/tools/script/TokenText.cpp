#include "tools/script/TokenText.h"

#include <memory>
#include <string>

namespace zt::script {
namespace {

// What a kept text was made by, beside the two joinings.
constexpr std::uint8_t kTextAfter = 2;

template <typename MakeText>
TokenSpan Kept(TokenSpan span, std::uint8_t derivation, MakeText makeText) {
  DerivedTexts& derived = span.list->Derived();
  const TokenList* text = derived.Find(span.begin, span.end, derivation);
  if (!text) text = &derived.Keep(span.begin, span.end, derivation, std::make_unique<TokenList>(makeText()));
  return TokenSpan::Whole(*text);
}

} // namespace

TokenSpan KeptRejoined(TokenSpan span, Joining joining) {
  return Kept(span, static_cast<std::uint8_t>(joining), [&] {
    std::string text;
    for (std::size_t i = span.begin; i < span.end; ++i) {
      if (joining == Joining::BlankBeforeEach) text += ' ';
      text += span.list->TextOf(span.list->At(i));
      if (joining == Joining::BlankAfterEach) text += ' ';
    }
    return text;
  });
}

TokenSpan KeptTextAfter(TokenSpan span, std::size_t index) {
  // Keyed by the span that follows the token: the text is that span's part of the list's text.
  const TokenSpan rest{span.list, index + 1, span.end};
  return Kept(rest, kTextAfter, [&] {
    const Token& token = span.list->At(index);
    const std::size_t from = token.offset + token.length;
    const std::size_t to = span.list->At(span.end).offset;
    return std::string(span.list->Text().substr(from, to - from));
  });
}

} // namespace zt::script
