#include "editor/windows/FrameShape.h"

#include <QPainter>

#include <algorithm>

namespace zt {
namespace {

// The hatch lines keep only the blue part of what lies under them, up to
// this value, so the tile stays recognisable through the highlight.
constexpr QRgb kHatchMask = qRgb(0, 0, 160);
constexpr int kHatchSpacing = 8;

// Diagonal lines both ways, each pixel ANDed with the mask colour.
void DrawMaskHatch(QPainter& painter, QRect area) {
  painter.save();
  painter.setClipRect(area);
  painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
  painter.setPen(QColor(kHatchMask));
  const int size = std::max(area.width(), area.height());
  for (int start = -size; start < size; start += kHatchSpacing) {
    painter.drawLine(start, 0, start + size, size);
    painter.drawLine(start, size, start + size, 0);
  }
  painter.restore();
}

} // namespace

FrameShape::FrameShape(Inside inside, const QString& name, QWidget* parent) : QWidget(parent), inside_(inside) {
  setObjectName(name);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
}

void FrameShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (inside_ == Inside::CrossHatchMask) DrawMaskHatch(painter, rect());
  painter.setPen(QPen(Qt::black, 1, Qt::DashDotDotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace zt
