// How many enemies, obstacles, items and bosses a stage may still take.

#include "editor/core/RemainingCounts.h"

#include "document/StageDocument.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

constexpr TileCode kTurtle = 2;   // "B", enemy
constexpr TileCode kPlatform = 11; // "K", obstacle
constexpr TileCode kCoinBlock = 37; // "k", item
constexpr TileCode kBoss = 19;    // "S"
constexpr TileCode kOneUp = 51;   // "y", counts nowhere

TEST(RemainingCounts, AnEmptyStageHasEveryLimitLeft) {
  const StageDocument doc;
  EXPECT_EQ(CountRemaining(doc), (RemainingCounts{128, 32, 64, 1}));
  EXPECT_EQ(RemainingCountTexts(CountRemaining(doc)),
            (std::array<std::string, 4>{"敵:128", "障害物:32", "アイテム ?:64", "ボス:1"}));
}

TEST(RemainingCounts, EachGroupLosesOnePerCellAndMayGoBelowZero) {
  StageDocument doc;
  for (int i = 0; i < 130; ++i) doc.SetCell(i, 3, kTurtle);
  doc.SetCell(0, 10, kPlatform);
  doc.SetCell(1, 10, kCoinBlock);
  doc.SetCell(2, 10, kBoss);
  doc.SetCell(3, 10, kBoss);
  doc.SetCell(4, 10, kOneUp);
  doc.SetCell(5, 10, kUnknownTile);
  doc.stages[1].at(0, 0) = kTurtle; // another stage
  EXPECT_EQ(CountRemaining(doc), (RemainingCounts{-2, 31, 63, -1}));
  EXPECT_EQ(RemainingCountTexts(CountRemaining(doc))[0], "敵:-2");
}

} // namespace
} // namespace zt
