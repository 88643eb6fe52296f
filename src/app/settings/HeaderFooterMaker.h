#pragma once
// "ヘッダ フッタ作成": a window that makes the HTML header and footer of the
// game page from a short form. It is not modal and keeps its field values
// while hidden.

#include "app/settings/HeaderFooterFields.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace zt {

class HeaderFooterMaker : public QDialog {
  Q_OBJECT

 public:
  explicit HeaderFooterMaker(QWidget* parent = nullptr);

  HeaderFooterFields Fields() const;
  void SetFields(const HeaderFooterFields& fields);

  // "&OK": sends the lines made from the form, then hides the window.
  void Button1Click();
  // "キャンセル(&C)": hides the window and sends nothing.
  void Button2Click();

 signals:
  // One entry per line (UTF-8).
  void LinesMade(const QStringList& headerLines, const QStringList& footerLines);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildTextGroup();
  QWidget* BuildMusicGroup();
  QWidget* BuildScriptGroup();
  QLayout* BuildButtons();

  QLineEdit* title_ = nullptr;
  QLineEdit* backcolor_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
  QLineEdit* bgmfile_ = nullptr;
  QCheckBox* inf_ = nullptr;
  QSpinBox* looptimes_ = nullptr;
  QCheckBox* autostart_ = nullptr;
  QCheckBox* viewc_ = nullptr;
  QSpinBox* cwidth_ = nullptr;
  QSpinBox* cheight_ = nullptr;
  QCheckBox* point_ = nullptr;
  QSpinBox* inter_ = nullptr;
};

} // namespace zt
