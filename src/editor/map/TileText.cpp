#include "editor/map/TileText.h"

#include "document/TileCatalogue.h"

#include <QFontMetrics>
#include <QPainter>

namespace zt {
namespace {

// The text sizes of the map: 8 and 5 points at 96 dots per inch, in pixels
// so that screen and file pictures agree.
constexpr int kFontPixels = 11;
constexpr int kMiniFontPixels = 7;
constexpr int kMarkDrop = 15;

QFont Bold(int pixels) {
  QFont font;
  font.setBold(true);
  font.setPixelSize(pixels);
  return font;
}

} // namespace

TileText::TileText()
    : normal_{Bold(kFontPixels), QFontMetrics(Bold(kFontPixels)).ascent()},
      mini_{Bold(kMiniFontPixels), QFontMetrics(Bold(kMiniFontPixels)).ascent()} {}

void TileText::DrawCharacter(QPainter& painter, QPoint tileTopLeft, TileCode code, bool mini,
                             const MapViewOptions& options) const {
  if (!options.viewNum || mini) return;
  Draw(painter, tileTopLeft, QString(QChar(TileCodeToChar(code))), normal_, options);
}

void TileText::DrawMark(QPainter& painter, QPoint tileTopLeft, TileCode code, bool mini,
                        const MapViewOptions& options) const {
  const std::string_view mark = TileMark(code);
  if (!options.viewInfo || mark.empty()) return;
  const QString text = QString::fromUtf8(mark.data(), static_cast<qsizetype>(mark.size()));
  if (mini) Draw(painter, tileTopLeft, text, mini_, options);
  else Draw(painter, tileTopLeft + QPoint(0, kMarkDrop), text, normal_, options);
}

void TileText::Draw(QPainter& painter, QPoint topLeft, const QString& text, const Font& font,
                    const MapViewOptions& options) const {
  painter.setFont(font.font);
  painter.setPen(ColourFromConfig(options.fontColor));
  painter.drawText(topLeft.x(), topLeft.y() + font.ascent, text);
}

} // namespace zt
