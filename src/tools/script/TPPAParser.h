#pragma once
// The tokenizer: walks a text one token at a time.

#include "tools/script/Token.h"

#include <string_view>

namespace zt::script {

class TPPAParser {
public:
  // Positioned at the first token.
  explicit TPPAParser(std::string_view text);

  void Next();

  TokenKind Kind() const { return kind_; }
  std::string_view Text() const { return text_.substr(offset_, length_); }
  std::size_t Offset() const { return offset_; }
  bool SelfContained() const { return selfContained_; }

private:
  std::size_t ScanNumber(std::size_t pos);
  std::size_t ScanExponent(std::size_t pos) const;

  std::string_view text_;
  std::size_t offset_ = 0;
  std::size_t length_ = 0;
  TokenKind kind_ = TokenKind::End;
  bool selfContained_ = true;
};

} // namespace zt::script
