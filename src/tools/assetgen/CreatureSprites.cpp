// The hero and the small enemies, all facing right.

#include "Colours.h"
#include "Sprites.h"

namespace zt::art {
namespace {

// An eye: white with a pupil towards the front.
void Eye(PixelPainter& p, int x, int y) {
  p.Fill(x, y, 3, 4, kWhite);
  p.Fill(x + 1, y + 1, 2, 3, kBlack);
}

} // namespace

void DrawHero(PixelPainter& p) {
  p.Polygon({QPoint(8, 15), QPoint(1, 13), QPoint(3, 19), QPoint(9, 19)}, kGreen); // scarf end
  p.Ellipse(8, 27, 8, 5, kRed);        // shoes
  p.Ellipse(17, 27, 8, 5, kRed);
  p.Fill(11, 24, 4, 4, kSkin);         // legs
  p.Fill(18, 24, 4, 4, kSkin);
  p.Fill(10, 22, 13, 4, kBrown);       // shorts
  p.Ellipse(5, 18, 6, 6, kSkin);       // hands
  p.Ellipse(22, 18, 6, 6, kSkin);
  p.Fill(8, 16, 17, 7, kYellow);       // shirt
  p.Dot(15, 19, kOrange);
  p.Fill(9, 14, 15, 3, kGreen);        // scarf
  p.Ellipse(9, 4, 15, 14, kSkin);      // head
  p.Fill(19, 10, 2, 3, kBlack);        // eye
  p.Fill(18, 15, 4, 1, kBrownDark);    // smile
  p.Polygon({QPoint(8, 10), QPoint(7, 1), QPoint(12, 3), QPoint(15, 0), QPoint(18, 3), QPoint(23, 1), QPoint(24, 7),
             QPoint(12, 7), QPoint(11, 11)},
            kOrange);                  // spiky hair
  p.Fill(11, 6, 13, 2, kGreyDark);     // goggles on the forehead
  p.Fill(13, 5, 4, 3, kCyan);
  p.Fill(19, 5, 4, 3, kCyan);
  p.Outline(kOutline);
}

void DrawTurtle(PixelPainter& p) {
  p.Ellipse(7, 23, 7, 7, kYellow);  // feet
  p.Ellipse(17, 23, 7, 7, kYellow);
  p.Ellipse(21, 9, 10, 10, kYellow); // head
  Eye(p, 25, 11);
  p.Ellipse(3, 7, 22, 19, kGreenDark); // shell
  p.Ellipse(4, 7, 19, 16, kGreen);
  p.Ellipse(9, 10, 9, 7, kGreenLight);
  p.Fill(3, 20, 22, 3, kCream);
  p.Outline(kOutline);
}

void DrawElectricMouse(PixelPainter& p) {
  p.Ellipse(0, 14, 9, 9, kYellowLight); // fluffy tail
  p.Polygon({QPoint(15, 0), QPoint(21, 0), QPoint(17, 4), QPoint(21, 4), QPoint(14, 11), QPoint(16, 6), QPoint(12, 6)},
            kYellowLight);              // lightning antenna
  p.Ellipse(6, 5, 7, 7, kYellowDark);   // round ears
  p.Ellipse(20, 5, 7, 7, kYellowDark);
  p.Ellipse(8, 24, 6, 6, kOrange);
  p.Ellipse(18, 24, 6, 6, kOrange);
  p.Ellipse(5, 8, 23, 19, kYellow);
  p.Fill(7, 11, 4, 2, kOrange);         // stripes
  p.Fill(6, 15, 3, 2, kOrange);
  p.Fill(12, 13, 3, 3, kBlack);
  p.Fill(20, 13, 3, 3, kBlack);
  p.Dot(12, 13, kWhite);
  p.Dot(20, 13, kWhite);
  p.Ellipse(8, 17, 4, 4, kCyan);        // sparking cheeks
  p.Ellipse(23, 17, 4, 4, kCyan);
  p.Fill(16, 19, 3, 1, kBrownDark);
  p.Outline(kOutline);
  p.Dot(28, 15, kCyan);
  p.Dot(29, 20, kCyan);
}

void DrawFlyer(PixelPainter& p) {
  p.Ellipse(0, 9, 9, 9, kWhite); // wings
  p.Ellipse(23, 9, 9, 9, kWhite);
  p.Ellipse(1, 10, 7, 5, kGreyLight);
  p.Polygon({QPoint(14, 8), QPoint(16, 1), QPoint(19, 8)}, kPinkDark);
  p.Ellipse(6, 7, 21, 20, kPink);
  p.Ellipse(10, 17, 12, 8, kCream);
  p.Ellipse(15, 10, 8, 8, kWhite);
  p.Fill(19, 12, 3, 4, kBlack);
  p.Polygon({QPoint(25, 16), QPoint(31, 18), QPoint(25, 21)}, kOrange);
  p.Fill(11, 27, 2, 3, kOrange);
  p.Fill(17, 27, 2, 3, kOrange);
  p.Outline(kOutline);
}

void DrawLeafSprout(PixelPainter& p) {
  p.Ellipse(8, 26, 6, 5, kGreenDark); // feet
  p.Ellipse(18, 26, 6, 5, kGreenDark);
  p.Ellipse(9, 18, 15, 11, kLeaf);    // body
  for (int x = 10; x < 24; x += 3) p.Dot(x, 19, kGreenDark);
  p.Ellipse(7, 6, 19, 15, kLeaf);     // head
  p.Polygon({QPoint(13, 7), QPoint(16, 0), QPoint(26, 1), QPoint(22, 7)}, kGreen); // leaf
  p.Line(15, 6, 24, 2, kGreenDark);
  p.Fill(13, 11, 2, 4, kRedDark);
  p.Fill(20, 11, 2, 4, kRedDark);
  p.Fill(15, 16, 4, 1, kGreenDark);
  p.Outline(kOutline);
}

void DrawFireHedgehog(PixelPainter& p) {
  p.Polygon({QPoint(4, 15), QPoint(7, 3), QPoint(11, 10), QPoint(15, 1), QPoint(18, 10), QPoint(22, 4), QPoint(24, 15)}, kRed);
  p.Polygon({QPoint(8, 14), QPoint(11, 8), QPoint(14, 12), QPoint(17, 6), QPoint(20, 13)}, kYellow);
  p.Fill(8, 27, 5, 4, kCream);
  p.Fill(19, 27, 5, 4, kCream);
  p.Ellipse(3, 11, 25, 18, kBlueDark);
  p.Ellipse(9, 18, 17, 11, kCream);
  p.Ellipse(21, 14, 10, 9, kCream); // snout
  p.Fill(22, 16, 3, 1, kBlack);     // closed eye
  p.Fill(29, 18, 2, 2, kBlack);
  p.Outline(kOutline);
}

void DrawBouncer(PixelPainter& p) {
  p.Ellipse(8, 0, 6, 13, kBlue);     // long ears
  p.Ellipse(18, 0, 6, 13, kBlue);
  p.Ellipse(10, 2, 2, 8, kPink);
  p.Ellipse(20, 2, 2, 8, kPink);
  p.Ellipse(5, 9, 22, 19, kBlue);
  p.Ellipse(10, 17, 12, 9, kWhite);
  p.Fill(11, 13, 3, 3, kBlack);
  p.Fill(18, 13, 3, 3, kBlack);
  p.Fill(15, 17, 2, 1, kPinkDark);
  p.Fill(7, 27, 6, 3, kBlueDark);    // feet
  p.Fill(19, 27, 6, 3, kBlueDark);
  p.Outline(kOutline);
  for (const int x : {3, 26}) p.Fill(x, 30, 4, 1, kGreyLight); // the bounce
}

void DrawFireChick(PixelPainter& p) {
  p.Ellipse(25, 12, 6, 7, kRed); // a spark in front
  p.Ellipse(27, 14, 3, 3, kYellow);
  p.Fill(11, 27, 4, 4, kYellow);
  p.Fill(18, 27, 4, 4, kYellow);
  p.Polygon({QPoint(11, 10), QPoint(13, 1), QPoint(16, 7), QPoint(20, 2), QPoint(21, 10)}, kYellow);
  p.Ellipse(5, 7, 21, 21, kOrange);
  p.Ellipse(10, 16, 12, 10, kYellowLight);
  Eye(p, 11, 12);
  Eye(p, 18, 12);
  p.Polygon({QPoint(14, 17), QPoint(20, 17), QPoint(17, 21)}, kYellow);
  p.Outline(kOutline);
}

void DrawWaterSquirter(PixelPainter& p) {
  p.Ellipse(26, 15, 5, 5, kWaterLight); // squirt
  p.Dot(30, 12, kWaterLight);
  p.Dot(31, 19, kWaterLight);
  p.Ellipse(5, 25, 9, 6, kBlueDark);    // feet
  p.Ellipse(17, 25, 9, 6, kBlueDark);
  p.Ellipse(3, 10, 24, 19, kBlueLight);
  p.Ellipse(8, 19, 14, 9, kCream);
  p.Ellipse(6, 3, 10, 10, kBlueLight);  // eyes on top of the head
  p.Ellipse(15, 3, 10, 10, kBlueLight);
  Eye(p, 10, 6);
  Eye(p, 19, 6);
  p.Ellipse(20, 15, 8, 6, kPinkDark);   // pouting lips
  p.Ellipse(22, 16, 4, 3, kBlueDark);
  p.Outline(kOutline);
}

void DrawBomber(PixelPainter& p) {
  p.Ellipse(11, 21, 9, 9, kBlack); // bomb
  p.Dot(17, 21, kYellow);
  p.Polygon({QPoint(1, 2), QPoint(17, 11), QPoint(11, 17), QPoint(1, 10)}, kGreyDark);
  p.Polygon({QPoint(3, 4), QPoint(12, 10), QPoint(9, 12), QPoint(3, 8)}, kRed);
  p.Ellipse(6, 9, 18, 12, kGrey);
  p.Ellipse(19, 6, 11, 10, kGreyLight);
  p.Fill(24, 9, 2, 2, kRed);
  p.Polygon({QPoint(28, 10), QPoint(32, 13), QPoint(28, 14)}, kYellowDark);
  p.Outline(kOutline);
}

void DrawKingFish(PixelPainter& p) {
  p.Polygon({QPoint(0, 8), QPoint(8, 17), QPoint(0, 27)}, kRedDark); // tail
  p.Polygon({QPoint(11, 10), QPoint(16, 6), QPoint(21, 10)}, kRedDark); // fin
  p.Ellipse(4, 9, 25, 17, kRed);
  p.Ellipse(9, 18, 17, 6, kRedLight);
  p.Ellipse(18, 12, 6, 6, kWhite);
  p.Fill(21, 13, 2, 3, kBlack);
  p.Fill(27, 19, 2, 1, kRedDark);
  p.Polygon({QPoint(12, 8), QPoint(12, 2), QPoint(15, 5), QPoint(17, 1), QPoint(19, 5), QPoint(22, 2), QPoint(22, 8)}, kYellow);
  p.Outline(kOutline);
}

void DrawJellyfish(PixelPainter& p) {
  p.Ellipse(4, 2, 24, 20, kPink);
  p.Clear(0, 16, 32, 4);
  p.Fill(5, 15, 22, 3, kPinkDark);
  for (int i = 0; i < 5; ++i) {
    const int x = 8 + i * 4;
    for (int y = 18; y < 31; ++y) p.Dot(x + ((y / 3 + i) % 2), y, kPinkDark);
  }
  p.Fill(9, 6, 3, 3, kWhite);
  p.Fill(20, 5, 2, 2, kWhite);
  p.Fill(12, 10, 2, 3, kBlack);
  p.Fill(19, 10, 2, 3, kBlack);
  p.Ellipse(26, 20, 5, 5, kWaterLight); // a bubble
  p.ClearEllipse(27, 21, 3, 3);
  p.Outline(kOutline);
}

} // namespace zt::art
