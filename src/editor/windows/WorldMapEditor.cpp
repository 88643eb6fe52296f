#include "editor/windows/WorldMapEditor.h"

#include "document/StageDocument.h"
#include "editor/pattern/PatternImage.h"
#include "editor/pattern/PatternLoader.h"
#include "editor/windows/PictureBox.h"
#include "formats/Dialogs.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace zt {
namespace {

// Columns and rows start at the margin; division truncates toward zero, so
// the margin before the first column or row falls into it.
int WorldIndexAt(int pixel) { return (pixel - kWorldMargin) / kWorldCellPixels; }

} // namespace

std::optional<CellPos> WorldCellAt(QPoint pointer) {
  const CellPos cell{WorldIndexAt(pointer.x()), WorldIndexAt(pointer.y())};
  if (!InWorld(cell.x, cell.y)) return std::nullopt;
  return cell;
}

WorldMapEditor::WorldMapEditor(StageDocument& doc, const PatternImage& pattern, WorldMapPicture& picture,
                               PicturePath picturePath, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), doc_(doc), pattern_(pattern), picture_(picture),
      picturePath_(std::move(picturePath)), dialogs_(dialogs),
      frame_(kAreaWidth, kAreaHeight, QImage::Format_RGB32) {
  setObjectName("WorldMapEditor");
  setWindowTitle(QString::fromUtf8("地図"));
  frame_.fill(Qt::white);
  paintBox1_ = new PictureBox(frame_, "PaintBox1", this);

  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  for (int code = 0; code <= kLastWorldCode; ++code) {
    const std::string_view entry = WorldListEntry(static_cast<WorldCode>(code));
    list_->addItem(QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())));
  }
  list_->setCurrentRow(0);
  // Every entry in sight, without scrolling.
  list_->setFixedSize(list_->sizeHintForColumn(0) + 2 * list_->frameWidth() + 8,
                      list_->sizeHintForRow(0) * list_->count() + 2 * list_->frameWidth());

  auto* button1 = new QPushButton(QString::fromUtf8("地図画像の更新"), this);
  button1->setObjectName("Button1");

  auto* layout = new QGridLayout(this);
  layout->addWidget(paintBox1_, 0, 0, 2, 1, Qt::AlignTop);
  layout->addWidget(list_, 0, 1);
  layout->addWidget(button1, 1, 1);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(paintBox1_, &PictureBox::pressed, this, &WorldMapEditor::Pressed);
  connect(paintBox1_, &PictureBox::moved, this, [this](QPoint at, Qt::MouseButtons held) {
    if (held & Qt::LeftButton) PaintCell(at);
  });
  connect(button1, &QPushButton::clicked, this, &WorldMapEditor::ReloadPicture);
}

void WorldMapEditor::DrawMap() {
  {
    // A picture of another size (a BMP keeps its own) covers what it covers;
    // the rest of the area stays white.
    QPainter painter(&frame_);
    frame_.fill(Qt::white);
    painter.drawImage(0, 0, picture_.image());
  }
  for (int col = 0; col < kWorldWidth; ++col)
    for (int row = 0; row < kWorldHeight; ++row)
      if (const WorldCode code = doc_.world.at(col, row); code != 0) DrawTile(col, row, code);
  paintBox1_->update();
}

void WorldMapEditor::DrawTile(int col, int row, WorldCode code) {
  const std::optional<PatternCell> cell = WorldPatternCell(code);
  if (!cell) return;
  // Pixels of the transparent colour keep the background already in the
  // frame; every other pixel is the tile's.
  const QImage& raw = pattern_.raw();
  const QRgb transparent = pattern_.transparentColour() | 0xFF000000u;
  const int left = kWorldMargin + kWorldCellPixels * col, top = kWorldMargin + kWorldCellPixels * row;
  for (int dy = 0; dy < kWorldCellPixels; ++dy) {
    const auto* source = reinterpret_cast<const QRgb*>(raw.constScanLine(cell->y + dy)) + cell->x;
    auto* target = reinterpret_cast<QRgb*>(frame_.scanLine(top + dy)) + left;
    for (int dx = 0; dx < kWorldCellPixels; ++dx)
      if ((source[dx] | 0xFF000000u) != transparent) target[dx] = source[dx];
  }
}

void WorldMapEditor::Pressed(QPoint at, Qt::MouseButton button) {
  if (button == Qt::LeftButton) PaintCell(at);
  else if (button == Qt::RightButton) PickCell(at);
}

void WorldMapEditor::PaintCell(QPoint at) {
  const std::optional<CellPos> cell = WorldCellAt(at);
  const int selected = list_->currentRow();
  if (!cell || selected < 0) return;
  WorldCode& code = doc_.world.at(cell->x, cell->y);
  if (code == selected) return;
  code = static_cast<WorldCode>(selected);
  doc_.SetModified(true);
  DrawMap();
}

void WorldMapEditor::PickCell(QPoint at) {
  const std::optional<CellPos> cell = WorldCellAt(at);
  if (!cell) return;
  const WorldCode code = doc_.world.at(cell->x, cell->y);
  if (code <= kLastWorldCode) list_->setCurrentRow(code);
}

void WorldMapEditor::ReloadPicture() {
  const std::string path = picturePath_();
  if (!LoadWorldMapPicture(picture_, path))
    dialogs_.Notify("地図画像を読み込めませんでした。\r\n" + path);
  DrawMap();
}

void WorldMapEditor::showEvent(QShowEvent* event) {
  DrawMap();
  QWidget::showEvent(event);
}

} // namespace zt
