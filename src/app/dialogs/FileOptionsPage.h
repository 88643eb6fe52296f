#pragma once
// The "ファイル(&F)" page of the options dialog: the files and folders the
// program works with.

#include <QWidget>

class QCheckBox;
class QLineEdit;

namespace zt {

class AppConfig;

class FileOptionsPage : public QWidget {
  Q_OBJECT

 public:
  explicit FileOptionsPage(QWidget* parent = nullptr);

  void Load(const AppConfig& config);
  void Store(AppConfig& config) const;

 private:
  QLineEdit* testPlayPage_ = nullptr;
  QLineEdit* htmlDir_ = nullptr;
  QLineEdit* htmlExt_ = nullptr;
  QLineEdit* headerFile_ = nullptr;
  QLineEdit* footerFile_ = nullptr;
  QLineEdit* dataDir_ = nullptr;
  QCheckBox* bmpToGif_ = nullptr;
};

} // namespace zt
