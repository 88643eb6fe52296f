#pragma once
// Byte-level helpers for Shift-JIS text that step over double-byte characters.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

// A byte that starts a double-byte character (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsShiftJisLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Position of the first occurrence of `needle` that starts on a character
// boundary, or npos.
std::size_t FindShiftJis(std::string_view text, std::string_view needle);

// Removes and returns the text before the first `delimiter` that starts on a
// character boundary; the whole text when there is none.
std::string FirstField(std::string& text, char delimiter);

// Removes and returns the text after the last single-byte `delimiter`; the
// whole text when there is none.
std::string LastField(std::string& text, char delimiter);

// Splits text into lines at CR LF, CR or LF. A final line break does not start
// another line.
std::vector<std::string> SplitLines(std::string_view text);

} // namespace zt
