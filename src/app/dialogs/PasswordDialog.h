#pragma once
// The password dialog of encrypted projects. The field shows "*" for every
// character and keeps its text from one use to the next.

#include <QDialog>

#include <optional>

class QLineEdit;

namespace zt {

class PasswordDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PasswordDialog(QWidget* parent = nullptr);

  // Runs the dialog modally: the typed text on OK, nullopt on cancel.
  std::optional<QString> Ask();

  QLineEdit* field() const { return field_; }

 private:
  QLineEdit* field_ = nullptr;
};

} // namespace zt
