#pragma once
// Draws the stage of a document from the background-substituted pattern
// picture: the visible cells into the map view's back buffer, or a whole
// stage into a picture of its own.

#include "editor/core/ViewGeometry.h"
#include "editor/map/MapViewOptions.h"
#include "editor/map/TileText.h"

#include <QColor>
#include <QFont>
#include <QImage>

class QPainter;

namespace zt {

class PatternImage;
class StageDocument;

class MapRenderer {
 public:
  MapRenderer(const StageDocument& doc, const PatternImage& pattern);

  // Characters, marks, text colour and the moving-platform look.
  void SetOptions(const MapViewOptions& options);
  // The colour of cells beyond the stage's edges.
  void SetButtonFace(QColor colour) { buttonFace_ = colour; }

  // Fills the view's rectangle of `target` with the stage background and
  // draws every visible cell, column by column, each column top to bottom;
  // cells beyond the stage get the button-face colour.
  void RebuildView(QImage& target, const ViewGeometry& view) const;
  // One tile anchored at stage cell (x, y): its picture 1:1 with full chips
  // or halved with mini chips, then its character and mark when switched on.
  // Only codes 1..65 are drawn.
  void DrawTileAt(QPainter& painter, const ViewGeometry& view, TileCode code, int x, int y) const;
  // Paints the footprint of the tile anchored at (x, y) with the stage
  // background, when that cell is in view; one cell for code 0.
  void ClearFootprint(QPainter& painter, const ViewGeometry& view, TileCode code, int x, int y) const;
  // The screen rectangle of a tile's picture anchored at (x, y).
  QRect TileRect(const ViewGeometry& view, TileCode code, int x, int y) const;

  // The whole current stage, 180 x 30 cells at the options' chip size.
  QImage RenderStage() const;

 private:
  QColor Background() const;

  const StageDocument& doc_;
  const PatternImage& pattern_;
  MapViewOptions options_;
  QColor buttonFace_;
  TileText text_;
};

} // namespace zt
