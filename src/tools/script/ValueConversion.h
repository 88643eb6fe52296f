#pragma once
// Conversions between the value types and their texts.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zt::script {

// Leading blanks, an optional sign, then decimal digits or "$" and up to 16
// hexadecimal digits (the 64-bit pattern they spell); nothing else after them.
std::optional<std::int64_t> ReadInteger(std::string_view text);

// Leading and trailing blanks, an optional sign, digits with an optional "."
// and an optional exponent. Text outside the range of a double is no number.
std::optional<double> ReadReal(std::string_view text);

// The shortest general text with up to 15 significant digits: fixed notation
// while the decimal exponent lies within -4 and 14, else "E" notation.
std::string FormatReal(double value);

// Toward zero, and to the nearest value with halves to the even neighbour;
// nothing when the result does not fit 64 bits (NaN and infinities included).
std::optional<std::int64_t> TruncToInteger(double value);
std::optional<std::int64_t> RoundToInteger(double value);

// The value of a string-literal token.
std::string ParseStringLiteral(std::string_view tokenText);

} // namespace zt::script
