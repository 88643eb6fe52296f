// Blocks, background tiles and platforms of the pattern image.

#include "Colours.h"
#include "Sprites.h"

namespace zt::art {
namespace {

void Brick(PixelPainter& p) {
  p.Fill(0, 0, 32, 32, kBrick);
  for (int band = 0; band < 4; ++band) {
    const int y = band * 8;
    p.Fill(0, y + 1, 32, 1, kRedLight);
    p.Fill(0, y + 7, 32, 1, kBrownDark);
    for (const int x : {band % 2 ? 7 : 15, band % 2 ? 23 : 31}) p.Fill(x, y, 1, 8, kBrownDark);
  }
}

void GrassGround(PixelPainter& p) {
  p.Fill(0, 0, 32, 32, kBrown);
  for (int x = 0; x < 32; ++x) p.Fill(x, 0, 1, 8 + (x % 6 < 3 ? 2 : 0), kGreen);
  p.Fill(0, 0, 32, 2, kGreenLight);
  for (const QPoint dot : {QPoint(5, 15), QPoint(20, 13), QPoint(12, 22), QPoint(26, 25), QPoint(4, 28)})
    p.Fill(dot.x(), dot.y(), 3, 2, kBrownDark);
  for (const QPoint dot : {QPoint(15, 17), QPoint(27, 18), QPoint(8, 24), QPoint(19, 28)})
    p.Fill(dot.x(), dot.y(), 2, 2, kBrownLight);
}

void Earth(PixelPainter& p) {
  p.Fill(0, 0, 32, 32, kBrownLight);
  for (const QPoint stone : {QPoint(3, 4), QPoint(18, 8), QPoint(8, 17), QPoint(23, 22), QPoint(2, 26)}) {
    p.Ellipse(stone.x(), stone.y(), 6, 4, kBrown);
    p.Dot(stone.x() + 1, stone.y() + 1, kSand);
  }
  for (const QPoint dot : {QPoint(13, 3), QPoint(27, 14), QPoint(15, 27), QPoint(12, 12)}) p.Fill(dot.x(), dot.y(), 2, 2, kSandDark);
}

void Stone(PixelPainter& p) {
  p.Fill(0, 0, 32, 32, kGrey);
  p.Bevel(0, 0, 32, 32, kGreyLight, kGreyDark, 2);
  p.Line(8, 6, 13, 12, kGreyDark);
  p.Line(13, 12, 11, 19, kGreyDark);
  p.Line(20, 22, 26, 26, kGreyDark);
}

void HardBlock(PixelPainter& p) {
  p.Fill(0, 0, 32, 32, kBrownLight);
  p.Bevel(0, 0, 32, 32, kSand, kBrownDark, 3);
  for (const QPoint rivet : {QPoint(6, 6), QPoint(24, 6), QPoint(6, 24), QPoint(24, 24)}) {
    p.Fill(rivet.x(), rivet.y(), 3, 3, kBrownDark);
    p.Dot(rivet.x(), rivet.y(), kSand);
  }
}

void Planks(PixelPainter& p) {
  p.Fill(0, 0, 32, 32, kBrownLight);
  for (const int x : {0, 8, 16, 24}) {
    p.Fill(x, 0, 1, 32, kBrown);
    p.Dot(x + 3, 3, kGreyDark);
    p.Dot(x + 3, 28, kGreyDark);
    p.Fill(x + 5, 9 + x % 16, 1, 6, kBrown);
  }
  p.Fill(0, 0, 32, 1, kSand);
  p.Fill(0, 31, 32, 1, kBrownDark);
}

void Sandstone(PixelPainter& p) {
  p.Fill(0, 0, 32, 32, kSand);
  for (int x = 0; x < 32; ++x) {
    p.Dot(x, 10 + (x / 4) % 2, kSandDark);
    p.Dot(x, 21 + (x / 5) % 2, kSandDark);
  }
  p.Bevel(0, 0, 32, 32, kYellowLight, kSandDark, 1);
}

void MetalPlate(PixelPainter& p) {
  p.Fill(0, 0, 32, 32, kGreyLight);
  p.Bevel(0, 0, 32, 32, kWhite, kGrey, 2);
  p.Fill(8, 8, 16, 16, kGrey);
  p.Fill(10, 10, 12, 12, kGreyLight);
  for (const QPoint rivet : {QPoint(4, 4), QPoint(26, 4), QPoint(4, 26), QPoint(26, 26)}) p.Fill(rivet.x(), rivet.y(), 2, 2, kGreyDark);
}

void Bush(PixelPainter& p) {
  p.Fill(0, 0, 32, 32, kGreen);
  for (int row = 0; row < 4; ++row)
    for (int column = 0; column < 4; ++column) {
      const int x = column * 8 + (row % 2) * 4 - 2, y = row * 8 + 1;
      p.Ellipse(x, y + 2, 7, 5, kGreenDark);
      p.Ellipse(x, y, 7, 5, kGreenLight);
    }
  p.Fill(0, 31, 32, 1, kGreenDark);
}

void CastleBrick(PixelPainter& p) {
  p.Fill(0, 0, 32, 32, kSlate);
  for (int band = 0; band < 4; ++band) {
    const int y = band * 8;
    p.Fill(0, y, 32, 1, kSlateLight);
    p.Fill(0, y + 7, 32, 1, kNight);
    for (int x = band % 2 ? 8 : 0; x < 32; x += 16) p.Fill(x, y, 1, 8, kNight);
  }
}

} // namespace

void DrawBlock(PixelPainter& p, int number) {
  using Block = void (*)(PixelPainter&);
  static constexpr Block kBlocks[] = {Brick, GrassGround, Earth, Stone, HardBlock,
                                      Planks, Sandstone, MetalPlate, Bush, CastleBrick};
  if (number >= 1 && number <= 10) kBlocks[number - 1](p);
}

void DrawCloudPair(PixelPainter& p) {
  auto puffs = [&](int dy, QColor colour) {
    p.Ellipse(5, 12 + dy, 22, 16, colour);
    p.Ellipse(17, 3 + dy, 28, 24, colour);
    p.Ellipse(38, 9 + dy, 22, 18, colour);
    p.Fill(12, 18 + dy, 40, 9, colour);
  };
  puffs(1, kGreyLight);
  puffs(-1, kWhite);
  p.Outline(kBlueLight);
}

void DrawGrass(PixelPainter& p) {
  for (int i = 0; i < 6; ++i) {
    const int x = 1 + i * 5;
    p.Polygon({QPoint(x, 32), QPoint(x + 2, 18 + (i * 5) % 8), QPoint(x + 5, 32)}, i % 2 ? kGreenDark : kGreen);
  }
  p.Ellipse(12, 15, 5, 5, kYellow);
  p.Dot(14, 17, kOrange);
  p.Outline(kGreenDark);
}

void DrawWater(PixelPainter& p) {
  p.Fill(0, 0, 32, 32, kWater);
  for (int x = 0; x < 32; ++x) p.Dot(x, 2 + (x % 8 < 4 ? 0 : 1), kWaterLight);
  for (int x = 0; x < 32; x += 2) p.Dot(x + (x / 8) % 2, 16 + (x % 8 < 4 ? 0 : 1), kWaterLight);
  p.Ellipse(6, 20, 5, 5, kWaterLight);
  p.Ellipse(7, 21, 3, 3, kWater);
  p.Ellipse(22, 9, 4, 4, kWaterLight);
  p.Dot(23, 10, kWhite);
  p.Dot(26, 25, kWhite);
}

void DrawSpikes(PixelPainter& p, bool pointingUp) {
  for (int i = 0; i < 4; ++i) {
    const int x = i * 8;
    p.Polygon({QPoint(x, 30), QPoint(x + 4, 10), QPoint(x + 8, 30)}, kGreyLight);
    p.Polygon({QPoint(x + 4, 10), QPoint(x + 8, 30), QPoint(x + 4, 30)}, kGrey);
  }
  p.Fill(0, 27, 32, 5, kGreyDark);
  p.Outline(kOutline);
  if (!pointingUp) p.Flip(false, true);
}

void DrawSlipperyFloor(PixelPainter& p) {
  p.Fill(0, 0, 32, 32, kIce);
  p.Bevel(0, 0, 32, 32, kWhite, kCyan, 2);
  p.Line(5, 24, 13, 8, kWhite, 2);
  p.Line(12, 25, 18, 13, kWhite);
  p.Line(20, 26, 26, 14, kWhite);
}

void DrawWaterPlant(PixelPainter& p) {
  const struct {
    int x, top;
    QColor colour;
  } strands[] = {{10, 18, kGreen}, {22, 6, kGreenDark}, {33, 14, kGreen}, {44, 4, kGreenDark}, {54, 22, kGreen}};
  for (const auto& s : strands) {
    int x = s.x;
    for (int y = 60; y > s.top; y -= 6) {
      const int next = x + ((y / 6) % 2 ? 3 : -3);
      p.Line(x, y, next, y - 6, s.colour, 3);
      if (y % 12 == 0) p.Ellipse(next, y - 8, 6, 4, kGreenLight);
      x = next;
    }
  }
  p.Ellipse(3, 55, 22, 10, kGrey);
  p.Ellipse(28, 57, 28, 8, kGreyDark);
  p.Outline(kOutline);
}

void DrawMovingPlatform(PixelPainter& p) {
  p.Fill(1, 1, 94, 12, kOrange);
  p.Fill(1, 1, 94, 2, kYellow);
  p.Fill(1, 11, 94, 2, kOrangeDark);
  p.Fill(1, 1, 2, 12, kOrangeDark);
  p.Fill(93, 1, 2, 12, kOrangeDark);
  for (int x = 8; x < 90; x += 12) {
    p.Ellipse(x, 5, 4, 4, kOrangeDark);
    p.Dot(x + 1, 5, kYellowLight);
  }
  p.Outline(kOutline);
}

void DrawFallingPlatform(PixelPainter& p) {
  p.Fill(1, 1, 94, 12, kBrownLight);
  p.Fill(1, 1, 94, 2, kSand);
  p.Fill(1, 11, 94, 2, kBrown);
  for (const int x : {22, 50, 76}) {
    p.Line(x, 1, x + 3, 6, kBrownDark);
    p.Line(x + 3, 6, x - 1, 12, kBrownDark);
  }
  p.Fill(30, 17, 3, 3, kBrown);
  p.Fill(61, 19, 2, 2, kBrown);
  p.Fill(84, 16, 3, 3, kBrown);
  p.Outline(kOutline);
}

void DrawJumpPad(PixelPainter& p) {
  p.Fill(4, 26, 24, 5, kGreyDark);
  p.Fill(4, 26, 24, 1, kGrey);
  const QPoint coil[] = {{9, 25}, {23, 22}, {9, 19}, {23, 16}, {9, 13}};
  for (int i = 0; i + 1 < 5; ++i) p.Line(coil[i].x(), coil[i].y(), coil[i + 1].x(), coil[i + 1].y(), kGreyLight, 2);
  p.Fill(2, 6, 28, 6, kRed);
  p.Fill(2, 6, 28, 2, kRedLight);
  p.Fill(2, 11, 28, 1, kRedDark);
  p.Outline(kOutline);
}

} // namespace zt::art
