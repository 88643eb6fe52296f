#pragma once
// The "出力HTMLの設定(&H)" page of the options dialog: the page writer's
// options and the texts of the default header and footer files.

#include <QWidget>

#include <string>

class QCheckBox;
class QPlainTextEdit;

namespace zt {

class AppConfig;

class HtmlOptionsPage : public QWidget {
  Q_OBJECT

 public:
  explicit HtmlOptionsPage(QWidget* parent = nullptr);

  void Load(const AppConfig& config);
  // Fills the two text fields from the Shift-JIS files. A field whose file
  // cannot be read keeps the built-in text; false when that happened. An
  // empty file name means no such file: the field stays empty.
  bool LoadPageParts(const std::string& headerPath, const std::string& footerPath);
  // Writes the two fields to the files (Shift-JIS, CR LF). Throws FileError.
  void SavePageParts(const std::string& headerPath, const std::string& footerPath) const;

  void StoreOutputOptions(AppConfig& config) const; // comments and map lines
  void StoreCopyright(AppConfig& config) const;

 private:
  QCheckBox* comment_ = nullptr;
  QCheckBox* mapPrint_ = nullptr;
  QCheckBox* viewCopyright_ = nullptr;
  QPlainTextEdit* header_ = nullptr;
  QPlainTextEdit* footer_ = nullptr;
};

} // namespace zt
