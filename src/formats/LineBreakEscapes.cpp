#include "formats/LineBreakEscapes.h"

#include "document/ShiftJisText.h"

namespace zt {

std::string EscapeLineBreaks(const std::string& text) {
  if (text.find_first_of("\r\n") == std::string::npos) return text;
  std::string escaped;
  escaped.reserve(text.size() + 8);
  for (const char c : text) {
    if (c == '\r') escaped += "\\'0D";
    else if (c == '\n') escaped += "\\'0A";
    else escaped += c;
  }
  return escaped;
}

std::string UnescapeLineBreaks(const std::string& text) {
  if (text.find("\\'0") == std::string::npos) return text;
  std::string plain;
  plain.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t hit = FindShiftJis(std::string_view(text).substr(pos), "\\'0");
    if (hit == std::string_view::npos || pos + hit + 3 >= text.size()) break;
    const std::size_t at = pos + hit;
    const char digit = text[at + 3];
    plain.append(text, pos, at - pos);
    if (digit == 'D' || digit == 'd') plain += '\r';
    else if (digit == 'A' || digit == 'a') plain += '\n';
    else plain.append(text, at, 4);
    pos = at + 4;
  }
  plain.append(text, pos);
  return plain;
}

} // namespace zt
