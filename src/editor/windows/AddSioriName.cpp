#include "editor/windows/AddSioriName.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace zt {

AddSioriName::AddSioriName(QWidget* parent) : QFrame(parent, Qt::Popup | Qt::FramelessWindowHint) {
  setObjectName("AddSioriName");
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  edit_ = new QLineEdit(QString::fromUtf8("しおり1"), this);
  edit_->setObjectName("Edit32");
  edit_->setToolTip(QString::fromUtf8("しおりの名前"));
  button_ = new QPushButton(QString::fromUtf8("追加(&O)"), this);
  button_->setObjectName("Button11");
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(edit_);
  layout->addWidget(button_);
  connect(button_, &QPushButton::clicked, this, &AddSioriName::Choose);
  connect(edit_, &QLineEdit::returnPressed, this, &AddSioriName::Choose);
}

void AddSioriName::Open(QPoint screenPos, const QString& proposedName) {
  edit_->setText(proposedName);
  edit_->selectAll();
  adjustSize();
  move(screenPos);
  show();
  edit_->setFocus();
}

void AddSioriName::Choose() {
  hide();
  emit nameChosen(edit_->text());
}

} // namespace zt
