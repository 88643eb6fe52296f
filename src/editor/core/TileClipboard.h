#pragma once
// The program's own clipboard of tiles: a block of W x H cells indexed
// [column][row]. It holds signed values so that the unrecognised code 255
// reads as -1, as the stage picture treats it; it goes back as 255.

#include "document/TileCode.h"

#include <vector>

namespace zt {

class TileClipboard {
 public:
  TileClipboard() = default; // 0 x 0
  TileClipboard(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ == 0 || height_ == 0; }

  // The held value of a cell: the code as a signed byte (255 reads -1).
  int At(int column, int row) const { return cells_[Index(column, row)]; }
  // The code a cell stores back into a stage (-1 becomes 255).
  TileCode CodeAt(int column, int row) const { return static_cast<TileCode>(At(column, row) & 0xFF); }
  void Set(int column, int row, TileCode code);

  bool operator==(const TileClipboard&) const = default;

 private:
  std::size_t Index(int column, int row) const { return static_cast<std::size_t>(column * height_ + row); }

  int width_ = 0;
  int height_ = 0;
  std::vector<int> cells_;
};

} // namespace zt
