#pragma once
// The one-line status text at the bottom of the main window, cut with an
// ellipsis when it does not fit. It keeps its text until the next one.

#include <QLabel>

namespace zt {

class StatusLine : public QLabel {
  Q_OBJECT
 public:
  explicit StatusLine(QWidget* parent);
  void SetStatusText(const QString& text);
  const QString& fullText() const { return text_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Elide();
  QString text_;
};

} // namespace zt
