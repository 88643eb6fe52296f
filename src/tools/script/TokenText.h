#pragma once
// The interpreter passes texts on by joining their tokens with blanks and
// tokenizing the result again. For tokens that read the same with a blank
// after them that is the same run of tokens, so only texts holding other
// tokens are joined and tokenized again; such a text is kept by the list of
// the span it comes from, so that it is made once however often it runs.

#include "tools/script/TokenSpan.h"

#include <cstdint>

namespace zt::script {

enum class Joining : std::uint8_t { BlankAfterEach, BlankBeforeEach };

// The tokens of the spans that need it, joined and tokenized again, and kept.
TokenSpan KeptRejoined(TokenSpan span, Joining joining);
TokenSpan KeptTextAfter(TokenSpan span, std::size_t index);

// The tokens of `span` joined into one text and tokenized again.
inline TokenSpan Rejoined(TokenSpan span, Joining joining) {
  return span.SelfContained() ? span : KeptRejoined(span, joining);
}

// The tokens of the part of the span's text that follows token `index`.
inline TokenSpan TextAfter(TokenSpan span, std::size_t index) {
  return span.SelfContained() ? TokenSpan{span.list, index + 1, span.end} : KeptTextAfter(span, index);
}

} // namespace zt::script
