#pragma once
// The control that edits one game parameter, made from its row of the
// settings table, with its label. It copies the value between itself and
// the document.

#include "app/settings/SettingControl.h"

#include <QString>

class QLabel;
class QWidget;

namespace zt {

class StageDocument;

class ParameterControl {
 public:
  // Creates the control (and its label, when the row has one) under `parent`,
  // showing the parameter's start-up value.
  ParameterControl(const SettingControl& row, QWidget* parent);

  const SettingControl& row() const { return *row_; }
  QWidget* widget() const { return widget_; }
  QLabel* label() const { return label_; } // null without a label text

  void Show(const StageDocument& doc);
  // Stores the control's value when the user changed it since it last showed
  // or stored a value (or since it was made). An untouched control leaves
  // the document alone, so values the control cannot hold (a selection value
  // without an item, a colour above 255, text that is not valid Shift-JIS)
  // survive a visit of the settings page, and a control that was not shown
  // the document's current value never overwrites it.
  void Take(StageDocument& doc);
  // Stores the control's value whatever it is; a selection without an item
  // stores nothing.
  void Store(StageDocument& doc);

  void SetEnabled(bool enabled);

 private:
  void ShowNumber(int number);
  void ShowText(const QString& text);
  // The item a selection value shows, -1 for a value without an item.
  int ItemIndexOf(int number) const;
  // The spin edit's value or the selected item; the text of an edit.
  int CurrentNumber() const;
  QString CurrentText() const;
  void RememberShown();

  const SettingControl* row_;
  QWidget* widget_ = nullptr;
  QLabel* label_ = nullptr;
  int shownNumber_ = 0;
  QString shownText_;
};

} // namespace zt
