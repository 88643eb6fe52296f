#pragma once
// The maze generator: a closed frame, a pillar on every second cell inside
// it, and from each pillar one wall laid towards a random neighbour. The
// first pillar column may tip any way, the others never tip left, so the
// walls form no closed loop.

#include "document/TileCode.h"
#include "editor/core/ViewCoordinates.h"

#include <functional>

namespace zt {

class StageDocument;

// A uniform integer 0 .. n - 1.
using MazeRandom = std::function<int(int n)>;
// A generator seeded from the clock, so that every maze differs.
MazeRandom ClockSeededRandom();

// Empties the block, widens it by one column and one row where its width
// or height is even (the added ones are not emptied first: they become the
// frame), and builds the maze with walls of `wall`. Blocks 3 columns wide
// or less have no pillar column: they get the emptied inside and the frame
// only, so no wall lands on or beyond the frame. Cells beyond the stage are
// never written; a pillar with no free neighbour in the stage lays no wall.
// Returns whether any cell changed.
bool BuildMaze(StageDocument& doc, const CellRect& block, TileCode wall, const MazeRandom& random);

} // namespace zt
