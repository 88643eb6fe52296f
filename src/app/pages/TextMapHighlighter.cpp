#include "app/pages/TextMapHighlighter.h"

#include "document/TileCatalogue.h"
#include "document/TileCode.h"

#include <QTextBlock>
#include <QTextCharFormat>

namespace zt {

TextMapHighlighter::TextMapHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

void TextMapHighlighter::SetColouring(bool on) {
  if (on == on_) return;
  on_ = on;
  rehighlight();
}

bool TextMapHighlighter::IsColouredTile(int code) {
  return (code >= 1 && code <= 26) || (code >= 37 && code <= 51) || (code >= 60 && code <= 65);
}

void TextMapHighlighter::highlightBlock(const QString& text) {
  if (!on_) return;
  // A line is measured with its line break, which is never coloured; so a
  // last line without one loses its last two characters, and a line shorter
  // than three characters in all gets no colouring.
  const int length = static_cast<int>(text.size()) + (currentBlock().next().isValid() ? 2 : 0);
  for (int p = 0; p <= length - 3 && p < text.size(); ++p) {
    const QChar c = text[p];
    if (c.unicode() > 0x7F) continue;
    const TileCode code = TileCodeFromChar(static_cast<char>(c.unicode()));
    if (!IsColouredTile(code)) continue;
    const auto colour = TileOverviewColour(code);
    QTextCharFormat format;
    format.setForeground(colour ? QColor(colour->red, colour->green, colour->blue) : QColor(Qt::black));
    setFormat(p, 1, format);
  }
}

} // namespace zt
