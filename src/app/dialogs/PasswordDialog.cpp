#include "app/dialogs/PasswordDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zt {

PasswordDialog::PasswordDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle("パスワードダイアログ");
  setModal(true);

  field_ = new QLineEdit(this);
  field_->setEchoMode(QLineEdit::Password);
  field_->setStyleSheet("lineedit-password-character: 42;"); // "*"
  field_->setMinimumWidth(220);

  auto* ok = new QPushButton("OK", this);
  auto* cancel = new QPushButton("キャンセル", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("パスワードの入力 :", this));
  layout->addWidget(field_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<QString> PasswordDialog::Ask() {
  field_->setFocus();
  field_->selectAll();
  if (exec() != QDialog::Accepted) return std::nullopt;
  return field_->text();
}

} // namespace zt
