#pragma once
// The chooser's preview: the pattern region (0, 0)-(320, 800) of a picture,
// scaled smoothly into 128 x 320 pixels.

#include <QFrame>
#include <QImage>

namespace zt {

class PatternPreview : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kWidth = 128;
  static constexpr int kHeight = 320;

  explicit PatternPreview(QWidget* parent = nullptr);

  // False when nothing could be drawn (an empty picture); the area is then blank.
  bool ShowPicture(const QImage& picture);
  void Clear();
  const QImage& shown() const { return scaled_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage scaled_;
};

} // namespace zt
