#pragma once
// Where the stage lies on the map view: chip size, scroll position (the stage
// cell at the view's top-left pixel) and view size, and the conversions
// between view pixels and cells that follow from them.

#include "document/TileCode.h"
#include "editor/core/ViewCoordinates.h"

namespace zt {

inline constexpr int kFullChipSize = 32; // pattern cells are 32 x 32 pixels
inline constexpr int kMiniChipSize = 16;

struct ViewGeometry {
  int chipSize = kFullChipSize;
  int scrollX = 0, scrollY = 0;
  int width = 0, height = 0; // view pixels

  // Columns and rows the view spans, the last one partly: (size div chip) + 1.
  int ColumnsShown() const { return width / chipSize + 1; }
  int RowsShown() const { return height / chipSize + 1; }

  // Stage cells a full redraw visits, partly visible ones included; they may
  // lie outside the stage.
  CellRect DrawnCells() const;
  // Stage cells wholly inside the view.
  CellRect FullyVisibleCells() const;
  // Whether a stage cell is one of DrawnCells.
  bool CellInView(int x, int y) const { return DrawnCells().Contains({x, y}); }

  // The view cell (without scroll) and the stage cell under a view pixel.
  CellPos ViewCellAt(PixelPos pixel) const;
  CellPos StageCellAt(PixelPos pixel) const;
  // The top-left pixel of the cell under a view pixel.
  PixelPos CellCornerAt(PixelPos pixel) const;

  // Top-left view pixel of stage cell (x, y), and of the picture of a tile
  // anchored there (moved by the tile's draw offset).
  PixelPos CellPixel(int x, int y) const;
  PixelPos TilePixel(TileCode code, int x, int y) const;
  // Length on screen of a length in pattern pixels: 1:1 with full chips,
  // halved with mini chips.
  int ScreenLength(int patternPixels) const { return patternPixels * chipSize / kFullChipSize; }
};

} // namespace zt
