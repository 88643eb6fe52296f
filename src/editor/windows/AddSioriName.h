#pragma once
// The popup "AddSioriName" that asks for a bookmark's name: the edit box
// "Edit32" and the button "Button11" "追加(&O)" (Enter does the same).

#include <QFrame>

class QLineEdit;
class QPushButton;

namespace zt {

class AddSioriName : public QFrame {
  Q_OBJECT

 public:
  explicit AddSioriName(QWidget* parent = nullptr);

  // Shows the popup with the top-left corner at a screen position, the
  // proposed name in the edit box and selected for overtyping.
  void Open(QPoint screenPos, const QString& proposedName);
  QLineEdit& edit32() { return *edit_; }
  QPushButton& button11() { return *button_; }

 signals:
  // "追加(&O)" was chosen; the popup has closed.
  void nameChosen(const QString& name);

 private:
  void Choose();

  QLineEdit* edit_;
  QPushButton* button_;
};

} // namespace zt
