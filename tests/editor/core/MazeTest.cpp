// The pillar-tipping maze over a block of the stage.

#include "editor/core/Maze.h"

#include "document/StageDocument.h"

#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

namespace zt {
namespace {

constexpr TileCode kWall = 27;
constexpr TileCode kCoin = 61;

// Answers from a script and records the range of every draw; a draw beyond
// the script throws, which ends the maze and fails the test.
struct ScriptedRandom {
  std::deque<int> answers;
  std::vector<int> ranges;

  MazeRandom Source() {
    return [this](int n) {
      ranges.push_back(n);
      if (answers.empty()) throw std::runtime_error("more draws than scripted");
      const int answer = answers.front();
      answers.pop_front();
      return answer;
    };
  }
};

// Rows of a block: "#" a wall, "." empty, "o" a coin, "?" anything else.
std::vector<std::string> Picture(const StageDocument& doc, const CellRect& block) {
  std::vector<std::string> rows;
  for (int y = block.top; y < block.bottom; ++y) {
    std::string row;
    for (int x = block.left; x < block.right; ++x) {
      const TileCode code = doc.GetCell(x, y);
      row += code == kWall ? '#' : code == 0 ? '.' : code == kCoin ? 'o' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

class MazeTest : public ::testing::Test {
 protected:
  StageDocument doc;
  ScriptedRandom random;
};

TEST_F(MazeTest, FollowsThePillarMethodDrawForDraw) {
  doc.stages[0].Fill(kCoin);
  random.answers = {0, 0,    // first column, row 0: below
                    0, 1,    // row 1: above is taken by the wall below row 0 ...
                    1, 0,    // ... so it draws again: right
                    1,       // pillar (1, 0): right
                    0, 0,    // pillar (2, 0): below
                    0, 1,    // pillar (1, 1): above
                    2};      // pillar (2, 1): right
  EXPECT_TRUE(BuildMaze(doc, {20, 3, 29, 10}, kWall, random.Source()));
  EXPECT_EQ(Picture(doc, {19, 2, 30, 11}), (std::vector<std::string>{
                                                "ooooooooooo",
                                                "o#########o",
                                                "o#.......#o",
                                                "o#.#.###.#o",
                                                "o#.#.#.#.#o",
                                                "o#.###.###o",
                                                "o#.......#o",
                                                "o#########o",
                                                "ooooooooooo",
                                            }));
  EXPECT_EQ(random.ranges, (std::vector<int>{2, 2, 2, 2, 2, 2, 3, 3, 2, 3, 2, 3}));
  EXPECT_FALSE(doc.modified()) << "the caller decides";
}

TEST_F(MazeTest, AFiveByFiveBlockHasOnePillarAndOneWallBesideIt) {
  const struct {
    std::deque<int> draws;
    CellPos wall;
  } cases[] = {{{1, 0}, {13, 7}}, {{1, 1}, {11, 7}}, {{0, 0}, {12, 8}}, {{0, 1}, {12, 6}}};
  for (const auto& c : cases) {
    doc.stages[0].Fill(0);
    random.answers = c.draws;
    BuildMaze(doc, {10, 5, 15, 10}, kWall, random.Source());
    std::vector<std::string> expected{"#####", "#...#", "#.#.#", "#...#", "#####"};
    expected[static_cast<std::size_t>(c.wall.y - 5)][static_cast<std::size_t>(c.wall.x - 10)] = '#';
    EXPECT_EQ(Picture(doc, {10, 5, 15, 10}), expected) << c.wall.x << "," << c.wall.y;
  }
}

TEST_F(MazeTest, AnEvenBlockGainsAFrameColumnAndRowThatAreNotEmptiedFirst) {
  doc.stages[0].Fill(kCoin);
  std::vector<CellPos> emptied;
  doc.onCellWritten = [&](int x, int y, TileCode code) {
    if (code == 0) emptied.push_back({x, y});
  };
  random.answers = {1, 0, 1}; // first column right, then right
  BuildMaze(doc, {30, 10, 36, 14}, kWall, random.Source());
  EXPECT_EQ(emptied.size(), 24u) << "the 6 x 4 block only";
  for (const CellPos cell : emptied) EXPECT_TRUE(cell.x < 36 && cell.y < 14) << cell.x << "," << cell.y;
  EXPECT_EQ(Picture(doc, {30, 10, 38, 16}), (std::vector<std::string>{
                                                 "#######o",
                                                 "#.....#o",
                                                 "#.#####o",
                                                 "#.....#o",
                                                 "#######o",
                                                 "oooooooo",
                                             }));
}

TEST_F(MazeTest, WithTheEmptyTileEveryFirstDrawSucceedsAndTheBlockEndsEmpty) {
  doc.stages[0].Fill(kCoin);
  random.answers = std::deque<int>(12, 0);
  EXPECT_TRUE(BuildMaze(doc, {20, 3, 29, 10}, 0, random.Source()));
  EXPECT_EQ(random.ranges.size(), 12u) << "one draw per pillar";
  for (const std::string& row : Picture(doc, {20, 3, 29, 10})) EXPECT_EQ(row, ".........");
  EXPECT_EQ(doc.GetCell(29, 3), kCoin);

  random.answers = std::deque<int>(12, 0);
  EXPECT_FALSE(BuildMaze(doc, {20, 3, 29, 10}, 0, random.Source())) << "nothing left to change";
}

// Blocks 1 to 3 columns wide have no pillar column; the first-column step
// would reach the right frame and beyond it.
TEST_F(MazeTest, NarrowBlocksGetTheirFrameAndNothingOutsideIt) {
  const struct {
    int width;
    std::vector<std::string> picture; // columns 49 .. 53
  } cases[] = {
      {1, {"o#ooo", "o#ooo", "o#ooo", "o#ooo", "o#ooo", "o#ooo", "o#ooo"}},
      {2, {"o###o", "o#.#o", "o#.#o", "o#.#o", "o#.#o", "o#.#o", "o###o"}},
      {3, {"o###o", "o#.#o", "o#.#o", "o#.#o", "o#.#o", "o#.#o", "o###o"}},
  };
  for (const auto& c : cases) {
    doc.stages[0].Fill(kCoin);
    random.ranges.clear();
    EXPECT_TRUE(BuildMaze(doc, {50, 5, 50 + c.width, 12}, kWall, random.Source()));
    EXPECT_EQ(Picture(doc, {49, 5, 54, 12}), c.picture) << c.width;
    EXPECT_EQ(Picture(doc, {49, 4, 54, 5}), (std::vector<std::string>{"ooooo"}));
    EXPECT_EQ(Picture(doc, {49, 12, 54, 13}), (std::vector<std::string>{"ooooo"}));
    EXPECT_TRUE(random.ranges.empty()) << "no pillar is tipped";
  }
}

TEST_F(MazeTest, ATargetBeyondTheStageIsTakenAndDrawnAgain) {
  random.answers = {1, 0, // first column: right
                    1,    // pillar (179, 2): right, beyond the stage ...
                    0, 0}; // ... so below
  BuildMaze(doc, {175, 0, 182, 5}, kWall, random.Source());
  EXPECT_EQ(doc.GetCell(179, 3), kWall);
  EXPECT_EQ(random.ranges, (std::vector<int>{2, 2, 3, 3, 2}));
}

// The pillar in the stage's corner can tip neither right nor down, and never
// left; once the wall below its neighbour above has taken the last free
// cell, drawing would never end.
TEST_F(MazeTest, APillarWithNoFreeTargetInTheStageLaysNoWall) {
  random.answers = {1, 0,  // first column, row 0: right
                    1, 0,  // row 1: right
                    0, 0}; // pillar (179, 27): below; pillar (179, 29) is not drawn for
  BuildMaze(doc, {175, 25, 182, 32}, kWall, random.Source());
  EXPECT_EQ(doc.GetCell(179, 28), kWall);
  EXPECT_EQ(random.ranges, (std::vector<int>{2, 2, 2, 2, 3, 2}));
}

TEST_F(MazeTest, TwoRunsGiveDifferentMazes) {
  const CellRect block{0, 0, 41, 21};
  BuildMaze(doc, block, kWall, ClockSeededRandom());
  const std::vector<std::string> first = Picture(doc, block);
  BuildMaze(doc, block, kWall, ClockSeededRandom());
  EXPECT_NE(Picture(doc, block), first);
}

} // namespace
} // namespace zt
