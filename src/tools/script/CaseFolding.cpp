#include "tools/script/CaseFolding.h"

#include "document/ShiftJisText.h"

namespace zt::script {
namespace {

template <typename Change> std::string ChangeLetters(std::string_view text, Change change) {
  std::string result(text);
  for (std::size_t i = 0; i < result.size(); ++i) {
    const auto byte = static_cast<unsigned char>(result[i]);
    if (IsShiftJisLeadByte(byte)) ++i;
    else result[i] = change(result[i]);
  }
  return result;
}

char ToUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char ToLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

std::string AsciiUpperCase(std::string_view text) { return ChangeLetters(text, ToUpper); }
std::string AsciiLowerCase(std::string_view text) { return ChangeLetters(text, ToLower); }

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && AsciiUpperCase(a) == AsciiUpperCase(b);
}

} // namespace zt::script
