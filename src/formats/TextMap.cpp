#include "formats/TextMap.h"

#include "document/StageDocument.h"

namespace zt {

std::vector<std::string> FillTextMap(const StageDocument& doc) {
  std::vector<std::string> lines;
  for (int y = 0; y < kStageHeight; ++y) {
    std::string line(kStageWidth, '.');
    for (int x = 0; x < kStageWidth; ++x) line[static_cast<std::size_t>(x)] = TileCodeToChar(doc.GetCell(x, y));
    lines.push_back(std::move(line));
  }
  lines.emplace_back();
  return lines;
}

std::string TextMapError::Message() const {
  return "マップのテキストエラー\r\n" + std::to_string(x) + "," + std::to_string(y);
}

std::optional<TextMapError> CommitTextMap(StageDocument& doc, const std::vector<std::string>& lines, bool* changed) {
  bool anyChange = false;
  std::optional<TextMapError> error;
  for (int y = 0; y < kStageHeight && !error; ++y) {
    if (y >= static_cast<int>(lines.size())) {
      error = TextMapError{0, y};
      break;
    }
    const std::string& line = lines[static_cast<std::size_t>(y)];
    for (int x = 0; x < kStageWidth; ++x) {
      const TileCode code = TileCodeAt(line, static_cast<std::size_t>(x));
      if (doc.GetCell(x, y) != code) {
        anyChange = true;
        doc.SetCell(x, y, code);
      }
    }
  }
  if (changed) *changed = anyChange;
  return error;
}

} // namespace zt
