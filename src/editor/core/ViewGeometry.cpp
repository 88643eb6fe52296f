#include "editor/core/ViewGeometry.h"

#include "document/TileCatalogue.h"

namespace zt {

CellRect ViewGeometry::DrawnCells() const {
  return {scrollX, scrollY, scrollX + ColumnsShown(), scrollY + RowsShown()};
}

CellRect ViewGeometry::FullyVisibleCells() const {
  return {scrollX, scrollY, scrollX + width / chipSize, scrollY + height / chipSize};
}

CellPos ViewGeometry::ViewCellAt(PixelPos pixel) const {
  return {FloorDiv(pixel.x, chipSize), FloorDiv(pixel.y, chipSize)};
}

CellPos ViewGeometry::StageCellAt(PixelPos pixel) const {
  const CellPos cell = ViewCellAt(pixel);
  return {cell.x + scrollX, cell.y + scrollY};
}

PixelPos ViewGeometry::CellCornerAt(PixelPos pixel) const {
  const CellPos cell = ViewCellAt(pixel);
  return {cell.x * chipSize, cell.y * chipSize};
}

PixelPos ViewGeometry::CellPixel(int x, int y) const { return {(x - scrollX) * chipSize, (y - scrollY) * chipSize}; }

PixelPos ViewGeometry::TilePixel(TileCode code, int x, int y) const {
  const CellOffset offset = TileDrawOffset(code);
  return CellPixel(x + offset.dx, y + offset.dy);
}

} // namespace zt
