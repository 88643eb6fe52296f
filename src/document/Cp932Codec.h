#pragma once
// The one boundary between Shift-JIS document text (code page 932) and the
// UTF-8 used by the user interface, the terminal and the source code.

#include <string>
#include <string_view>

namespace zt {

// Bytes that are not valid code page 932 become U+FFFD.
std::string Utf8FromShiftJis(std::string_view sjis);
// Characters that code page 932 cannot hold become "?"; invalid UTF-8 too.
std::string ShiftJisFromUtf8(std::string_view utf8);

// Shorthand for literals in the source: the Shift-JIS bytes of UTF-8 text.
inline std::string Sjis(std::string_view utf8) { return ShiftJisFromUtf8(utf8); }

} // namespace zt
