// The four-step history of pen edits.

#include "editor/core/UndoHistory.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(UndoHistory, StartsEmpty) {
  UndoHistory history;
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(history.Pop(), std::nullopt);
  EXPECT_TRUE(history.Entry(0).empty());
}

TEST(UndoHistory, KeepsTheLastFourEditsNewestFirst) {
  UndoHistory history;
  for (int i = 0; i < 5; ++i) history.Push(i, 10 + i, static_cast<TileCode>(20 + i));
  EXPECT_EQ(history.Entry(0), (UndoEntry{4, 14, 24}));
  EXPECT_EQ(history.Entry(3), (UndoEntry{1, 11, 21}));
  for (int i = 4; i >= 1; --i) {
    ASSERT_TRUE(history.CanUndo());
    EXPECT_EQ(history.Pop(), (UndoEntry{i, 10 + i, static_cast<TileCode>(20 + i)}));
  }
  EXPECT_FALSE(history.CanUndo()) << "the first edit was dropped";
  EXPECT_EQ(history.Pop(), std::nullopt);
}

TEST(UndoHistory, PopEmptiesTheOldestEntry) {
  UndoHistory history;
  history.Push(1, 1, 0);
  history.Push(2, 2, 0);
  history.Pop();
  EXPECT_EQ(history.Entry(0), (UndoEntry{1, 1, 0}));
  EXPECT_TRUE(history.Entry(1).empty());
  EXPECT_TRUE(history.Entry(3).empty());
}

} // namespace
} // namespace zt
