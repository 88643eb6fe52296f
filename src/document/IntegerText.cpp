#include "document/IntegerText.h"

#include "document/Cp932Codec.h"

namespace zt {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  const bool hex = pos < text.size() && text[pos] == '$';
  if (hex) ++pos;
  if (pos == text.size()) return std::nullopt;

  const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  std::uint64_t value = 0;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    const int digit = hex ? HexDigitValue(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
    if (digit < 0) return std::nullopt;
    value = value * (hex ? 16u : 10u) + static_cast<std::uint64_t>(digit);
    if (value > limit) return std::nullopt;
  }
  // Hexadecimal text gives the 32-bit pattern it spells, so "$FFFFFFFF" is -1.
  auto result = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  if (negative) result = static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(result));
  return result;
}

std::string NotAnIntegerMessage(std::string_view text) {
  std::string message = "'";
  message += Utf8FromShiftJis(text);
  message += "' は整数ではありません";
  return message;
}

} // namespace zt
