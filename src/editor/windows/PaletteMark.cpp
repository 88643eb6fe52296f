#include "editor/windows/PaletteMark.h"

#include "document/TileCatalogue.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace zt {
namespace {

// The map's text sizes: 8 and 5 points at 96 dots per inch.
constexpr int kFontPixels = 11;
constexpr int kMiniFontPixels = 7;
constexpr int kFullChipMarkDrop = 15;

} // namespace

void DrawPaletteMark(QPainter& painter, QPoint slotTopLeft, TileCode code, const MapViewOptions& options) {
  const std::string_view mark = TileMark(code);
  if (!options.viewInfo || mark.empty()) return;
  QFont font;
  font.setBold(true);
  font.setPixelSize(options.mini ? kMiniFontPixels : kFontPixels);
  // Text is placed by its top-left corner.
  const QPoint topLeft = options.mini ? slotTopLeft : slotTopLeft + QPoint(0, kFullChipMarkDrop);
  painter.setFont(font);
  painter.setPen(ColourFromConfig(options.fontColor));
  painter.drawText(topLeft + QPoint(0, QFontMetrics(font).ascent()),
                   QString::fromUtf8(mark.data(), static_cast<qsizetype>(mark.size())));
}

} // namespace zt
