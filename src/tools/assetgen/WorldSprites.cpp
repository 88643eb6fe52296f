// The pictures of the world map: roads, stages, doors, people and pipes.

#include "Colours.h"
#include "Sprites.h"

#include <string>

namespace zt::art {
namespace {

std::string Digit(int number) { return std::string(1, static_cast<char>('0' + number)); }

void SmallStar(PixelPainter& p, int x, int y) {
  p.Polygon({QPoint(x + 3, y), QPoint(x + 4, y + 2), QPoint(x + 7, y + 3), QPoint(x + 4, y + 4), QPoint(x + 5, y + 7),
             QPoint(x + 3, y + 5), QPoint(x + 1, y + 7), QPoint(x + 2, y + 4), QPoint(x, y + 3), QPoint(x + 2, y + 2)},
            kYellow);
}

} // namespace

void DrawRelayPoint(PixelPainter& p) {
  p.Ellipse(5, 21, 22, 10, kSandDark);
  p.Ellipse(6, 21, 20, 8, kSand);
  p.Fill(14, 4, 2, 21, kGreyDark);
  p.Polygon({QPoint(16, 4), QPoint(27, 8), QPoint(16, 13)}, kRed);
  p.Outline(kOutline);
}

void DrawRoad(PixelPainter& p, bool vertical) {
  auto fill = [&](int along, int across, int length, int width, QColor colour) {
    if (vertical) p.Fill(across, along, width, length, colour);
    else p.Fill(along, across, length, width, colour);
  };
  fill(0, 9, 32, 14, kSand);
  fill(0, 9, 32, 2, kSandDark);
  fill(0, 21, 32, 2, kSandDark);
  for (const QPoint pebble : {QPoint(4, 13), QPoint(13, 17), QPoint(22, 14), QPoint(28, 18)}) fill(pebble.x(), pebble.y(), 2, 2, kSandDark);
}

void DrawStageMarker(PixelPainter& p, int number) {
  const ColourTrio c = NumberColours(4 - number); // stage 1 red, 2 blue, 3 green
  p.Ellipse(3, 6, 26, 24, c.dark);
  p.Ellipse(3, 3, 26, 24, c.main);
  p.Ellipse(7, 6, 8, 5, c.light);
  p.Outline(kOutline);
  p.Text(12, 9, Digit(number), kOutline, 2);
  p.Text(11, 8, Digit(number), kWhite, 2);
}

void DrawCastle(PixelPainter& p) {
  p.Fill(15, 0, 1, 12, kGreyDark);
  p.Polygon({QPoint(16, 0), QPoint(23, 3), QPoint(16, 6)}, kRed);
  p.Fill(4, 13, 24, 18, kGreyLight);
  p.Fill(1, 7, 8, 24, kGrey);
  p.Fill(23, 7, 8, 24, kGrey);
  for (const int x : {1, 5, 23, 27}) p.Fill(x, 4, 2, 3, kGrey);
  for (const int x : {9, 13, 17, 21}) p.Fill(x, 10, 2, 3, kGreyLight);
  p.Fill(4, 12, 2, 4, kNight);
  p.Fill(26, 12, 2, 4, kNight);
  p.Ellipse(12, 18, 8, 8, kBrownDark);
  p.Fill(12, 22, 8, 9, kBrownDark);
  p.Outline(kOutline);
}

void DrawDoor(PixelPainter& p, Door door) {
  p.Ellipse(5, 2, 22, 18, kGreyDark);
  p.Fill(5, 11, 22, 20, kGreyDark);
  p.Ellipse(8, 5, 16, 14, kBrown);
  p.Fill(8, 12, 16, 19, kBrown);
  for (const int x : {12, 16, 20}) p.Fill(x, 8, 1, 23, kBrownDark);
  p.Fill(21, 21, 2, 2, kYellow);
  p.Outline(kOutline);
  switch (door) {
    case Door::Score:
      p.Ellipse(11, 8, 10, 12, kYellowDark);
      p.Ellipse(12, 9, 8, 10, kYellow);
      p.Fill(15, 11, 2, 6, kYellowDark);
      break;
    case Door::OneStar: SmallStar(p, 12, 10); break;
    case Door::TwoStars:
      SmallStar(p, 8, 10);
      SmallStar(p, 17, 10);
      break;
    case Door::ThreeStars:
      SmallStar(p, 12, 6);
      SmallStar(p, 8, 14);
      SmallStar(p, 17, 14);
      break;
  }
}

void DrawVillager(PixelPainter& p, int number) {
  const QColor clothes = number == 1 ? kGreen : kPink;
  const QColor hair = number == 1 ? kBrownDark : kPurple;
  p.Polygon({QPoint(8, 31), QPoint(11, 16), QPoint(19, 16), QPoint(22, 31)}, clothes);
  p.Fill(9, 30, 4, 2, kBrownDark);
  p.Fill(17, 30, 4, 2, kBrownDark);
  p.Ellipse(9, 6, 12, 12, kSkin);
  p.Ellipse(9, 3, 12, 7, hair);
  if (number == 2) {
    p.Fill(8, 7, 3, 11, hair);
    p.Fill(19, 7, 3, 11, hair);
  }
  p.Fill(12, 11, 2, 2, kBlack);
  p.Fill(17, 11, 2, 2, kBlack);
  p.Ellipse(21, 0, 11, 9, kWhite); // speech bubble
  p.Outline(kOutline);
  for (const int x : {23, 26, 29}) p.Dot(x, 4, kGreyDark);
}

void DrawShop(PixelPainter& p) {
  p.Fill(5, 14, 22, 17, kCream);
  for (int x = 5; x < 27; x += 4) p.Fill(x, 14, 2, 4, kRed);
  p.Fill(13, 21, 6, 10, kBrown);
  p.Fill(7, 21, 4, 4, kBlueLight);
  p.Fill(21, 21, 4, 4, kBlueLight);
  p.Polygon({QPoint(1, 14), QPoint(16, 2), QPoint(31, 14)}, kRed);
  p.Outline(kOutline);
  p.Ellipse(13, 7, 6, 6, kYellow);
  p.Fill(15, 8, 2, 4, kYellowDark);
}

void DrawGuide(PixelPainter& p) {
  p.Line(26, 8, 26, 31, kBrown, 2);
  p.Ellipse(24, 4, 5, 5, kYellow);
  p.Polygon({QPoint(8, 31), QPoint(11, 14), QPoint(21, 14), QPoint(24, 31)}, kBlue);
  p.Ellipse(10, 6, 12, 11, kSkin);
  p.Polygon({QPoint(11, 12), QPoint(21, 12), QPoint(16, 23)}, kWhite);
  p.Polygon({QPoint(8, 8), QPoint(16, 0), QPoint(24, 8)}, kPurple);
  p.Fill(13, 9, 2, 2, kBlack);
  p.Fill(18, 9, 2, 2, kBlack);
  p.Outline(kOutline);
  p.Text(1, 1, "?", kBlue);
}

void DrawWorldPipe(PixelPainter& p, int number) {
  const ColourTrio c = NumberColours(number);
  p.Fill(7, 15, 18, 16, c.main);
  p.Fill(9, 15, 3, 16, c.light);
  p.Fill(21, 15, 3, 16, c.dark);
  p.Fill(4, 6, 24, 9, c.main);
  p.Fill(6, 6, 4, 9, c.light);
  p.Fill(23, 6, 4, 9, c.dark);
  p.Outline(kOutline);
  p.Text(14, 19, Digit(number), kWhite);
}

} // namespace zt::art
