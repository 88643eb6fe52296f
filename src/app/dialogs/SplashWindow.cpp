#include "app/dialogs/SplashWindow.h"

#include "app/dialogs/WindowPlacement.h"

#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

namespace zt {

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setWindowTitle("Now Loading...");
  setFixedSize(257, 85);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 12, 16, 14);
  auto* text = new QLabel("起動中....", this);
  QFont font = text->font();
  font.setBold(true);
  text->setFont(font);
  layout->addWidget(text);
  gauge_ = new QProgressBar(this);
  gauge_->setRange(0, 100);
  gauge_->setValue(0);
  gauge_->setTextVisible(false);
  layout->addWidget(gauge_);
  CentreOnScreen(*this);
}

void SplashWindow::SetGauge(int position) {
  gauge_->setValue(std::clamp(position, 0, 100));
  repaint();
}

int SplashWindow::Gauge() const { return gauge_->value(); }

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace zt
