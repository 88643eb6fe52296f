#include "editor/map/MapOverlays.h"

#include <QPainter>
#include <QPolygon>

namespace zt {
namespace {

Qt::PenStyle GridPenStyle(int gridType) {
  switch (gridType) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
  }
}

// Restores the painter when an overlay is done with it.
class PainterState {
 public:
  explicit PainterState(QPainter& painter) : painter_(painter) { painter_.save(); }
  ~PainterState() { painter_.restore(); }
  PainterState(const PainterState&) = delete;
  PainterState& operator=(const PainterState&) = delete;

 private:
  QPainter& painter_;
};

} // namespace

void DrawGrid(QPainter& painter, const ViewGeometry& view, const MapViewOptions& options) {
  const PainterState state(painter);
  const bool invert = options.gridColType == 0;
  QPen pen(invert ? QColor(Qt::black) : ColourFromConfig(options.gridColor), 1, GridPenStyle(options.gridType));
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  if (invert) painter.setCompositionMode(QPainter::RasterOp_NotDestination);
  for (int k = 0; k <= view.width / view.chipSize; ++k) {
    const int x = k * view.chipSize;
    painter.drawLine(x, 0, x, view.height - 1);
  }
  for (int k = 0; k <= view.height / view.chipSize; ++k) {
    const int y = k * view.chipSize;
    painter.drawLine(0, y, view.width - 1, y);
  }
}

void DrawSelectionOutline(QPainter& painter, const PixelRect& outline) {
  const PainterState state(painter);
  painter.setPen(QPen(Qt::black, 2, Qt::DashLine));
  painter.setBrush(Qt::NoBrush);
  painter.setCompositionMode(QPainter::RasterOp_NotDestination);
  const QPolygon path({QPoint(outline.left, outline.top), QPoint(outline.left, outline.bottom),
                       QPoint(outline.right, outline.bottom), QPoint(outline.right, outline.top)});
  painter.drawPolygon(path);
}

void DrawRectanglePreview(QPainter& painter, const CellRect& viewBlock, int chipSize) {
  const PainterState state(painter);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(QBrush(QColor(128, 128, 128), Qt::DiagCrossPattern));
  // The outline lies on the block's edge pixels, inside the block.
  painter.drawRect(viewBlock.left * chipSize, viewBlock.top * chipSize, viewBlock.width() * chipSize - 1,
                   viewBlock.height() * chipSize - 1);
}

} // namespace zt
