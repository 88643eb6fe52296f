#pragma once
// The about box: product name, version, a line of description and the
// support site. It does not block the windows behind it.

#include <QDialog>

namespace zt {

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget* parent = nullptr);

  // Shows the box centred on the screen.
  void Present();
};

} // namespace zt
