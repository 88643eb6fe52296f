#pragma once
// Helpers shared by the full-screen pictures.

#include "PixelPainter.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <functional>
#include <string_view>

namespace zt::art {

inline constexpr int kScreenWidth = 512;
inline constexpr int kScreenHeight = 320;

// Horizontal bands from `top` to `bottom` colour over the rows y0..y1.
void BandedGradient(PixelPainter& p, int y0, int y1, QColor top, QColor bottom, int bands);
// One of the pattern drawings, `scale` times as large, with its top-left corner at (x, y).
void StampSprite(PixelPainter& p, int width, int height, const std::function<void(PixelPainter&)>& draw, int x,
                 int y, int scale);
// Pixel-font text with an outline of two pixels and a drop shadow.
void BannerText(PixelPainter& p, int centreX, int y, std::string_view text, int scale, QColor fill, QColor outline);
// Text in a system font without smoothing, outlined; centred on centreX.
void FontText(QImage& image, int centreX, int baseline, const QString& text, int pixelSize, QColor fill, QColor outline);
// A small firework burst or twinkle.
void Sparkle(PixelPainter& p, int x, int y, int radius, QColor colour);

} // namespace zt::art
