#include "editor/core/TileClipboard.h"

#include <cstdint>

namespace zt {

TileClipboard::TileClipboard(int width, int height)
    : width_(width), height_(height), cells_(static_cast<std::size_t>(width * height), 0) {}

void TileClipboard::Set(int column, int row, TileCode code) {
  cells_[Index(column, row)] = static_cast<std::int8_t>(code);
}

} // namespace zt
