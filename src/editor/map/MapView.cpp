#include "editor/map/MapView.h"

#include "document/StageDocument.h"
#include "editor/core/FloodFill.h"
#include "editor/map/MapOverlays.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

namespace zt {
namespace {

QSize ScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize(1024, 768);
}

PixelPos PixelAt(const QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  return {at.x(), at.y()};
}

} // namespace

MapView::MapView(StageDocument& doc, const PatternImage& pattern, QWidget* parent)
    : QWidget(parent), doc_(doc), renderer_(doc, pattern) {
  setObjectName("StageMap");
  setMouseTracking(true);
  setCursor(Qt::CrossCursor);
  renderer_.SetOptions(options_);
  EnsureBufferCovers(ScreenSize());
}

void MapView::EnsureBufferCovers(QSize size) {
  // The buffer is as large as the screen; a view spread over a larger area
  // (another screen, a wide window) gets a larger one.
  if (!buffer_.isNull() && buffer_.width() >= size.width() && buffer_.height() >= size.height()) return;
  buffer_ = QImage(size.expandedTo(buffer_.size()), QImage::Format_RGB32);
  buffer_.fill(Qt::white);
}

ViewGeometry MapView::viewGeometry() const { return {options_.chipSize(), scrollX_, scrollY_, width(), height()}; }

void MapView::SetOptions(const MapViewOptions& options) {
  options_ = options;
  renderer_.SetOptions(options);
  Redraw();
}

void MapView::SetOrigin(int scrollX, int scrollY) {
  scrollX_ = scrollX;
  scrollY_ = scrollY;
  Redraw();
}

void MapView::RebuildView() {
  EnsureBufferCovers(size());
  renderer_.SetButtonFace(palette().color(QPalette::Button));
  renderer_.RebuildView(buffer_, viewGeometry());
}

void MapView::PresentView() { update(); }

void MapView::PenUpdateCell(int x, int y, TileCode code) {
  const ViewGeometry view = viewGeometry();
  const TileCode old = doc_.GetCell(x, y);
  QRect changed = renderer_.TileRect(view, old, x, y);
  {
    QPainter painter(&buffer_);
    renderer_.ClearFootprint(painter, view, old, x, y);
    doc_.SetCell(x, y, code);
    if (code != 0) {
      renderer_.DrawTileAt(painter, view, code, x, y);
      changed |= renderer_.TileRect(view, code, x, y);
    }
  }
  // Only the touched cell changed: repaint just that part of the screen.
  update(changed);
}

void MapView::PenSetCell(TileCode code, int x, int y, bool record) {
  if (!InStage(x, y)) return;
  const TileCode old = doc_.GetCell(x, y);
  if (old == code) return;
  if (record) {
    undo_.Push(x, y, old);
    emit undoAvailable(true);
  }
  doc_.SetModified(true);
  PenUpdateCell(x, y, code);
}

void MapView::FloodFill(int x, int y) {
  QElapsedTimer timer;
  timer.start();
  std::optional<CellRect> limit;
  if (!options_.nuritubushi) limit = viewGeometry().FullyVisibleCells();
  if (!zt::FloodFill(doc_, {x, y}, selectedTile_, limit)) return;
  // A fill changes the stage like any other edit: closing must offer to save it.
  doc_.SetModified(true);
  Redraw();
  emit simpleStatusTextChanged(QString::number(timer.nsecsElapsed() / 1000) + ".");
}

void MapView::SelectTile(TileCode code) {
  if (code > kLastTileCode) return;
  selectedTile_ = code;
  emit selectedTileChanged(code);
  emit statusChanged();
}

void MapView::SetTool(DrawingTool tool) {
  tool_ = tool;
  rectangleDragging_ = false;
  if (ToolClearsSelection(tool)) selection_.active = false;
}

void MapView::PickTile(CellPos cell) {
  // Cells beyond the stage and unrecognised codes are not tiles one can paint with.
  if (!InStage(cell.x, cell.y)) return;
  const TileCode code = doc_.GetCell(cell.x, cell.y);
  if (code <= kLastTileCode) SelectTile(code);
}

void MapView::paintEvent(QPaintEvent* event) {
  if (!doc_.loaded) return;
  const ViewGeometry view = viewGeometry();
  QPainter painter(this);
  const QRect area = event->rect() & rect();
  painter.drawImage(area.topLeft(), buffer_, area);
  if (options_.grid) DrawGrid(painter, view, options_);
  if (selection_.active) DrawSelectionOutline(painter, selection_.Outline(view.chipSize));
  if (rectangleDragging_) DrawRectanglePreview(painter, rectangle_.Block(), view.chipSize);
}

void MapView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  RebuildView();
}

void MapView::mousePressEvent(QMouseEvent* event) {
  const ViewGeometry view = viewGeometry();
  const PixelPos at = PixelAt(event);
  const CellPos cell = view.StageCellAt(at);
  const Qt::MouseButtons buttons = event->buttons();
  const bool left = buttons & Qt::LeftButton, right = buttons & Qt::RightButton;
  const QPoint global = event->globalPosition().toPoint();
  if (right && specialSwitch_) {
    rightClickCell_ = view.ViewCellAt(at);
    if (InStage(cell.x, cell.y)) emit mapMenuRequested(global);
  } else if (left && tool_ == DrawingTool::Pen) {
    PenSetCell(event->modifiers() & Qt::ShiftModifier ? TileCode{0} : selectedTile_, cell.x, cell.y, true);
    selection_.active = false;
  } else if (left && tool_ == DrawingTool::Select) {
    selection_.Start(view.CellCornerAt(at));
    PresentView();
  } else if (right && tool_ == DrawingTool::Select && selection_.active) {
    emit selectionMenuRequested(global);
  } else if (left && tool_ == DrawingTool::Fill) {
    FloodFill(cell.x, cell.y);
  } else if (right) {
    PickTile(cell);
  } else if (left && tool_ == DrawingTool::Rectangle) {
    rectangle_.Press(view.ViewCellAt(at));
    rectangleDragging_ = true;
    PresentView();
  } else if (buttons & Qt::MiddleButton) {
    dragAnchor_ = at;
    setCursor(Qt::SizeAllCursor);
  }
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
  const ViewGeometry view = viewGeometry();
  const PixelPos at = PixelAt(event);
  pointer_ = at;
  const Qt::MouseButtons buttons = event->buttons();
  const bool left = buttons & Qt::LeftButton;
  if (left && tool_ == DrawingTool::Pen) {
    const CellPos cell = view.StageCellAt(at);
    PenSetCell(selectedTile_, cell.x, cell.y, true);
  } else if (left && tool_ == DrawingTool::Select) {
    if (selection_.MoveSecond(view.CellCornerAt(at))) PresentView();
  } else if (left && tool_ == DrawingTool::Rectangle) {
    if (rectangleDragging_ && rectangle_.Move(view.ViewCellAt(at))) PresentView();
  } else if (buttons & Qt::MiddleButton) {
    MiddleDrag(at);
  }
  emit statusChanged();
}

void MapView::MiddleDrag(PixelPos at) {
  // One cell for every two pixels of travel; an odd pixel stays in the
  // anchor, so slow drags that arrive a pixel at a time scroll too.
  const int cellsX = (dragAnchor_.x - at.x) / 2;
  const int cellsY = (dragAnchor_.y - at.y) / 2;
  dragAnchor_.x -= cellsX * 2;
  dragAnchor_.y -= cellsY * 2;
  if (cellsX != 0 || cellsY != 0) emit scrollRequested(-cellsX, -cellsY);
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) setCursor(Qt::CrossCursor);
  if (tool_ != DrawingTool::Rectangle || event->button() != Qt::LeftButton || !rectangleDragging_) return;
  rectangleDragging_ = false;
  if (const auto block = rectangle_.ReleaseBlock(width(), height())) {
    FillViewBlock(doc_, *block, scrollX_, scrollY_, selectedTile_);
    doc_.SetModified(true);
    RebuildView();
  }
  PresentView();
}

} // namespace zt
