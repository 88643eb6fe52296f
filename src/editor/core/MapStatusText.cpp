#include "editor/core/MapStatusText.h"

#include "document/StageDocument.h"

namespace zt {

std::array<std::string, 4> MapStatusTexts(const StageDocument& doc, const ViewGeometry& view, PixelPos pointer,
                                          TileCode selected) {
  const CellPos cell = view.StageCellAt(pointer);
  std::string tile = "char ";
  if (InStage(cell.x, cell.y)) {
    const TileCode code = doc.GetCell(cell.x, cell.y);
    tile += TileCodeToChar(code);
    tile += " ";
    tile += TileName(code);
  }
  return {"pos " + std::to_string(cell.x) + "," + std::to_string(cell.y), tile,
          "scroll " + std::to_string(view.scrollX) + "," + std::to_string(view.scrollY),
          std::string("selected ") + TileCodeToChar(selected)};
}

} // namespace zt
