#include "editor/core/BlockEditing.h"

#include "document/StageDocument.h"

namespace zt {

CellRect TakeSelectionBlock(TileSelection& selection, const ViewGeometry& view) {
  selection.Reorder();
  const CellRect cells = selection.ViewCells(view.chipSize);
  return {cells.left + view.scrollX, cells.top + view.scrollY, cells.right + view.scrollX,
          cells.bottom + view.scrollY};
}

CellPos SelectionAnchor(const TileSelection& selection, const ViewGeometry& view) {
  return view.StageCellAt(selection.first);
}

TileClipboard CopyBlock(const StageDocument& doc, const CellRect& block) {
  TileClipboard clipboard(block.width(), block.height());
  for (int i = 0; i < block.width(); ++i)
    for (int j = 0; j < block.height(); ++j) {
      const int x = block.left + i, y = block.top + j;
      if (InStage(x, y)) clipboard.Set(i, j, doc.GetCell(x, y));
    }
  return clipboard;
}

int ClearBlock(StageDocument& doc, const CellRect& block) {
  int changed = 0;
  for (int x = block.left; x < block.right; ++x)
    for (int y = block.top; y < block.bottom; ++y) {
      if (!InStage(x, y)) continue;
      if (doc.GetCell(x, y) != 0) ++changed;
      doc.SetCell(x, y, 0);
    }
  return changed;
}

void PasteBlock(StageDocument& doc, const TileClipboard& clipboard, CellPos topLeft) {
  for (int i = 0; i < clipboard.width(); ++i)
    for (int j = 0; j < clipboard.height(); ++j) {
      const int x = topLeft.x + i, y = topLeft.y + j;
      if (InStage(x, y)) doc.SetCell(x, y, clipboard.CodeAt(i, j));
    }
}

} // namespace zt
