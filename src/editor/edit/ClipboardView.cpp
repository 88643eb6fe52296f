#include "editor/edit/ClipboardView.h"

#include "document/StageDocument.h"
#include "editor/core/TileClipboard.h"
#include "editor/core/ViewGeometry.h"
#include "editor/map/MapView.h"
#include "editor/pattern/PatternImage.h"

#include <QPainter>

namespace zt {

ClipboardView::ClipboardView(const TileClipboard& clipboard, const PatternImage& pattern, const StageDocument& doc,
                             const MapView& view, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      clipboard_(clipboard), pattern_(pattern), doc_(doc), view_(view) {
  setObjectName("ClipboardView");
  setWindowTitle(QString::fromUtf8("クリップボード"));
}

void ClipboardView::Toggle() {
  if (isVisible()) {
    hide();
    return;
  }
  setFixedSize(clipboard_.width() * kFullChipSize + kFullChipSize, clipboard_.height() * kFullChipSize + kFullChipSize);
  show();
  update();
}

void ClipboardView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const PlatformLook platforms = doc_.Platforms(view_.options().ugokuyukaView);
  for (int i = 0; i < clipboard_.width(); ++i)
    for (int j = 0; j < clipboard_.height(); ++j) {
      const PatternCell cell = TilePatternCell(clipboard_.CodeAt(i, j), platforms);
      painter.drawImage(QPoint(i * kFullChipSize, j * kFullChipSize), pattern_.substituted(),
                        QRect(cell.x, cell.y, cell.width, cell.height));
    }
}

} // namespace zt
