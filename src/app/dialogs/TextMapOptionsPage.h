#pragma once
// The "マップ(テキスト)設定" page of the options dialog.

#include <QWidget>

class QCheckBox;

namespace zt {

class AppConfig;

class TextMapOptionsPage : public QWidget {
  Q_OBJECT

 public:
  explicit TextMapOptionsPage(QWidget* parent = nullptr);

  void Load(const AppConfig& config);
  void Store(AppConfig& config) const;
  bool Coloured() const;

 private:
  QCheckBox* colour_ = nullptr;
};

} // namespace zt
