#include "editor/windows/OverviewWindow.h"

#include "document/StageDocument.h"
#include "editor/map/MapPage.h"
#include "editor/map/MapView.h"
#include "editor/windows/FrameShape.h"
#include "editor/windows/PictureBox.h"
#include "editor/windows/WindowToggle.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace zt {
namespace {

QColor OverviewColour(TileCode code) {
  const std::optional<Rgb> colour = TileOverviewColour(code);
  return colour ? QColor(colour->red, colour->green, colour->blue) : QColor(Qt::white);
}

} // namespace

OverviewWindow::OverviewWindow(const StageDocument& doc, MapPage& page, QWidget* parent)
    : QWidget(parent, Qt::Tool), doc_(doc), page_(page),
      picture_(kClientWidth, kClientHeight, QImage::Format_RGB32) {
  setObjectName("OverviewWindow");
  setWindowTitle(QString::fromUtf8("座標"));
  setFixedSize(kClientWidth, kClientHeight);
  picture_.fill(Qt::white);
  img_ = new PictureBox(picture_, "Img", this);
  scrollP_ = new FrameShape(FrameShape::Inside::Clear, "ScrollP", img_);

  connect(img_, &PictureBox::pressed, this, [this](QPoint at, Qt::MouseButton) { CenterViewAt(at.x(), at.y()); });
  connect(img_, &PictureBox::moved, this, [this](QPoint at, Qt::MouseButtons held) {
    if (held & Qt::LeftButton) CenterViewAt(at.x(), at.y());
  });
  connect(&page_, &MapPage::originChanged, this, [this] {
    if (isVisible()) MoveViewport();
  });
  page_.view().installEventFilter(this);
  MoveViewport();
}

int OverviewWindow::PixelsPerOverviewPixel() const {
  return std::max(page_.view().viewGeometry().chipSize / kCellPixels, 1);
}

void OverviewWindow::FillCell(QPainter& painter, int x, int y, TileCode code) {
  painter.fillRect(kCellPixels * x, kCellPixels * y, kCellPixels, kCellPixels, OverviewColour(code));
}

void OverviewWindow::DrawOverview() {
  {
    QPainter painter(&picture_);
    picture_.fill(Qt::white);
    for (int y = 0; y < kStageHeight; ++y)
      for (int x = 0; x < kStageWidth; ++x) FillCell(painter, x, y, doc_.GetCell(x, y));
  }
  img_->update();
  MoveViewport();
}

void OverviewWindow::OverviewCell(int x, int y, TileCode code) {
  if (!InStage(x, y)) return;
  {
    QPainter painter(&picture_);
    FillCell(painter, x, y, code);
  }
  img_->update(kCellPixels * x, kCellPixels * y, kCellPixels, kCellPixels);
}

QRect OverviewWindow::viewportRect() const { return scrollP_->geometry(); }

void OverviewWindow::MoveViewport() {
  const ViewGeometry view = page_.view().viewGeometry();
  const int scale = PixelsPerOverviewPixel();
  scrollP_->setGeometry(kCellPixels * view.scrollX, kCellPixels * view.scrollY, view.width / scale,
                        view.height / scale);
}

void OverviewWindow::CenterViewAt(int px, int py) {
  const ViewGeometry view = page_.view().viewGeometry();
  const int scale = PixelsPerOverviewPixel();
  const int w = view.width / scale - 2, h = view.height / scale - 2;
  int a = std::max(px - w / 2, 0), b = std::max(py - h / 2, 0);
  if (a + w > kClientWidth) a = kClientWidth - w;
  if (b + h > kClientHeight) b = kClientHeight - h;
  // The page clamps to the bars' ranges and moves the viewport when it scrolls.
  page_.ScrollTo(a / kCellPixels, b / kCellPixels);
}

void OverviewWindow::Toggle() {
  // A window that was already shown, behind others, is brought up redrawn too.
  if (doc_.loaded && ToggleWindow(*this)) DrawOverview();
}

void OverviewWindow::showEvent(QShowEvent* event) {
  // Cell writes are not followed while hidden: what is shown must be redrawn.
  DrawOverview();
  QWidget::showEvent(event);
}

bool OverviewWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &page_.view() && event->type() == QEvent::Resize && isVisible()) MoveViewport();
  return QWidget::eventFilter(watched, event);
}

} // namespace zt
