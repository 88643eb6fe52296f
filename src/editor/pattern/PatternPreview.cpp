#include "editor/pattern/PatternPreview.h"

#include "editor/pattern/PatternImage.h"

#include <QPainter>

#include <algorithm>

namespace zt {

PatternPreview::PatternPreview(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  setFixedSize(kWidth + 2 * frameWidth(), kHeight + 2 * frameWidth());
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Dark);
}

bool PatternPreview::ShowPicture(const QImage& picture) {
  scaled_ = QImage();
  if (!picture.isNull()) {
    // Only the part a pattern uses is shown, at the scale of the whole pattern.
    const int width = std::min(picture.width(), PatternImage::kWidth);
    const int height = std::min(picture.height(), PatternImage::kHeight);
    const QSize target(std::max(1, width * kWidth / PatternImage::kWidth),
                       std::max(1, height * kHeight / PatternImage::kHeight));
    scaled_ = picture.copy(0, 0, width, height).scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  update();
  return !scaled_.isNull();
}

void PatternPreview::Clear() {
  scaled_ = QImage();
  update();
}

void PatternPreview::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (scaled_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(contentsRect().topLeft(), scaled_);
}

} // namespace zt
