#pragma once
// The texts written over tiles: a tile's map character and its mark, the
// small text that tells apart tiles sharing one picture ("⇔", "×3", ...).
// Bold, in the map's text colour, placed by their top-left corner; marks go
// 15 pixels below the tile's corner with 32-pixel chips and sit at the
// corner itself, smaller, with 16-pixel chips.

#include "document/TileCode.h"
#include "editor/map/MapViewOptions.h"

#include <QFont>
#include <QPoint>

class QPainter;

namespace zt {

class TileText {
 public:
  TileText();

  // The character (only with 32-pixel chips and the character overlay on).
  void DrawCharacter(QPainter& painter, QPoint tileTopLeft, TileCode code, bool mini,
                     const MapViewOptions& options) const;
  // The mark (with the mark overlay on and a tile that has one).
  void DrawMark(QPainter& painter, QPoint tileTopLeft, TileCode code, bool mini, const MapViewOptions& options) const;

 private:
  struct Font {
    QFont font;
    int ascent;
  };
  void Draw(QPainter& painter, QPoint topLeft, const QString& text, const Font& font,
            const MapViewOptions& options) const;

  Font normal_;
  Font mini_;
};

} // namespace zt
