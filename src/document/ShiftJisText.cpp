#include "document/ShiftJisText.h"

namespace zt {
namespace {

// Length of the character starting at `pos`: 2 for a lead byte with a byte
// after it, else 1.
std::size_t CharLength(std::string_view text, std::size_t pos) {
  return IsShiftJisLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

} // namespace

std::size_t FindShiftJis(std::string_view text, std::string_view needle) {
  if (needle.empty()) return 0;
  // Find byte matches quickly, then accept the first one that starts on a
  // character boundary; the boundary walk only ever moves forward.
  std::size_t boundary = 0;
  for (std::size_t hit = text.find(needle); hit != std::string_view::npos; hit = text.find(needle, hit + 1)) {
    while (boundary < hit) boundary += CharLength(text, boundary);
    if (boundary == hit) return hit;
  }
  return std::string_view::npos;
}

std::string FirstField(std::string& text, char delimiter) {
  const std::size_t pos = FindShiftJis(text, std::string_view(&delimiter, 1));
  std::string field;
  if (pos == std::string_view::npos) {
    field.swap(text);
  } else {
    field = text.substr(0, pos);
    text.erase(0, pos + 1);
  }
  return field;
}

std::string LastField(std::string& text, char delimiter) {
  const std::size_t pos = text.rfind(delimiter);
  std::string field;
  if (pos == std::string::npos) {
    field.swap(text);
  } else {
    field = text.substr(pos + 1);
    text.erase(pos);
  }
  return field;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

} // namespace zt
