#pragma once
// The rectangle the select tool marks: two corners in view pixels (relative
// to the view's top-left, not to the stage), each the top-left pixel of a
// cell. The corners survive switching the selection off.

#include "editor/core/ViewCoordinates.h"

namespace zt {

// A rectangle of view pixels; right and bottom are one past the last pixel.
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PixelRect&) const = default;
};

class TileSelection {
 public:
  bool active = false;
  PixelPos first;
  PixelPos second;

  // A press: the selection is on and both corners are the pressed cell's corner.
  void Start(PixelPos corner);
  // Dragging moves the second corner; true when it changed.
  bool MoveSecond(PixelPos corner);
  // Swaps coordinates so that first is the top-left and second the bottom-right corner.
  void Reorder();

  // The outline around the selected cells, whichever way the drag went.
  PixelRect Outline(int chipSize) const;
  // The selected view cells (add the scroll position for stage cells).
  CellRect ViewCells(int chipSize) const;
};

} // namespace zt
