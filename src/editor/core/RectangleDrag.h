#pragma once
// The rectangle tool's drag, in view cells (not stage cells): the start
// corner is the pressed cell, the end corner one more than the cell under the
// pointer on each axis, so the block spans both cells whichever way the drag
// goes.

#include "document/TileCode.h"
#include "editor/core/ViewCoordinates.h"

#include <optional>

namespace zt {

class StageDocument;

class RectangleDrag {
 public:
  // Starts a drag; until the pointer leaves the pressed cell the block is
  // that one cell, so a click fills exactly the cell clicked.
  void Press(CellPos viewCell);
  // The pointer is over a view cell; true when the end corner moved.
  bool Move(CellPos viewCell);

  CellPos start() const { return start_; }
  CellPos end() const { return end_; }
  // The block between the two corners, ordered but not clamped (the preview).
  CellRect Block() const;
  // The view cells a release fills: nothing when the corners share a column
  // or a row; otherwise each corner is clamped to 0 .. view size div 32 on
  // its axis (32 pixels also with mini chips) and the axes are ordered.
  std::optional<CellRect> ReleaseBlock(int viewWidth, int viewHeight) const;

 private:
  CellPos start_;
  CellPos end_{1, 1};
};

// Writes `code` into every stage cell of a block of view cells, offset by the
// scroll position; cells outside the stage are skipped. No undo entries.
void FillViewBlock(StageDocument& doc, const CellRect& viewBlock, int scrollX, int scrollY, TileCode code);

} // namespace zt
