#pragma once
// The small "Now Loading..." window with a gauge that covers the building of
// the main window (and the preparation of an upload).

#include <QWidget>

class QProgressBar;

namespace zt {

class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SplashWindow(QWidget* parent = nullptr);

  // Sets the gauge (0 to 100) and repaints it at once, since the caller
  // keeps the event loop busy while it works.
  void SetGauge(int position);
  int Gauge() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QProgressBar* gauge_ = nullptr;
};

} // namespace zt
