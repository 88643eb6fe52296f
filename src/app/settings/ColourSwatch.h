#pragma once
// The preview rectangle of a colour group: the colour, framed in black.

#include <QColor>
#include <QWidget>

namespace zt {

class ColourSwatch : public QWidget {
  Q_OBJECT

 public:
  explicit ColourSwatch(QWidget* parent = nullptr);

  QColor colour() const { return colour_; }
  void SetColour(const QColor& colour);

  QSize sizeHint() const override { return {44, 22}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_{Qt::white};
};

} // namespace zt
