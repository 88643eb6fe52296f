#pragma once
// Small builders shared by the pages of the options dialog. Every control
// that shows a configuration key is named after the key, so the dialog can be
// inspected and driven by name.

#include "app/config/ConfigKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QStringList>

namespace zt {

// "section/name", the object name of the control that shows the key.
template <typename Key>
QString KeyName(const Key& key) {
  return QString(key.section) + "/" + key.name;
}

template <typename Control, typename Key>
Control* Named(Control* control, const Key& key) {
  control->setObjectName(KeyName(key));
  return control;
}

inline QCheckBox* KeyCheckBox(const BoolKey& key, const QString& caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(KeyName(key));
  return box;
}

template <typename Key>
QComboBox* KeyComboBox(const Key& key, const QStringList& items, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(KeyName(key));
  box->addItems(items);
  return box;
}

// A whole page holding one group box that fills it from the top.
QGroupBox* AddPageGroup(QWidget* page, const QString& title);

} // namespace zt
