#pragma once
// How many more enemies, obstacles, items and bosses the current stage may
// take before it reaches the game's limits.

#include <array>
#include <string>

namespace zt {

class StageDocument;

struct RemainingCounts {
  int enemies = 128;
  int obstacles = 32;
  int items = 64;
  int bosses = 1;
  bool operator==(const RemainingCounts&) const = default;
};

// Each limit less the cells of its count group; values below 0 mean the
// stage holds too many.
RemainingCounts CountRemaining(const StageDocument& doc);
// "敵:", "障害物:", "アイテム ?:" and "ボス:" with their values (UTF-8).
std::array<std::string, 4> RemainingCountTexts(const RemainingCounts& counts);

} // namespace zt
