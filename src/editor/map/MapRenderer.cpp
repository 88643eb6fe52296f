#include "editor/map/MapRenderer.h"

#include "document/StageDocument.h"
#include "editor/pattern/PatternImage.h"

#include <QPainter>

namespace zt {
namespace {

bool Drawable(TileCode code) { return code >= 1 && code <= kLastTileCode; }

} // namespace

MapRenderer::MapRenderer(const StageDocument& doc, const PatternImage& pattern)
    : doc_(doc), pattern_(pattern), buttonFace_(Qt::lightGray) {}

void MapRenderer::SetOptions(const MapViewOptions& options) { options_ = options; }

QColor MapRenderer::Background() const {
  const Rgb colour = doc_.StageBackground(doc_.currentStage);
  return QColor(colour.red & 0xFF, colour.green & 0xFF, colour.blue & 0xFF);
}

QRect MapRenderer::TileRect(const ViewGeometry& view, TileCode code, int x, int y) const {
  const PatternCell cell = TilePatternCell(code, doc_.Platforms(options_.ugokuyukaView));
  const PixelPos at = view.TilePixel(code, x, y);
  return {at.x, at.y, view.ScreenLength(cell.width), view.ScreenLength(cell.height)};
}

void MapRenderer::RebuildView(QImage& target, const ViewGeometry& view) const {
  QPainter painter(&target);
  painter.fillRect(0, 0, view.width, view.height, Background());
  const CellRect cells = view.DrawnCells();
  for (int i = cells.left; i < cells.right; ++i)
    for (int j = cells.top; j < cells.bottom; ++j) {
      if (!InStage(i, j)) {
        const PixelPos at = view.CellPixel(i, j);
        painter.fillRect(at.x, at.y, view.chipSize, view.chipSize, buttonFace_);
        continue;
      }
      // The unrecognised code 255 reads as negative and stays blank.
      const TileCode code = doc_.GetCell(i, j);
      if (static_cast<std::int8_t>(code) > 0) DrawTileAt(painter, view, code, i, j);
    }
}

void MapRenderer::DrawTileAt(QPainter& painter, const ViewGeometry& view, TileCode code, int x, int y) const {
  if (!Drawable(code)) return;
  const PatternCell cell = TilePatternCell(code, doc_.Platforms(options_.ugokuyukaView));
  const QRect target = TileRect(view, code, x, y);
  const QRect source(cell.x, cell.y, cell.width, cell.height);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  if (view.chipSize == kFullChipSize) painter.drawImage(target.topLeft(), pattern_.substituted(), source);
  else painter.drawImage(target, pattern_.substituted(), source);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

  const bool mini = view.chipSize != kFullChipSize;
  text_.DrawCharacter(painter, target.topLeft(), code, mini, options_);
  text_.DrawMark(painter, target.topLeft(), code, mini, options_);
}

void MapRenderer::ClearFootprint(QPainter& painter, const ViewGeometry& view, TileCode code, int x, int y) const {
  if (!view.CellInView(x, y)) return;
  const PatternCell cell = TilePatternCell(code, doc_.Platforms(options_.ugokuyukaView));
  const PixelPos at = view.TilePixel(code, x, y);
  painter.fillRect(at.x, at.y, cell.width / kFullChipSize * view.chipSize, cell.height / kFullChipSize * view.chipSize,
                   Background());
}

QImage MapRenderer::RenderStage() const {
  ViewGeometry whole;
  whole.chipSize = options_.chipSize();
  whole.width = kStageWidth * whole.chipSize;
  whole.height = kStageHeight * whole.chipSize;
  QImage picture(whole.width, whole.height, QImage::Format_RGB32);
  RebuildView(picture, whole);
  return picture;
}

} // namespace zt
