// Coins, ?-blocks, pipes, signs and the other things the hero touches.

#include "Colours.h"
#include "Sprites.h"

#include <cmath>
#include <functional>
#include <numbers>
#include <string>

namespace zt::art {
namespace {

// Draws `icon` on a layer of its own, outlines it and stamps it over the picture.
void Layer(PixelPainter& p, const std::function<void(PixelPainter&)>& icon) {
  QImage layer = Transparent(p.width(), p.height());
  PixelPainter painter(layer);
  icon(painter);
  painter.Outline(kOutline);
  p.Stamp(layer, 0, 0);
}

void QuestionBlockBase(PixelPainter& p) {
  p.Fill(0, 0, 32, 32, kYellow);
  p.Bevel(0, 0, 32, 32, kYellowLight, kOrangeDark, 2);
  for (const QPoint corner : {QPoint(4, 4), QPoint(26, 4), QPoint(4, 26), QPoint(26, 26)}) p.Fill(corner.x(), corner.y(), 2, 2, kOrangeDark);
}

void Fireball(PixelPainter& p) {
  p.Polygon({QPoint(9, 16), QPoint(12, 5), QPoint(16, 11), QPoint(20, 4), QPoint(23, 16)}, kRed);
  p.Ellipse(9, 10, 14, 14, kRed);
  p.Ellipse(11, 12, 10, 10, kOrange);
  p.Ellipse(13, 15, 6, 6, kYellowLight);
}

void Barrier(PixelPainter& p) {
  p.Ellipse(7, 7, 18, 18, kBlue);
  p.Ellipse(9, 9, 14, 14, kIce);
  p.Fill(12, 11, 3, 2, kWhite);
  p.Dot(11, 13, kWhite);
}

void Clock(PixelPainter& p) {
  p.Ellipse(7, 7, 18, 18, kRed);
  p.Ellipse(9, 9, 14, 14, kWhite);
  for (const QPoint tick : {QPoint(15, 10), QPoint(21, 15), QPoint(15, 21), QPoint(10, 15)}) p.Fill(tick.x(), tick.y(), 2, 2, kGreyDark);
  p.Line(16, 16, 16, 11, kBlack);
  p.Line(16, 16, 20, 16, kBlack);
  p.Fill(14, 4, 4, 3, kRed);
}

void Rocket(PixelPainter& p) {
  p.Ellipse(13, 22, 6, 7, kOrange);
  p.Dot(15, 25, kYellowLight);
  p.Polygon({QPoint(12, 17), QPoint(8, 24), QPoint(12, 23)}, kRed);
  p.Polygon({QPoint(20, 17), QPoint(24, 24), QPoint(20, 23)}, kRed);
  p.Ellipse(12, 5, 8, 19, kGreyLight);
  p.Polygon({QPoint(12, 10), QPoint(16, 3), QPoint(20, 10)}, kRed);
  p.Ellipse(14, 12, 4, 4, kBlue);
}

void Helmet(PixelPainter& p) {
  p.Ellipse(7, 8, 18, 18, kRed);
  p.Clear(0, 18, 32, 14);
  p.Fill(5, 17, 22, 3, kRedDark);
  p.Fill(15, 8, 2, 9, kWhite);
  p.Fill(10, 11, 3, 3, kRedLight);
}

void Tail(PixelPainter& p) {
  p.Ellipse(7, 18, 10, 9, kBrownDark);
  p.Ellipse(10, 14, 10, 9, kBrownLight);
  p.Ellipse(14, 10, 9, 8, kBrownDark);
  p.Ellipse(17, 6, 8, 7, kCream);
}

void Drill(PixelPainter& p) {
  p.Polygon({QPoint(9, 9), QPoint(23, 9), QPoint(16, 27)}, kGreyLight);
  p.Line(10, 11, 22, 13, kGreyDark);
  p.Line(12, 15, 20, 17, kGreyDark);
  p.Line(14, 19, 18, 21, kGreyDark);
  p.Fill(11, 5, 10, 4, kRed);
}

void Grenade(PixelPainter& p) {
  p.Ellipse(9, 11, 14, 15, kGreenDark);
  p.Fill(10, 17, 12, 1, kGreen);
  p.Fill(16, 12, 1, 13, kGreen);
  p.Fill(13, 7, 6, 5, kGreyDark);
  p.Ellipse(19, 3, 7, 7, kGreyLight);
  p.ClearEllipse(21, 5, 3, 3);
}

} // namespace

void DrawCoin(PixelPainter& p) {
  p.Ellipse(7, 3, 18, 26, kYellowDark);
  p.Ellipse(8, 4, 15, 23, kYellow);
  p.Fill(14, 9, 4, 14, kYellowDark);
  p.Fill(14, 9, 2, 14, kYellowLight);
  p.Fill(10, 7, 2, 5, kWhite);
  p.Outline(kOutline);
}

void DrawItemBlock(PixelPainter& p, Item item) {
  using Icon = void (*)(PixelPainter&);
  static constexpr Icon kIcons[] = {Fireball, Barrier, Clock, Rocket, Helmet, Tail, Drill, Grenade};
  QuestionBlockBase(p);
  Layer(p, kIcons[static_cast<int>(item)]);
}

void DrawOneUpBlock(PixelPainter& p) {
  QuestionBlockBase(p);
  Layer(p, [](PixelPainter& layer) { // a heart
    layer.Ellipse(9, 4, 8, 8, kGreen);
    layer.Ellipse(15, 4, 8, 8, kGreen);
    layer.Polygon({QPoint(9, 9), QPoint(23, 9), QPoint(16, 17)}, kGreen);
    layer.Fill(11, 6, 2, 2, kWhite);
  });
  p.Text(8, 20, "1UP", kGreenDark);
}

void DrawFireBar(PixelPainter& p) {
  DrawBlock(p, 5);
  Layer(p, [](PixelPainter& layer) {
    layer.Ellipse(8, 8, 16, 16, kRed);
    layer.Ellipse(10, 10, 12, 12, kOrange);
    layer.Ellipse(13, 13, 6, 6, kYellowLight);
  });
}

void DrawLinkPipe(PixelPainter& p, int number) {
  const ColourTrio c = NumberColours(number);
  p.Fill(5, 13, 54, 19, c.main);
  p.Fill(9, 13, 5, 19, c.light);
  p.Fill(50, 13, 5, 19, c.dark);
  p.Fill(1, 1, 62, 12, c.main);
  p.Fill(4, 1, 6, 12, c.light);
  p.Fill(54, 1, 6, 12, c.dark);
  p.Outline(kOutline);
  const std::string digit(1, static_cast<char>('0' + number));
  p.Text(28, 17, digit, kOutline, 2);
  p.Text(27, 16, digit, kWhite, 2);
}

void DrawMessageSign(PixelPainter& p, int number) {
  p.Fill(14, 20, 4, 11, kBrown);
  p.Fill(3, 3, 26, 18, kBrownLight);
  p.Bevel(3, 3, 26, 18, kSand, kBrown, 1);
  p.Outline(kOutline);
  p.Text(11, 5, std::string(1, static_cast<char>('0' + number)), kBrownDark, 2);
}

void DrawStar(PixelPainter& p) {
  auto star = [&](double cx, double cy, double outer, double inner, QColor colour) {
    QPoint corners[10];
    for (int i = 0; i < 10; ++i) {
      const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
      const double radius = i % 2 ? inner : outer;
      corners[i] = QPoint(static_cast<int>(std::lround(cx + radius * std::cos(angle))),
                          static_cast<int>(std::lround(cy + radius * std::sin(angle))));
    }
    p.Polygon({corners[0], corners[1], corners[2], corners[3], corners[4], corners[5], corners[6], corners[7],
               corners[8], corners[9]},
              colour);
  };
  star(16, 17, 15.5, 7, kYellow);
  star(15, 16, 9, 4, kYellowLight);
  p.Fill(12, 14, 2, 4, kBlack);
  p.Fill(18, 14, 2, 4, kBlack);
  p.Line(13, 21, 14, 22, kBlack);
  p.Line(15, 22, 17, 22, kBlack);
  p.Line(18, 22, 19, 21, kBlack);
  p.Outline(kOutline);
}

void DrawCandle(PixelPainter& p) {
  p.Fill(12, 13, 8, 16, kCream);
  p.Fill(18, 13, 2, 16, kSand);
  p.Fill(12, 13, 2, 5, kWhite);
  p.Fill(15, 10, 2, 3, kBlack);
  p.Ellipse(12, 1, 8, 11, kOrange);
  p.Ellipse(14, 4, 4, 7, kYellowLight);
  p.Fill(7, 28, 18, 4, kYellowDark);
  p.Fill(7, 28, 18, 1, kYellow);
  p.Outline(kOutline);
}

} // namespace zt::art
