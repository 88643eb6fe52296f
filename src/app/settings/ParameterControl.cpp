#include "app/settings/ParameterControl.h"

#include "document/Cp932Codec.h"
#include "document/ParameterCatalogue.h"
#include "document/StageDocument.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace zt {
namespace {

QWidget* CreateWidget(const SettingControl& row, QWidget* parent) {
  switch (row.kind) {
    case ControlKind::SpinEdit: {
      auto* spin = new QSpinBox(parent);
      spin->setRange(row.minimum, row.maximum);
      return spin;
    }
    case ControlKind::ComboBox: {
      auto* combo = new QComboBox(parent);
      for (const char* item : row.items) combo->addItem(QString::fromUtf8(item));
      return combo;
    }
    case ControlKind::Edit:
      return new QLineEdit(parent);
  }
  return nullptr;
}

} // namespace

ParameterControl::ParameterControl(const SettingControl& row, QWidget* parent)
    : row_(&row), widget_(CreateWidget(row, parent)) {
  widget_->setObjectName(QString::fromUtf8(row.name));
  if (*row.label != '\0') {
    label_ = new QLabel(QString::fromUtf8(row.label), parent);
    label_->setBuddy(widget_);
  }
  const GameParameter& parameter = Parameter(row.param);
  if (row.kind == ControlKind::Edit) ShowText(QString::fromUtf8(parameter.startupText));
  else ShowNumber(parameter.startupNumber);
  RememberShown();
}

void ParameterControl::Show(const StageDocument& doc) {
  if (row_->kind == ControlKind::Edit) ShowText(QString::fromStdString(Utf8FromShiftJis(doc.Text(row_->param))));
  else ShowNumber(doc.Int(row_->param));
  RememberShown();
}

void ParameterControl::Take(StageDocument& doc) {
  const bool changed =
      row_->kind == ControlKind::Edit ? CurrentText() != shownText_ : CurrentNumber() != shownNumber_;
  if (changed) Store(doc);
}

void ParameterControl::Store(StageDocument& doc) {
  switch (row_->kind) {
    case ControlKind::SpinEdit:
      doc.SetInt(row_->param, CurrentNumber());
      break;
    case ControlKind::ComboBox:
      if (CurrentNumber() >= 0) doc.SetInt(row_->param, CurrentNumber() + 1);
      break;
    case ControlKind::Edit:
      doc.SetText(row_->param, ShiftJisFromUtf8(CurrentText().toStdString()));
      break;
  }
  RememberShown();
}

void ParameterControl::SetEnabled(bool enabled) {
  widget_->setEnabled(enabled);
  if (label_) label_->setEnabled(enabled);
}

void ParameterControl::ShowNumber(int number) {
  if (row_->kind == ControlKind::SpinEdit) static_cast<QSpinBox*>(widget_)->setValue(number);
  else static_cast<QComboBox*>(widget_)->setCurrentIndex(ItemIndexOf(number));
}

void ParameterControl::ShowText(const QString& text) {
  auto* edit = static_cast<QLineEdit*>(widget_);
  edit->setText(text);
  edit->setCursorPosition(0); // long lines show their beginning
}

int ParameterControl::ItemIndexOf(int number) const {
  const int count = static_cast<int>(row_->items.size());
  return number >= 1 && number <= count ? number - 1 : -1;
}

int ParameterControl::CurrentNumber() const {
  if (row_->kind == ControlKind::SpinEdit) return static_cast<QSpinBox*>(widget_)->value();
  return static_cast<QComboBox*>(widget_)->currentIndex();
}

QString ParameterControl::CurrentText() const { return static_cast<QLineEdit*>(widget_)->text(); }

void ParameterControl::RememberShown() {
  if (row_->kind == ControlKind::Edit) shownText_ = CurrentText();
  else shownNumber_ = CurrentNumber();
}

} // namespace zt
