#include "editor/core/RemainingCounts.h"

#include "document/StageDocument.h"

namespace zt {

RemainingCounts CountRemaining(const StageDocument& doc) {
  RemainingCounts counts;
  for (int x = 0; x < kStageWidth; ++x)
    for (int y = 0; y < kStageHeight; ++y) {
      switch (TileCountGroup(doc.GetCell(x, y))) {
        case CountGroup::Enemy: --counts.enemies; break;
        case CountGroup::Obstacle: --counts.obstacles; break;
        case CountGroup::Item: --counts.items; break;
        case CountGroup::Boss: --counts.bosses; break;
        case CountGroup::None: break;
      }
    }
  return counts;
}

std::array<std::string, 4> RemainingCountTexts(const RemainingCounts& counts) {
  return {"敵:" + std::to_string(counts.enemies), "障害物:" + std::to_string(counts.obstacles),
          "アイテム ?:" + std::to_string(counts.items), "ボス:" + std::to_string(counts.bosses)};
}

} // namespace zt
