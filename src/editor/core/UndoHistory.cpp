#include "editor/core/UndoHistory.h"

#include <algorithm>

namespace zt {

void UndoHistory::Push(int x, int y, TileCode oldCode) {
  std::shift_right(entries_.begin(), entries_.end(), 1);
  entries_[0] = {x, y, oldCode};
}

std::optional<UndoEntry> UndoHistory::Pop() {
  if (!CanUndo()) return std::nullopt;
  const UndoEntry newest = entries_[0];
  std::shift_left(entries_.begin(), entries_.end(), 1);
  entries_.back() = {};
  return newest;
}

} // namespace zt
