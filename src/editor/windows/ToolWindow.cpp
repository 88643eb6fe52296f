#include "editor/windows/ToolWindow.h"

#include "document/StageDocument.h"
#include "editor/map/MapView.h"
#include "editor/pattern/PatternImage.h"
#include "editor/windows/FrameShape.h"
#include "editor/windows/PictureBox.h"
#include "editor/windows/WindowToggle.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>

#include <algorithm>

namespace zt {
namespace {

constexpr QRgb kMemoColour = qRgb(0xC0, 0xFF, 0xC0);

// The last column whose slot lies wholly inside the window's width.
int LastColumnFor(int clientWidth) { return std::max(clientWidth / ToolWindow::kSlotSize, 1) - 1; }

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

} // namespace

ToolWindow::ToolWindow(const StageDocument& doc, const PatternImage& pattern, MapView& view, QWidget* parent)
    : QWidget(parent, Qt::Tool), doc_(doc), pattern_(pattern), view_(view),
      picture_(kClientWidth, kPictureHeight, QImage::Format_RGB32), lastColumn_(LastColumnFor(kClientWidth)) {
  setObjectName("ToolWindow");
  setWindowTitle("Tool Window");
  setFixedSize(kClientWidth, kClientHeight);
  picture_.fill(Qt::white);

  timg_ = new PictureBox(picture_, "timg", this);
  timg_->move(0, 0);
  selected_ = new FrameShape(FrameShape::Inside::CrossHatchMask, "Selected", timg_);
  selected_->resize(kSlotSize, kSlotSize);

  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo");
  memo_->setReadOnly(true);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QPalette colours = memo_->palette();
  colours.setColor(QPalette::Base, QColor(kMemoColour));
  colours.setColor(QPalette::Text, Qt::black);
  memo_->setPalette(colours);
  memo_->setGeometry(0, kPictureHeight, kClientWidth, kClientHeight - kPictureHeight);

  connect(timg_, &PictureBox::pressed, this, [this](QPoint at, Qt::MouseButton) { PaletteClicked(at); });
  connect(&view_, &MapView::selectedTileChanged, this, &ToolWindow::ShowSelectedTile);
  ShowSelectedTile(view_.selectedTile());
}

QPoint ToolWindow::SlotOf(int code) const {
  const int columns = lastColumn_ + 1;
  return {kSlotSize * (code % columns), kSlotSize * (code / columns)};
}

void ToolWindow::DrawPalette() {
  if (!doc_.loaded) return;
  lastColumn_ = LastColumnFor(width());
  const MapViewOptions& options = view_.options();
  const PlatformLook platforms = doc_.Platforms(options.ugokuyukaView);
  QPainter painter(&picture_);
  for (int code = 0; code <= kLastTileCode; ++code) {
    const auto tile = static_cast<TileCode>(code);
    const PatternCell cell = TilePatternCell(tile, platforms);
    const QPoint slot = SlotOf(code);
    // The raw picture: transparent pixels show in the transparent colour.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRect(slot, QSize(kSlotSize, kSlotSize)), pattern_.raw(),
                      QRect(cell.x, cell.y, cell.width, cell.height));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    tileText_.DrawMark(painter, slot, tile, options.mini, options);
  }
  painter.end();
  // The column count may have changed: the highlight moves with its tile.
  ShowSelectedTile(view_.selectedTile());
  timg_->update();
}

void ToolWindow::ShowSelectedTile(int code) {
  selected_->move(SlotOf(code));
  const auto tile = static_cast<TileCode>(code);
  memo_->clear();
  memo_->appendPlainText(QString(QChar::fromLatin1(TileCodeToChar(tile))));
  memo_->appendPlainText(Utf8(TileName(tile)));
}

void ToolWindow::PaletteClicked(QPoint at) {
  const int column = at.x() / kSlotSize, row = at.y() / kSlotSize;
  // The strip right of the last column belongs to no slot.
  if (at.x() < 0 || at.y() < 0 || column > lastColumn_) return;
  const int index = column + row * (lastColumn_ + 1);
  if (index > kLastTileCode) return;
  view_.SelectTile(static_cast<TileCode>(index));
}

void ToolWindow::Toggle() {
  if (doc_.loaded) ToggleWindow(*this);
}

void ToolWindow::SetStayOnTop(bool onTop) {
  const bool shown = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  // Changing a window flag hides the window.
  if (shown) show();
}

void ToolWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) Toggle();
  else QWidget::keyPressEvent(event);
}

} // namespace zt
