#pragma once
// The world map editor "地図": the 15 x 9 world map drawn over its
// background picture, painted with the entry chosen in the list. Edits go
// straight into the document (there is no undo for the world map).

#include "document/StageGrid.h"
#include "editor/core/ViewCoordinates.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class QListWidget;

namespace zt {

class Dialogs;
class PatternImage;
class PictureBox;
class StageDocument;
class WorldMapPicture;

// The grid's top-left corner in the drawing area, and its cells' size.
inline constexpr int kWorldMargin = 16;
inline constexpr int kWorldCellPixels = 32;

// The world-map cell under a pointer in the drawing area; a pointer in the
// margin left of or above the grid counts as column or row 0. Nothing for a
// pointer beyond the grid.
std::optional<CellPos> WorldCellAt(QPoint pointer);

class WorldMapEditor : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kAreaWidth = 512;
  static constexpr int kAreaHeight = 320;

  // The full path (UTF-8) of the document's world-map picture file.
  using PicturePath = std::function<std::string()>;

  WorldMapEditor(StageDocument& doc, const PatternImage& pattern, WorldMapPicture& picture, PicturePath picturePath,
                 Dialogs& dialogs, QWidget* parent = nullptr);

  // Draws the map again from the document, the pattern and the picture.
  void DrawMap();
  // "地図画像の更新": loads the picture file again and draws the map.
  void ReloadPicture();

  // What the drawing area shows.
  const QImage& mapImage() const { return frame_; }
  QListWidget& listBox1() { return *list_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Pressed(QPoint at, Qt::MouseButton button);
  void PaintCell(QPoint at);
  void PickCell(QPoint at);
  void DrawTile(int col, int row, WorldCode code);

  StageDocument& doc_;
  const PatternImage& pattern_;
  WorldMapPicture& picture_;
  PicturePath picturePath_;
  Dialogs& dialogs_;
  QImage frame_;
  PictureBox* paintBox1_;
  QListWidget* list_;
};

} // namespace zt
