#include "PixelPainter.h"

#include "PixelFont.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cstdlib>

namespace zt::art {

QImage Transparent(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

PixelPainter::PixelPainter(QImage& image) : image_(image) {}

void PixelPainter::Set(int x, int y, QRgb value) {
  if (x >= 0 && y >= 0 && x < image_.width() && y < image_.height()) image_.setPixel(x, y, value);
}

void PixelPainter::Fill(int x, int y, int w, int h, QColor colour) {
  for (int py = y; py < y + h; ++py)
    for (int px = x; px < x + w; ++px) Set(px, py, colour.rgb());
}

void PixelPainter::Clear(int x, int y, int w, int h) {
  for (int py = y; py < y + h; ++py)
    for (int px = x; px < x + w; ++px) Set(px, py, 0);
}

namespace {

bool InsideEllipse(int px, int py, int x, int y, int w, int h) {
  const double dx = (px + 0.5 - (x + w / 2.0)) / (w / 2.0);
  const double dy = (py + 0.5 - (y + h / 2.0)) / (h / 2.0);
  return dx * dx + dy * dy <= 1.0;
}

} // namespace

void PixelPainter::Ellipse(int x, int y, int w, int h, QColor colour) {
  for (int py = y; py < y + h; ++py)
    for (int px = x; px < x + w; ++px)
      if (InsideEllipse(px, py, x, y, w, h)) Set(px, py, colour.rgb());
}

void PixelPainter::ClearEllipse(int x, int y, int w, int h) {
  for (int py = y; py < y + h; ++py)
    for (int px = x; px < x + w; ++px)
      if (InsideEllipse(px, py, x, y, w, h)) Set(px, py, 0);
}

void PixelPainter::Polygon(std::initializer_list<QPoint> corners, QColor colour) {
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(colour.rgb()));
  painter.drawPolygon(QPolygon(QList<QPoint>(corners.begin(), corners.end())));
}

void PixelPainter::Line(int x1, int y1, int x2, int y2, QColor colour, int thickness) {
  const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
  const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
  int error = dx + dy;
  const int back = (thickness - 1) / 2;
  for (;;) {
    Fill(x1 - back, y1 - back, thickness, thickness, colour);
    if (x1 == x2 && y1 == y2) break;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x1 += sx;
    }
    if (twice <= dx) {
      error += dx;
      y1 += sy;
    }
  }
}

void PixelPainter::Bevel(int x, int y, int w, int h, QColor light, QColor dark, int size) {
  Fill(x, y, w, size, light);
  Fill(x, y, size, h, light);
  Fill(x, y + h - size, w, size, dark);
  Fill(x + w - size, y, size, h, dark);
}

void PixelPainter::Text(int x, int y, std::string_view text, QColor colour, int scale) {
  for (const char character : text) {
    const auto& rows = Glyph(character);
    for (int row = 0; row < kGlyphHeight; ++row)
      for (int column = 0; column < kGlyphWidth; ++column)
        if (rows[row][column] == '#') Fill(x + column * scale, y + row * scale, scale, scale, colour);
    x += kGlyphAdvance * scale;
  }
}

int PixelPainter::TextWidth(std::string_view text, int scale) {
  return text.empty() ? 0 : static_cast<int>(text.size()) * kGlyphAdvance * scale - scale;
}

void PixelPainter::Outline(QColor colour) {
  const QImage before = image_.copy();
  auto drawn = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < before.width() && y < before.height() && qAlpha(before.pixel(x, y)) != 0;
  };
  for (int y = 0; y < before.height(); ++y)
    for (int x = 0; x < before.width(); ++x)
      if (!drawn(x, y) && (drawn(x - 1, y) || drawn(x + 1, y) || drawn(x, y - 1) || drawn(x, y + 1)))
        Set(x, y, colour.rgb());
}

void PixelPainter::Stamp(const QImage& sprite, int x, int y) {
  for (int sy = 0; sy < sprite.height(); ++sy)
    for (int sx = 0; sx < sprite.width(); ++sx)
      if (qAlpha(sprite.pixel(sx, sy)) != 0) Set(x + sx, y + sy, sprite.pixel(sx, sy));
}

void PixelPainter::Recolour(QColor from, QColor to) {
  for (int y = 0; y < image_.height(); ++y)
    for (int x = 0; x < image_.width(); ++x)
      if (image_.pixel(x, y) == from.rgb()) image_.setPixel(x, y, to.rgb());
}

} // namespace zt::art
