#pragma once
// The map page of the main window: the map view with its two scroll bars
// (one unit per cell), the status line "MapStatus" under it and the second
// status bar "StatusBar2".

#include <QWidget>

class QScrollBar;

namespace zt {

class MapView;
class PatternImage;
class StageDocument;
class StatusPanels;

class MapPage : public QWidget {
  Q_OBJECT

 public:
  MapPage(StageDocument& doc, const PatternImage& pattern, QWidget* parent = nullptr);

  MapView& view() { return *view_; }
  QScrollBar& scrollBar1() { return *horizontal_; } // columns 0..179
  QScrollBar& scrollBar2() { return *vertical_; }   // rows 0..29
  StatusPanels& mapStatus() { return *mapStatus_; }
  StatusPanels& statusBar2() { return *statusBar2_; }
  void SetStatusBar2Text(int panel, const QString& text);

  // Moves the view by whole cells (the arrow keys move it 2); the bars clamp.
  void ScrollBy(int dxCells, int dyCells);
  // Jumps: the view's top-left cell becomes (x, y), clamped to the bars' ranges.
  void ScrollTo(int x, int y);
  // Refreshes the four panels of the status line from the pointer position.
  void UpdateMapStatus();

 signals:
  // The view's top-left cell changed (the overview window moves its viewport).
  void originChanged(int scrollX, int scrollY);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // Takes the wheel turns over the map view.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ScrollChanged();
  void Wheel(const QWheelEvent& event);

  StageDocument& doc_;
  MapView* view_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  StatusPanels* mapStatus_;
  StatusPanels* statusBar2_;
  int wheelRemainder_ = 0; // eighths of a degree not yet turned into a row
};

} // namespace zt
