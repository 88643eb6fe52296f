#pragma once
// The current stage as plain text: 30 lines of 180 map characters.

#include <optional>
#include <string>
#include <vector>

namespace zt {

class StageDocument;

// Line y holds the map characters of row y; an empty line follows the 30 rows.
std::vector<std::string> FillTextMap(const StageDocument& doc);

struct TextMapError {
  int x = 0;
  int y = 0;
  std::string Message() const; // "マップのテキストエラー\r\n" + x + "," + y
};

// Character x of line y goes into cell (x, y) of the current stage; missing
// characters store 255 and characters after the 180th are ignored. A missing
// line stops the commit there (the cells stored before stay). `changed` tells
// whether any cell got another code.
std::optional<TextMapError> CommitTextMap(StageDocument& doc, const std::vector<std::string>& lines,
                                          bool* changed = nullptr);

} // namespace zt
