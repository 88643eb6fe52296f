#pragma once
// Text values are stored one per line. A value holding CR or LF bytes (the
// page reader's escape decoding can produce them) is written with the
// escapes "\'0D" and "\'0A" instead, in pages and in project files alike; the
// page reader decodes every escape, the project reader these two.

#include <string>

namespace zt {

std::string EscapeLineBreaks(const std::string& text);
std::string UnescapeLineBreaks(const std::string& text);

} // namespace zt
