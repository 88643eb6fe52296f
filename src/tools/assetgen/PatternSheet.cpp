#include "PatternSheet.h"

#include "Colours.h"
#include "Sprites.h"

#include "document/TileCatalogue.h"

#include <functional>
#include <set>
#include <utility>

namespace zt::art {
namespace {

using Drawer = std::function<void(PixelPainter&)>;

struct Piece {
  PatternCell cell;
  Drawer draw;
};

// The stage tiles with a picture of their own; tiles that share a picture
// (codes 3, 4, 9, 10, 22, 38, 61) find it drawn for the first code.
std::vector<std::pair<int, Drawer>> StageDrawers() {
  std::vector<std::pair<int, Drawer>> drawers = {
      {1, DrawHero},           {2, DrawTurtle},         {5, DrawElectricMouse}, {6, DrawLeafSprout},
      {7, DrawFireHedgehog},   {8, DrawFlyer},          {14, DrawFallingBlock}, {15, DrawBouncer},
      {16, DrawFireChick},     {17, DrawWaterSquirter}, {18, DrawBomber},       {19, DrawVolcanoBoss},
      {20, DrawWaterBoss},     {21, DrawFireBar},       {23, DrawKingFish},     {24, DrawJellyfish},
      {25, DrawWaterPlant},    {26, DrawSkyBoss},       {37, DrawCoin},         {51, DrawOneUpBlock},
      {52, DrawSlipperyFloor}, {55, DrawGrass},         {56, DrawWater},        {59, DrawCandle},
      {60, DrawStar},
      {57, [](PixelPainter& p) { DrawSpikes(p, true); }},
      {58, [](PixelPainter& p) { DrawSpikes(p, false); }},
  };
  for (int block = 1; block <= 10; ++block) drawers.push_back({26 + block, [block](PixelPainter& p) { DrawBlock(p, block); }});
  for (int item = 0; item < 8; ++item)
    drawers.push_back({39 + item, [item](PixelPainter& p) { DrawItemBlock(p, static_cast<Item>(item)); }});
  for (int pipe = 1; pipe <= 4; ++pipe) drawers.push_back({46 + pipe, [pipe](PixelPainter& p) { DrawLinkPipe(p, pipe); }});
  for (int sign = 1; sign <= 4; ++sign) drawers.push_back({61 + sign, [sign](PixelPainter& p) { DrawMessageSign(p, sign); }});
  return drawers;
}

std::vector<std::pair<int, Drawer>> WorldDrawers() {
  std::vector<std::pair<int, Drawer>> drawers = {
      {1, DrawHero}, {4, DrawShop}, {5, DrawGuide}, {9, DrawCastle}, {18, DrawRelayPoint},
      {10, [](PixelPainter& p) { DrawDoor(p, Door::OneStar); }},
      {11, [](PixelPainter& p) { DrawDoor(p, Door::TwoStars); }},
      {12, [](PixelPainter& p) { DrawDoor(p, Door::ThreeStars); }},
      {13, [](PixelPainter& p) { DrawDoor(p, Door::Score); }},
      {19, [](PixelPainter& p) { DrawRoad(p, true); }},
      {20, [](PixelPainter& p) { DrawRoad(p, false); }},
  };
  for (int person = 1; person <= 2; ++person) drawers.push_back({1 + person, [person](PixelPainter& p) { DrawVillager(p, person); }});
  for (int stage = 1; stage <= 3; ++stage) drawers.push_back({5 + stage, [stage](PixelPainter& p) { DrawStageMarker(p, stage); }});
  for (int pipe = 1; pipe <= 4; ++pipe) drawers.push_back({13 + pipe, [pipe](PixelPainter& p) { DrawWorldPipe(p, pipe); }});
  return drawers;
}

PatternCell PlatformCell(int type) {
  PlatformLook look;
  look.types[0] = type;
  return TilePatternCell(11, look);
}

std::vector<Piece> Pieces() {
  std::vector<Piece> pieces;
  for (auto& [code, draw] : StageDrawers()) pieces.push_back({TilePatternCell(static_cast<TileCode>(code)), draw});
  // The two cloud halves are one drawing across both cells.
  const PatternCell left = TilePatternCell(53);
  pieces.push_back({{left.x, left.y, 64, 32}, DrawCloudPair});
  for (const int type : {1, 4, 5}) pieces.push_back({PlatformCell(type), DrawMovingPlatform});
  for (const int type : {2, 3}) pieces.push_back({PlatformCell(type), DrawFallingPlatform});
  pieces.push_back({PlatformCell(7), DrawJumpPad});
  for (auto& [code, draw] : WorldDrawers())
    pieces.push_back({*WorldPatternCell(static_cast<WorldCode>(code)), draw});
  return pieces;
}

bool HoldsOnlyKey(const QImage& sheet, const PatternCell& cell) {
  for (int y = cell.y; y < cell.y + cell.height; ++y)
    for (int x = cell.x; x < cell.x + cell.width; ++x)
      if (sheet.pixel(x, y) != kKey.rgb()) return false;
  return true;
}

} // namespace

QImage DrawPatternSheet() {
  QImage sheet(320, 800, QImage::Format_RGB32);
  sheet.fill(kKey);
  PixelPainter sheetPainter(sheet);
  std::set<std::pair<int, int>> drawn;
  for (const Piece& piece : Pieces()) {
    if (!drawn.insert({piece.cell.x, piece.cell.y}).second) continue; // a shared picture
    QImage sprite = Transparent(piece.cell.width, piece.cell.height);
    PixelPainter painter(sprite);
    piece.draw(painter);
    sheetPainter.Stamp(sprite, piece.cell.x, piece.cell.y);
  }
  return sheet;
}

std::vector<std::string> EmptyTileCells(const QImage& sheet) {
  std::vector<std::string> empty;
  for (int code = 1; code <= 65; ++code)
    if (HoldsOnlyKey(sheet, TilePatternCell(static_cast<TileCode>(code))))
      empty.push_back("stage tile " + std::to_string(code));
  for (int type = 1; type <= 7; ++type)
    if (HoldsOnlyKey(sheet, PlatformCell(type))) empty.push_back("platform type " + std::to_string(type));
  for (int code = 1; code <= 20; ++code)
    if (HoldsOnlyKey(sheet, *WorldPatternCell(static_cast<WorldCode>(code))))
      empty.push_back("world-map code " + std::to_string(code));
  return empty;
}

} // namespace zt::art
