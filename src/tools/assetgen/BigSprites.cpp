// The falling block and the three bosses. The bosses face left, towards a
// hero coming from the start of the stage.

#include "Colours.h"
#include "Sprites.h"

namespace zt::art {
namespace {

// A thick line through the points, `thickness` pixels across.
void Path(PixelPainter& p, std::initializer_list<QPoint> points, QColor colour, int thickness) {
  const QPoint* previous = nullptr;
  for (const QPoint& point : points) {
    if (previous) p.Line(previous->x(), previous->y(), point.x(), point.y(), colour, thickness);
    previous = &point;
  }
}

} // namespace

void DrawFallingBlock(PixelPainter& p) {
  p.Ellipse(4, 2, 16, 16, kGrey); // rounded corners
  p.Ellipse(76, 2, 16, 16, kGrey);
  p.Ellipse(4, 44, 16, 16, kGrey);
  p.Ellipse(76, 44, 16, 16, kGrey);
  p.Fill(12, 2, 72, 58, kGrey);
  p.Fill(4, 10, 88, 42, kGrey);
  p.Fill(12, 55, 72, 5, kGreyDark);
  p.Fill(86, 10, 6, 42, kGreyDark);
  p.Fill(12, 2, 72, 3, kGreyLight);
  p.Fill(4, 10, 4, 42, kGreyLight);
  for (int x = 14; x < 82; x += 9) p.Ellipse(x, 0, 10, 6, x % 2 ? kGreen : kGreenDark); // moss
  p.Line(16, 22, 22, 30, kGreyDark);
  p.Line(22, 30, 18, 40, kGreyDark);
  p.Line(74, 38, 80, 46, kGreyDark);
  p.Ellipse(28, 18, 14, 14, kWhite);
  p.Ellipse(54, 18, 14, 14, kWhite);
  p.Fill(35, 24, 5, 6, kBlack);
  p.Fill(56, 24, 5, 6, kBlack);
  p.Fill(26, 15, 18, 4, kGreyDark); // heavy frowning brows
  p.Fill(52, 15, 18, 4, kGreyDark);
  p.Fill(36, 42, 24, 4, kBlack);    // grim mouth
  p.Fill(34, 44, 3, 3, kBlack);
  p.Fill(59, 44, 3, 3, kBlack);
  p.Outline(kOutline);
  for (const int x : {20, 46, 70}) p.Fill(x, 62, 4, 2, kGreyDark); // falling grit
}

void DrawVolcanoBoss(PixelPainter& p) {
  p.Polygon({QPoint(0, 30), QPoint(10, 34), QPoint(9, 44), QPoint(0, 40)}, kRedDark); // tail
  p.Fill(10, 50, 12, 12, kRedDark);
  p.Fill(36, 50, 12, 12, kRedDark);
  for (const int x : {18, 44}) p.Polygon({QPoint(x, 58), QPoint(x + 5, 60), QPoint(x, 62)}, kWhite);
  p.Polygon({QPoint(9, 26), QPoint(14, 9), QPoint(21, 24)}, kGreyDark); // rocks on the back
  p.Polygon({QPoint(19, 22), QPoint(26, 4), QPoint(33, 21)}, kGrey);
  p.Ellipse(24, 2, 5, 5, kOrange);
  p.Ellipse(4, 20, 50, 38, kRed);
  p.Ellipse(14, 36, 30, 18, kRedLight);
  Path(p, {QPoint(12, 28), QPoint(22, 33), QPoint(20, 42), QPoint(28, 48)}, kYellow, 2);
  Path(p, {QPoint(32, 26), QPoint(38, 34), QPoint(46, 36)}, kOrange, 2);
  p.Ellipse(34, 8, 28, 24, kRed);
  p.Polygon({QPoint(42, 22), QPoint(63, 20), QPoint(61, 30), QPoint(45, 30)}, kRedDark);
  p.Polygon({QPoint(47, 22), QPoint(49, 27), QPoint(51, 22)}, kWhite);
  p.Polygon({QPoint(54, 22), QPoint(56, 26), QPoint(58, 21)}, kWhite);
  p.Ellipse(47, 12, 9, 6, kYellow);
  p.Fill(51, 13, 3, 4, kBlack);
  p.Line(45, 10, 56, 12, kRedDark, 2);
  p.Outline(kOutline);
  p.Flip(true, false);
}

void DrawWaterBoss(PixelPainter& p) {
  p.Polygon({QPoint(0, 16), QPoint(10, 30), QPoint(0, 42)}, kBlueDark); // tail
  p.Polygon({QPoint(18, 46), QPoint(10, 62), QPoint(29, 52)}, kBlueDark); // fins
  p.Polygon({QPoint(38, 48), QPoint(44, 62), QPoint(51, 48)}, kBlueDark);
  p.Polygon({QPoint(38, 18), QPoint(47, 4), QPoint(53, 20)}, kBlueDark);
  p.Ellipse(3, 15, 60, 39, kBlue);
  p.Ellipse(9, 33, 48, 20, kBlueLight);
  Path(p, {QPoint(10, 26), QPoint(26, 22), QPoint(36, 25)}, kRed, 2);
  for (const QPoint dot : {QPoint(16, 30), QPoint(24, 28), QPoint(32, 31)}) p.Fill(dot.x(), dot.y(), 2, 2, kRed);
  p.Ellipse(45, 24, 10, 9, kWhite);
  p.Fill(50, 27, 3, 4, kBlack);
  p.Line(43, 22, 54, 21, kRed, 2);
  p.Line(50, 40, 61, 37, kBlueDark, 2);
  p.Outline(kOutline);
  for (const int x : {6, 22, 40}) {
    p.Ellipse(x, 57, 12, 6, kWaterLight);
    p.Dot(x + 4, 58, kWhite);
  }
  p.Flip(true, false);
}

void DrawSkyBoss(PixelPainter& p) {
  p.Polygon({QPoint(15, 42), QPoint(6, 32), QPoint(22, 38)}, kRed); // fins along the body
  p.Polygon({QPoint(30, 30), QPoint(24, 22), QPoint(36, 27)}, kRed);
  const auto body = {QPoint(5, 58), QPoint(14, 47), QPoint(29, 44), QPoint(39, 34), QPoint(36, 24), QPoint(41, 16)};
  Path(p, body, kGreenDark, 11);
  Path(p, body, kGreen, 7);
  for (const QPoint ring : {QPoint(9, 51), QPoint(21, 44), QPoint(35, 39), QPoint(37, 28)}) p.Ellipse(ring.x() - 2, ring.y() - 2, 5, 5, kYellow);
  p.Polygon({QPoint(36, 8), QPoint(29, 1), QPoint(40, 5)}, kRed);
  p.Ellipse(34, 4, 26, 18, kGreen);
  p.Polygon({QPoint(46, 16), QPoint(63, 14), QPoint(61, 22), QPoint(44, 22)}, kGreenDark);
  p.Polygon({QPoint(49, 16), QPoint(51, 19), QPoint(53, 16)}, kWhite);
  p.Ellipse(45, 8, 8, 6, kYellow);
  p.Fill(49, 9, 2, 4, kRed);
  p.Line(54, 6, 62, 1, kYellow);
  p.Line(51, 4, 55, 0, kYellow);
  p.Outline(kOutline);
  p.Flip(true, false);
}

} // namespace zt::art
