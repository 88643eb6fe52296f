#pragma once
// The window "クリップボード": the tile clipboard drawn cell by cell from the
// background-substituted pattern, each whole pattern cell at its place,
// unscaled and without draw offset, so larger pictures overlap the
// following cells.

#include <QWidget>

namespace zt {

class MapView;
class PatternImage;
class StageDocument;
class TileClipboard;

class ClipboardView : public QWidget {
  Q_OBJECT

 public:
  ClipboardView(const TileClipboard& clipboard, const PatternImage& pattern, const StageDocument& doc,
                const MapView& view, QWidget* parent = nullptr);

  // Hides a shown window; shows a hidden one sized to the clipboard
  // (W x 32 + 32 by H x 32 + 32 pixels) and draws it.
  void Toggle();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const TileClipboard& clipboard_;
  const PatternImage& pattern_;
  const StageDocument& doc_;
  const MapView& view_; // the moving platforms are drawn as the map draws them
};

} // namespace zt
