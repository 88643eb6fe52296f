#pragma once
// Letter case of Shift-JIS text: only the ASCII letters change, and the second
// byte of a double-byte character is never taken for a letter.

#include <string>
#include <string_view>

namespace zt::script {

std::string AsciiUpperCase(std::string_view text);
std::string AsciiLowerCase(std::string_view text);
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

} // namespace zt::script
