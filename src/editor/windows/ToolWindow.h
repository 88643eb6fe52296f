#pragma once
// The tile palette "Tool Window": all 66 tiles in slots of 32 x 32 pixels,
// a hatched highlight over the selected one and a two-line description
// (map character and name). Clicking a slot selects its tile in the map
// view; the palette follows every selection the view announces.

#include "document/TileCode.h"
#include "editor/map/TileText.h"

#include <QImage>
#include <QWidget>

class QPlainTextEdit;

namespace zt {

class FrameShape;
class MapView;
class PatternImage;
class PictureBox;
class StageDocument;

class ToolWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 321;
  static constexpr int kClientHeight = 280;
  static constexpr int kPictureHeight = 224;
  static constexpr int kSlotSize = 32;

  ToolWindow(const StageDocument& doc, const PatternImage& pattern, MapView& view, QWidget* parent = nullptr);

  // Draws every tile from the raw pattern into its slot, shrinking larger
  // pictures to one slot, with the marks the map view writes. Only while a
  // document is loaded; slots past the last tile keep what they showed.
  void DrawPalette();
  // The palette command (F1, also inside this window): hides the window
  // when it is shown and focused, else shows it. Nothing before a document
  // is loaded.
  void Toggle();
  void SetStayOnTop(bool onTop);

  const QImage& palettePicture() const { return picture_; }
  // The index of the last palette column, as the last drawing found it.
  int lastColumn() const { return lastColumn_; }
  // The top-left pixel of a tile's slot.
  QPoint SlotOf(int code) const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ShowSelectedTile(int code);
  void PaletteClicked(QPoint at);

  const StageDocument& doc_;
  const PatternImage& pattern_;
  MapView& view_;
  QImage picture_;
  TileText tileText_;
  int lastColumn_;
  PictureBox* timg_;
  FrameShape* selected_;
  QPlainTextEdit* memo_;
};

} // namespace zt
