#include "editor/windows/PictureBox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace zt {

PictureBox::PictureBox(const QImage& picture, const QString& name, QWidget* parent)
    : QWidget(parent), picture_(picture) {
  setObjectName(name);
  setFixedSize(picture.size());
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect().topLeft(), picture_, event->rect());
}

void PictureBox::mousePressEvent(QMouseEvent* event) { emit pressed(event->position().toPoint(), event->button()); }

void PictureBox::mouseMoveEvent(QMouseEvent* event) { emit moved(event->position().toPoint(), event->buttons()); }

} // namespace zt
