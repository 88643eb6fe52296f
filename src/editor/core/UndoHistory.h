#pragma once
// The last four pen edits, newest first: where and what the cell held before.
// Entries are not tied to a stage: undoing restores the cell in whatever
// stage is current then.

#include "document/TileCode.h"

#include <array>
#include <optional>

namespace zt {

struct UndoEntry {
  int x = -1; // -1: an empty entry
  int y = -1;
  TileCode code = 0; // the code before the edit
  bool empty() const { return x == -1; }
  bool operator==(const UndoEntry&) const = default;
};

class UndoHistory {
 public:
  static constexpr int kDepth = 4;

  // Records an edit; the oldest of four entries is dropped.
  void Push(int x, int y, TileCode oldCode);
  // Takes the newest entry out; nothing when the history is empty.
  std::optional<UndoEntry> Pop();
  bool CanUndo() const { return !entries_[0].empty(); }
  // Entry 0 is the newest.
  const UndoEntry& Entry(int index) const { return entries_[static_cast<std::size_t>(index)]; }

 private:
  std::array<UndoEntry, kDepth> entries_{};
};

} // namespace zt
