#pragma once
// The overview "座標": the whole current stage at 2 x 2 pixels per cell in
// the tiles' overview colours, with a rectangle marking the part the map
// view shows. A press or a left drag on it centres the map view there.

#include "document/TileCode.h"

#include <QImage>
#include <QWidget>

namespace zt {

class FrameShape;
class MapPage;
class PictureBox;
class StageDocument;

class OverviewWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kCellPixels = 2;
  static constexpr int kClientWidth = 360; // 180 cells
  static constexpr int kClientHeight = 60; // 30 cells

  // Follows the page's scrolling and the view's size by itself while shown.
  OverviewWindow(const StageDocument& doc, MapPage& page, QWidget* parent = nullptr);

  // Redraws every cell of the current stage, then the viewport rectangle.
  void DrawOverview();
  // One cell after a single-cell write; cells outside the stage are ignored.
  void OverviewCell(int x, int y, TileCode code);
  // Places the viewport rectangle over the cells the map view shows.
  void MoveViewport();
  // Scrolls the map view so that the overview pixel (px, py) comes near its
  // centre, keeping the view inside the stage's edges.
  void CenterViewAt(int px, int py);
  // The overview command (Ctrl+F2): hides the window when it is shown and
  // focused, else shows and redraws it. Nothing before a document is loaded.
  void Toggle();

  const QImage& picture() const { return picture_; }
  QRect viewportRect() const;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // View pixels per overview pixel: two overview pixels stand for one cell.
  int PixelsPerOverviewPixel() const;
  void FillCell(QPainter& painter, int x, int y, TileCode code);

  const StageDocument& doc_;
  MapPage& page_;
  QImage picture_;
  PictureBox* img_;
  FrameShape* scrollP_;
};

} // namespace zt
