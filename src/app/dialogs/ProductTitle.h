#pragma once
// The product name of the welcome window: large bold italic letters with a
// shadow, filled with a colour gradation. Dragging it moves its window.

#include <QColor>
#include <QPoint>
#include <QWidget>

#include <array>

class QRandomGenerator;

namespace zt {

class ProductTitle : public QWidget {
  Q_OBJECT

 public:
  struct Gradation {
    QColor colour;
    bool vertical = false;
  };

  // The eleven colours a gradation is picked from, in their fixed order.
  static std::array<QColor, 11> GradationColours();
  // One of the colours, uniformly, running vertically with probability 1/2.
  static Gradation PickGradation(QRandomGenerator& random);

  explicit ProductTitle(Gradation gradation, QWidget* parent = nullptr);

  const Gradation& gradation() const { return gradation_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  Gradation gradation_;
  QPoint pressedAt_;     // global position of the press
  QPoint windowAtPress_; // where the window was then
};

} // namespace zt
