// The title, ending and game-over screens.

#include "Screens.h"

#include "Colours.h"
#include "ScreenPainting.h"
#include "Sprites.h"

#include <QTransform>

namespace zt::art {
namespace {

QImage Canvas() { return Transparent(kScreenWidth, kScreenHeight); }

QImage Finished(const QImage& canvas) { return canvas.convertToFormat(QImage::Format_RGB32); }

// A row of grass-topped ground along the bottom of the screen.
void Ground(PixelPainter& p) {
  for (int x = 0; x < kScreenWidth; x += 32) StampSprite(p, 32, 32, [](PixelPainter& s) { DrawBlock(s, 2); }, x, 288, 1);
}

void Hills(PixelPainter& p, QColor far, QColor near) {
  p.Ellipse(-60, 200, 260, 180, far);
  p.Ellipse(300, 180, 300, 220, far);
  p.Ellipse(120, 230, 240, 140, near);
  p.Ellipse(-40, 250, 140, 90, near);
  p.Ellipse(420, 240, 160, 100, near);
}

// Deterministic scattered points for the stars of the night sky.
QPoint Scatter(int index, int width, int height) {
  const unsigned mixed = static_cast<unsigned>(index) * 2654435761u;
  return QPoint(static_cast<int>(mixed % static_cast<unsigned>(width)),
                static_cast<int>((mixed / 7919u) % static_cast<unsigned>(height)));
}

} // namespace

QImage DrawTitleScreen() {
  QImage canvas = Canvas();
  PixelPainter p(canvas);
  BandedGradient(p, 0, kScreenHeight, QColor(72, 152, 248), QColor(184, 232, 255), 10);
  StampSprite(p, 64, 32, DrawCloudPair, 20, 150, 2);
  StampSprite(p, 64, 32, DrawCloudPair, 380, 170, 1);
  Hills(p, QColor(96, 200, 104), kGreen);
  Ground(p);

  BannerText(p, 256, 30, "ZARNO", 10, kYellow, kOutline);
  FontText(canvas, 256, 140, "コンストラクション", 34, kWhite, kBlueDark);

  for (int i = 0; i < 3; ++i) StampSprite(p, 32, 32, DrawCoin, 176 + i * 24, 178, 1);
  StampSprite(p, 32, 32, [](PixelPainter& s) { DrawItemBlock(s, Item::Fireball); }, 304, 176, 1);
  StampSprite(p, 32, 32, DrawHero, 64, 224, 2);
  StampSprite(p, 32, 32, DrawTurtle, 392, 256, 1);
  StampSprite(p, 32, 32, DrawFlyer, 440, 200, 1);
  StampSprite(p, 32, 32, DrawStar, 240, 224, 2);

  BannerText(p, 256, 300, "CLICK TO START", 2, kWhite, kOutline);
  return Finished(canvas);
}

QImage DrawEndingScreen() {
  QImage canvas = Canvas();
  PixelPainter p(canvas);
  BandedGradient(p, 0, kScreenHeight, QColor(96, 64, 168), QColor(255, 176, 96), 12);
  p.Ellipse(196, 196, 120, 120, kYellowLight); // setting sun
  p.Ellipse(206, 206, 100, 100, kYellow);
  Hills(p, QColor(88, 136, 88), QColor(64, 112, 64));
  StampSprite(p, 32, 32, DrawCastle, 352, 160, 4);
  Ground(p);

  Sparkle(p, 80, 90, 22, kPink);
  Sparkle(p, 430, 70, 26, kCyan);
  Sparkle(p, 150, 150, 14, kYellowLight);
  Sparkle(p, 330, 120, 16, kWhite);
  BannerText(p, 256, 20, "CONGRATULATIONS!", 4, kYellow, kOutline);
  FontText(canvas, 256, 92, "おめでとう！ 全ステージクリア", 26, kWhite, kPurple);

  StampSprite(p, 32, 32, DrawHero, 120, 192, 3);
  StampSprite(p, 32, 32, DrawStar, 136, 140, 2);
  StampSprite(p, 32, 32, DrawBouncer, 240, 256, 1);
  StampSprite(p, 32, 32, DrawFireChick, 276, 256, 1);
  BannerText(p, 256, 296, "THE END", 2, kWhite, kOutline);
  return Finished(canvas);
}

QImage DrawGameOverScreen() {
  QImage canvas = Canvas();
  PixelPainter p(canvas);
  BandedGradient(p, 0, kScreenHeight, kBlack, kNight, 8);
  for (int i = 0; i < 90; ++i) {
    const QPoint star = Scatter(i + 1, kScreenWidth, 220);
    p.Dot(star.x(), star.y(), i % 3 ? kGreyLight : kYellowLight);
  }
  p.Ellipse(410, 36, 56, 56, kYellowLight); // moon
  p.Ellipse(422, 50, 10, 8, kSand);
  p.Ellipse(442, 70, 8, 6, kSand);
  p.Fill(0, 260, kScreenWidth, 60, kSlate);
  for (int x = 0; x < kScreenWidth; x += 16) p.Fill(x, 260, 8, 4, kSlateLight);

  BannerText(p, 256, 92, "GAME OVER", 8, kRed, kOutline);
  QImage hero = Transparent(32, 32);
  PixelPainter heroPainter(hero);
  DrawHero(heroPainter);
  p.Stamp(hero.transformed(QTransform().rotate(90)).scaled(64, 64), 224, 198);
  BannerText(p, 256, 284, "TRY AGAIN!", 2, kWhite, kOutline);
  return Finished(canvas);
}

} // namespace zt::art
