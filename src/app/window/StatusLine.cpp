#include "app/window/StatusLine.h"

#include <QFontMetrics>

namespace zt {

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
  setObjectName("StatusBar1");
  setMinimumWidth(1);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void StatusLine::SetStatusText(const QString& text) {
  text_ = text;
  Elide();
}

void StatusLine::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Elide();
}

void StatusLine::Elide() {
  QString single = text_;
  single.replace("\r\n", " ").replace('\n', ' ');
  setText(fontMetrics().elidedText(single, Qt::ElideRight, width()));
  setToolTip(text_);
}

} // namespace zt
