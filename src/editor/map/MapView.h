#pragma once
// The map view "StageMap": the current stage drawn through a back buffer,
// with the grid, the selection outline and the rectangle preview on top,
// and the mouse editing of the four drawing tools.

#include "editor/core/DrawingTool.h"
#include "editor/core/RectangleDrag.h"
#include "editor/core/TileSelection.h"
#include "editor/core/UndoHistory.h"
#include "editor/core/ViewGeometry.h"
#include "editor/map/MapRenderer.h"
#include "editor/map/MapViewOptions.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace zt {

class PatternImage;
class StageDocument;

class MapView : public QWidget {
  Q_OBJECT

 public:
  MapView(StageDocument& doc, const PatternImage& pattern, QWidget* parent = nullptr);

  // Applies the view settings (chip size, text colour, overlays), rebuilds and presents.
  void SetOptions(const MapViewOptions& options);
  const MapViewOptions& options() const { return options_; }
  // Chip size, scroll position and the widget's current size.
  ViewGeometry viewGeometry() const;
  // The stage cell at the view's top-left pixel; rebuilds and presents.
  void SetOrigin(int scrollX, int scrollY);

  // Redraws every visible cell into the back buffer.
  void RebuildView();
  // Shows the back buffer with grid, selection outline and rectangle preview;
  // nothing is shown while the document is not loaded.
  void PresentView();
  void Redraw() {
    RebuildView();
    PresentView();
  }
  // After a pen edit: clears the old tile's footprint, stores the code and
  // draws the new tile; the rest of the back buffer stays as it was.
  void PenUpdateCell(int x, int y, TileCode code);
  // One pen edit of a stage cell, recorded for undo when asked; nothing
  // happens outside the stage or when the cell already holds the code.
  void PenSetCell(TileCode code, int x, int y, bool record);
  // The fill tool at a stage cell.
  void FloodFill(int x, int y);

  TileCode selectedTile() const { return selectedTile_; }
  // Makes a tile (0..65) the selected one; announces it to the palette and
  // the tile box.
  void SelectTile(TileCode code);
  DrawingTool tool() const { return tool_; }
  void SetTool(DrawingTool tool);
  bool specialSwitch() const { return specialSwitch_; }
  void SetSpecialSwitch(bool on) { specialSwitch_ = on; }

  TileSelection& selection() { return selection_; }
  UndoHistory& undoHistory() { return undo_; }
  // The view cell (without scroll) of the last right click that opened the map menu.
  CellPos rightClickCell() const { return rightClickCell_; }
  // The last pointer position over the view, in view pixels.
  PixelPos pointer() const { return pointer_; }
  const QImage& backBuffer() const { return buffer_; }

 signals:
  // The main status bar's simple text (the fill timing).
  void simpleStatusTextChanged(const QString& text);
  void selectedTileChanged(int code);
  void undoAvailable(bool available);
  // A right click with the special switch on, over a stage cell.
  void mapMenuRequested(const QPoint& globalPos);
  // A right click with the select tool while a selection is active.
  void selectionMenuRequested(const QPoint& globalPos);
  // The middle-button drag moves the scroll bars by whole cells.
  void scrollRequested(int dxCells, int dyCells);
  // The pointer moved or a tile was picked: the status line is out of date.
  void statusChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void EnsureBufferCovers(QSize size);
  void PickTile(CellPos cell);
  void MiddleDrag(PixelPos at);

  StageDocument& doc_;
  MapRenderer renderer_;
  MapViewOptions options_;
  int scrollX_ = 0, scrollY_ = 0;
  QImage buffer_;

  DrawingTool tool_ = DrawingTool::Pen;
  bool specialSwitch_ = false;
  TileCode selectedTile_ = 0;
  TileSelection selection_;
  UndoHistory undo_;
  RectangleDrag rectangle_;
  bool rectangleDragging_ = false;
  PixelPos dragAnchor_;
  CellPos rightClickCell_;
  PixelPos pointer_;
};

} // namespace zt
