#pragma once
// A fixed-size area that shows a picture 1:1 from its top-left corner and
// reports presses and pointer moves in picture pixels. The owner keeps the
// picture and calls update() after changing it.

#include <QImage>
#include <QWidget>

namespace zt {

class PictureBox : public QWidget {
  Q_OBJECT

 public:
  PictureBox(const QImage& picture, const QString& name, QWidget* parent);

 signals:
  void pressed(QPoint at, Qt::MouseButton button);
  // Every move over the area, and beyond it while a button is held.
  void moved(QPoint at, Qt::MouseButtons held);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  const QImage& picture_;
};

} // namespace zt
