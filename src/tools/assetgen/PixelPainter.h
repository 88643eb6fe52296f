#pragma once
// Crisp pixel-art drawing on a transparent picture: every pixel is either
// fully transparent or fully one of the colours given, so the drawings keep
// a small palette and clean edges against the transparent colour.

#include <QColor>
#include <QImage>
#include <QPoint>

#include <initializer_list>
#include <string_view>

namespace zt::art {

class PixelPainter {
 public:
  explicit PixelPainter(QImage& image); // Format_ARGB32

  int width() const { return image_.width(); }
  int height() const { return image_.height(); }

  void Fill(int x, int y, int w, int h, QColor colour);
  void Dot(int x, int y, QColor colour) { Fill(x, y, 1, 1, colour); }
  void Clear(int x, int y, int w, int h);
  // The pixels whose centres lie inside the ellipse in the box.
  void Ellipse(int x, int y, int w, int h, QColor colour);
  void ClearEllipse(int x, int y, int w, int h);
  void Polygon(std::initializer_list<QPoint> corners, QColor colour);
  // A line of square dots `thickness` wide.
  void Line(int x1, int y1, int x2, int y2, QColor colour, int thickness = 1);
  // Light top and left edges, dark bottom and right edges.
  void Bevel(int x, int y, int w, int h, QColor light, QColor dark, int size = 2);
  // Text in the built-in 5 x 7 font, each font pixel `scale` pixels.
  void Text(int x, int y, std::string_view text, QColor colour, int scale = 1);
  static int TextWidth(std::string_view text, int scale = 1);
  static int TextHeight(int scale = 1) { return 7 * scale; }
  // Colours every transparent pixel next to a drawn one (left, right, up, down).
  void Outline(QColor colour);
  // Copies the drawn pixels of `sprite` with its top-left corner at (x, y).
  void Stamp(const QImage& sprite, int x, int y);
  // Mirrors the whole picture.
  void Flip(bool horizontally, bool vertically) { image_ = image_.mirrored(horizontally, vertically); }
  // Replaces one colour by another everywhere.
  void Recolour(QColor from, QColor to);

 private:
  void Set(int x, int y, QRgb value);

  QImage& image_;
};

// A fresh transparent picture of that size.
QImage Transparent(int width, int height);

} // namespace zt::art
