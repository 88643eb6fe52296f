#pragma once
// The "基本設定(&S)" page of the options dialog: title bar, start position,
// stay-on-top, theme, tab position and the two desktop actions.

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zt {

class AppConfig;

class BasicOptionsPage : public QWidget {
  Q_OBJECT

 public:
  explicit BasicOptionsPage(QWidget* parent = nullptr);

  void Load(const AppConfig& config);
  // Title, position and stay-on-top keys and the theme name, in that order;
  // the position is `mainWindowLeftTop` when "前回の位置を記憶する" is chosen.
  void StoreWindowOptions(AppConfig& config, QPoint mainWindowLeftTop) const;
  void StoreTabPosition(AppConfig& config) const;
  QString ThemeName() const;

  QPushButton* associateButton = nullptr;
  QPushButton* shortcutButton = nullptr;

 private:
  QWidget* BuildWindowGroup();
  QWidget* BuildTabGroup();
  QWidget* BuildActionGroup();

  QCheckBox* titleFilename_ = nullptr;
  QCheckBox* titleFullpath_ = nullptr;
  QCheckBox* taskFilename_ = nullptr;
  QRadioButton* posBefore_ = nullptr;
  QRadioButton* posNumbers_ = nullptr;
  QRadioButton* posRandom_ = nullptr;
  QSpinBox* posX_ = nullptr;
  QSpinBox* posY_ = nullptr;
  QCheckBox* stayTop_ = nullptr;
  QCheckBox* stayTopToolWindow_ = nullptr;
  QComboBox* theme_ = nullptr;
  QComboBox* tabPosition_ = nullptr;
};

} // namespace zt
