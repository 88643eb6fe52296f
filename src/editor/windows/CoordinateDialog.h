#pragma once
// The coordinate dialog "ダイアログ": two spin boxes for a cell position and
// OK, which tells the map character of that cell of the current stage.

#include <QDialog>

class QSpinBox;

namespace zt {

class Dialogs;
class StageDocument;

class CoordinateDialog : public QDialog {
  Q_OBJECT

 public:
  CoordinateDialog(const StageDocument& doc, Dialogs& dialogs, QWidget* parent = nullptr);

  QSpinBox& xv() { return *xv_; }
  QSpinBox& yv() { return *yv_; }

  // The message for the typed position: the cell's map character, or, for
  // the column and row just past the stage that the boxes also accept, a
  // note that the position lies outside the stage.
  std::string CellMessage() const;

 private:
  void OkClicked();

  const StageDocument& doc_;
  Dialogs& dialogs_;
  QSpinBox* xv_;
  QSpinBox* yv_;
};

} // namespace zt
