#pragma once
// The "テストプレイ" page of the options dialog: the browser of test play.

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace zt {

class AppConfig;

class TestPlayOptionsPage : public QWidget {
  Q_OBJECT

 public:
  explicit TestPlayOptionsPage(QWidget* parent = nullptr);

  // The "プログラム:" field starts disabled whatever the stored mode is.
  void Load(const AppConfig& config);
  void Store(AppConfig& config) const;

  // The "プログラム:" field is for the mode "プラグラムを指定" only.
  void ComboBox2Change();

 private:
  QComboBox* mode_ = nullptr;
  QLineEdit* program_ = nullptr;
};

} // namespace zt
