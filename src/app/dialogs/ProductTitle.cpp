#include "app/dialogs/ProductTitle.h"

#include "document/ProductInfo.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QRandomGenerator>

namespace zt {
namespace {

QFont TitleFont() {
  QFont font("Sans Serif");
  font.setPixelSize(38);
  font.setBold(true);
  font.setItalic(true);
  return font;
}

} // namespace

std::array<QColor, 11> ProductTitle::GradationColours() {
  const QPalette system = QGuiApplication::palette();
  return {QColor(0, 0, 255),     QColor(255, 0, 0),   QColor(255, 255, 0),           QColor(0, 128, 0),
          QColor(166, 202, 240), QColor(0, 255, 0),   system.color(QPalette::Dark),  QColor(192, 220, 192),
          system.color(QPalette::Highlight),          QColor(128, 0, 128),           QColor(0, 128, 128)};
}

ProductTitle::Gradation ProductTitle::PickGradation(QRandomGenerator& random) {
  const auto colours = GradationColours();
  const QColor colour = colours[random.bounded(static_cast<quint32>(colours.size()))];
  return {colour, random.bounded(2) == 1};
}

ProductTitle::ProductTitle(Gradation gradation, QWidget* parent) : QWidget(parent), gradation_(gradation) {
  setCursor(Qt::SizeAllCursor);
}

QSize ProductTitle::sizeHint() const {
  const QFontMetrics metrics(TitleFont());
  return {metrics.horizontalAdvance(kProductName) + 16, metrics.height() + 8};
}

void ProductTitle::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QFont font = TitleFont();
  const QFontMetrics metrics(font);
  QPainterPath text;
  text.addText(6, (height() + metrics.ascent() - metrics.descent()) / 2, font, kProductName);

  painter.fillPath(text.translated(3, 3), QColor(0, 0, 0, 110));

  const QRectF box = text.boundingRect();
  const QPointF end = gradation_.vertical ? box.bottomLeft() : box.topRight();
  QLinearGradient fill(box.topLeft(), end);
  fill.setColorAt(0, gradation_.colour.lighter(170));
  fill.setColorAt(1, gradation_.colour.darker(220));
  painter.fillPath(text, fill);
  painter.setPen(QPen(gradation_.colour.darker(300), 1));
  painter.drawPath(text);
}

void ProductTitle::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressedAt_ = event->globalPosition().toPoint();
  windowAtPress_ = window()->pos();
}

void ProductTitle::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  window()->move(windowAtPress_ + event->globalPosition().toPoint() - pressedAt_);
}

} // namespace zt
