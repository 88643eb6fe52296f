#pragma once
// Positions on the map view: stage or view cells, and view pixels.

namespace zt {

struct CellPos {
  int x = 0, y = 0;
  bool operator==(const CellPos&) const = default;
};

struct PixelPos {
  int x = 0, y = 0;
  bool operator==(const PixelPos&) const = default;
};

// A block of cells; right and bottom are one past the last column and row.
struct CellRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const CellRect&) const = default;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool Contains(CellPos cell) const { return cell.x >= left && cell.x < right && cell.y >= top && cell.y < bottom; }
};

// Division rounding toward minus infinity, so that a pixel left of or above
// the view belongs to the cell before the first one.
constexpr int FloorDiv(int value, int divisor) {
  const int quotient = value / divisor;
  return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

} // namespace zt
