#include "editor/core/RectangleDrag.h"

#include "document/StageDocument.h"
#include "editor/core/ViewGeometry.h"

#include <algorithm>

namespace zt {

void RectangleDrag::Press(CellPos viewCell) {
  start_ = viewCell;
  end_ = {viewCell.x + 1, viewCell.y + 1};
}

bool RectangleDrag::Move(CellPos viewCell) {
  const CellPos end{viewCell.x + 1, viewCell.y + 1};
  if (end == end_) return false;
  end_ = end;
  return true;
}

CellRect RectangleDrag::Block() const {
  return {std::min(start_.x, end_.x), std::min(start_.y, end_.y), std::max(start_.x, end_.x),
          std::max(start_.y, end_.y)};
}

std::optional<CellRect> RectangleDrag::ReleaseBlock(int viewWidth, int viewHeight) const {
  if (start_.x == end_.x || start_.y == end_.y) return std::nullopt;
  const int maxX = viewWidth / kFullChipSize;
  const int maxY = viewHeight / kFullChipSize;
  const int x1 = std::clamp(start_.x, 0, std::max(maxX, 0)), x2 = std::clamp(end_.x, 0, std::max(maxX, 0));
  const int y1 = std::clamp(start_.y, 0, std::max(maxY, 0)), y2 = std::clamp(end_.y, 0, std::max(maxY, 0));
  return CellRect{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

void FillViewBlock(StageDocument& doc, const CellRect& viewBlock, int scrollX, int scrollY, TileCode code) {
  for (int i = viewBlock.left; i < viewBlock.right; ++i)
    for (int j = viewBlock.top; j < viewBlock.bottom; ++j) {
      const int x = i + scrollX, y = j + scrollY;
      if (InStage(x, y)) doc.SetCell(x, y, code);
    }
}

} // namespace zt
