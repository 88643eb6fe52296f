#include "tools/script/ValueConversion.h"

#include "document/IntegerText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zt::script {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// 2^63, the first value past the 64-bit range.
constexpr double kIntegerLimit = 9223372036854775808.0;

std::optional<std::int64_t> FitInteger(double whole) {
  if (!(whole >= -kIntegerLimit && whole < kIntegerLimit)) return std::nullopt;
  return static_cast<std::int64_t>(whole);
}

} // namespace

std::optional<std::int64_t> ReadInteger(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  const bool hex = pos < text.size() && text[pos] == '$';
  if (hex) ++pos;
  if (pos == text.size()) return std::nullopt;

  std::uint64_t magnitude = 0;
  if (hex) {
    if (text.size() - pos > 16) return std::nullopt;
    for (; pos < text.size(); ++pos) {
      const int digit = HexDigitValue(text[pos]);
      if (digit < 0) return std::nullopt;
      magnitude = magnitude * 16 + static_cast<std::uint64_t>(digit);
    }
  } else {
    const std::uint64_t limit = negative ? 0x8000000000000000ull : 0x7FFFFFFFFFFFFFFFull;
    for (; pos < text.size(); ++pos) {
      if (!IsDigit(text[pos])) return std::nullopt;
      const auto digit = static_cast<std::uint64_t>(text[pos] - '0');
      if (magnitude > (limit - digit) / 10) return std::nullopt;
      magnitude = magnitude * 10 + digit;
    }
  }
  if (negative) magnitude = 0 - magnitude;
  return static_cast<std::int64_t>(magnitude);
}

std::optional<double> ReadReal(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && text[first] == ' ') ++first;
  while (last > first && text[last - 1] == ' ') --last;
  std::string_view number = text.substr(first, last - first);

  bool negative = false;
  if (!number.empty() && (number[0] == '+' || number[0] == '-')) {
    negative = number[0] == '-';
    number.remove_prefix(1);
  }
  // from_chars would also take "inf" and "nan"; only digits are numbers here.
  std::size_t pos = 0;
  std::size_t digits = 0;
  while (pos < number.size() && IsDigit(number[pos])) ++pos, ++digits;
  if (pos < number.size() && number[pos] == '.') ++pos;
  while (pos < number.size() && IsDigit(number[pos])) ++pos, ++digits;
  if (digits == 0) return std::nullopt;
  if (pos < number.size() && (number[pos] == 'e' || number[pos] == 'E')) {
    ++pos;
    if (pos < number.size() && (number[pos] == '+' || number[pos] == '-')) ++pos;
    const std::size_t exponentStart = pos;
    while (pos < number.size() && IsDigit(number[pos])) ++pos;
    if (pos == exponentStart) return std::nullopt;
  }
  if (pos != number.size()) return std::nullopt;

  // Out of range either way is no number: every reader of reals then takes 0.0,
  // which is also what a too small number would give.
  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
  return negative ? -value : value;
}

std::string FormatReal(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0.0) return "0";

  // d.dddddddddddddde±x: 15 significant digits, rounded.
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t e = text.find('e');
  const bool negative = text[0] == '-';
  std::string digits;
  for (char c : text.substr(0, e))
    if (IsDigit(c)) digits += c;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());

  std::string out = negative ? "-" : "";
  if (exponent >= 15 || exponent < -4) {
    out += digits[0];
    if (digits.size() > 1) out += "." + digits.substr(1);
    out += "E" + std::to_string(exponent);
  } else if (exponent >= 0) {
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
      out += digits + std::string(integerDigits - digits.size(), '0');
    } else {
      out += digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
    }
  } else {
    out += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  return out;
}

std::optional<std::int64_t> TruncToInteger(double value) { return FitInteger(std::trunc(value)); }

std::optional<std::int64_t> RoundToInteger(double value) {
  double rounded = std::round(value); // halves away from zero
  if (std::fabs(value - std::trunc(value)) == 0.5) rounded = 2.0 * std::round(value / 2.0);
  return FitInteger(rounded);
}

std::string ParseStringLiteral(std::string_view tokenText) {
  if (!tokenText.empty() && tokenText.front() == '\'' && tokenText.back() == '\'') {
    const std::string_view inner = tokenText.size() >= 2 ? tokenText.substr(1, tokenText.size() - 2) : "";
    std::string value;
    for (std::size_t i = 0; i < inner.size(); ++i) {
      value += inner[i];
      if (inner[i] == '\'' && i + 1 < inner.size() && inner[i + 1] == '\'') ++i;
    }
    return value;
  }
  // A character code: at most three digits; none, or a code of 256 or more, is nothing.
  const auto characterCode = [](std::string_view digits, int base) -> std::string {
    int code = 0;
    std::size_t count = 0;
    for (; count < digits.size() && count < 3; ++count) {
      const int digit = base == 16 ? HexDigitValue(digits[count]) : (IsDigit(digits[count]) ? digits[count] - '0' : -1);
      if (digit < 0) break;
      code = code * base + digit;
    }
    if (count == 0 || code >= 256) return {};
    return std::string(1, static_cast<char>(code));
  };
  if (const std::size_t hash = tokenText.find("#$"); hash != std::string_view::npos)
    return characterCode(tokenText.substr(hash + 2), 16);
  if (const std::size_t hash = tokenText.find('#'); hash != std::string_view::npos)
    return characterCode(tokenText.substr(hash + 1), 10);
  return std::string(tokenText);
}

} // namespace zt::script
