#pragma once
// A saved map position: one text line "name,x,y,stage".

#include <optional>
#include <string>

namespace zt {

struct Bookmark {
  std::string name; // Shift-JIS, without ","
  int x = 0;        // horizontal scroll position
  int y = 0;        // vertical scroll position
  int stage = 0;    // 0..3

  std::string ToLine() const;
  // Splits at commas from the left (double-byte aware); nullopt when a number
  // field is not an integer.
  static std::optional<Bookmark> FromLine(const std::string& line);
};

} // namespace zt
