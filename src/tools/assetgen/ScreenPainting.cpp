#include "ScreenPainting.h"

#include <QFont>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace zt::art {

void BandedGradient(PixelPainter& p, int y0, int y1, QColor top, QColor bottom, int bands) {
  const int rows = y1 - y0;
  for (int band = 0; band < bands; ++band) {
    const double t = bands > 1 ? static_cast<double>(band) / (bands - 1) : 0.0;
    const QColor colour(static_cast<int>(top.red() + (bottom.red() - top.red()) * t),
                        static_cast<int>(top.green() + (bottom.green() - top.green()) * t),
                        static_cast<int>(top.blue() + (bottom.blue() - top.blue()) * t));
    const int from = y0 + rows * band / bands, to = y0 + rows * (band + 1) / bands;
    p.Fill(0, from, p.width(), to - from, colour);
  }
}

void StampSprite(PixelPainter& p, int width, int height, const std::function<void(PixelPainter&)>& draw, int x,
                 int y, int scale) {
  QImage sprite = Transparent(width, height);
  PixelPainter painter(sprite);
  draw(painter);
  p.Stamp(sprite.scaled(width * scale, height * scale), x, y);
}

void BannerText(PixelPainter& p, int centreX, int y, std::string_view text, int scale, QColor fill, QColor outline) {
  const int x = centreX - PixelPainter::TextWidth(text, scale) / 2;
  const int shadow = std::max(2, scale / 2);
  p.Text(x + shadow + 2, y + shadow + 2, text, outline, scale);
  for (int dy = -2; dy <= 2; dy += 2)
    for (int dx = -2; dx <= 2; dx += 2) p.Text(x + dx, y + dy, text, outline, scale);
  p.Text(x, y, text, fill, scale);
}

void FontText(QImage& image, int centreX, int baseline, const QString& text, int pixelSize, QColor fill, QColor outline) {
  QFont font("IPAPGothic");
  font.setPixelSize(pixelSize);
  font.setBold(true);
  font.setStyleStrategy(QFont::NoAntialias);
  QPainter painter(&image);
  painter.setFont(font);
  const int x = centreX - painter.fontMetrics().horizontalAdvance(text) / 2;
  painter.setPen(outline);
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx) painter.drawText(x + dx, baseline + dy, text);
  painter.setPen(fill);
  painter.drawText(x, baseline, text);
}

void Sparkle(PixelPainter& p, int x, int y, int radius, QColor colour) {
  for (int ray = 0; ray < 8; ++ray) {
    const double angle = ray * std::numbers::pi / 4;
    const int inner = radius / 3;
    p.Line(x + static_cast<int>(std::lround(inner * std::cos(angle))), y + static_cast<int>(std::lround(inner * std::sin(angle))),
           x + static_cast<int>(std::lround(radius * std::cos(angle))), y + static_cast<int>(std::lround(radius * std::sin(angle))),
           colour, 2);
  }
  p.Fill(x - 1, y - 1, 3, 3, colour);
}

} // namespace zt::art
