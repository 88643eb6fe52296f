#pragma once
// Integer text as the file formats read it: optional blanks, optional sign,
// decimal digits or "$" and hexadecimal digits, within 32 bits.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zt {

std::optional<std::int32_t> ParseInteger(std::string_view text);

// The value of a hexadecimal digit (either case), or -1 for any other character.
int HexDigitValue(char c);

// The message for text that is not an integer: "'text' は整数ではありません"
// (UTF-8; the text is converted from Shift-JIS).
std::string NotAnIntegerMessage(std::string_view text);

} // namespace zt
