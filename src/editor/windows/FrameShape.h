#pragma once
// A rectangle lying over a picture: a dash-dot-dot black outline, with a
// clear inside or a diagonal cross hatch that darkens the picture under it
// (the pixels are combined with AND, as a mask). It lets every pointer event
// through to the picture below.

#include <QWidget>

namespace zt {

class FrameShape : public QWidget {
  Q_OBJECT

 public:
  enum class Inside { Clear, CrossHatchMask };

  FrameShape(Inside inside, const QString& name, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Inside inside_;
};

} // namespace zt
