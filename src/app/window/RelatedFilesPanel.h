#pragma once
// "関連ファイル": the document's image files, by name with their icons.
// A double click opens the file, or the image folder when none is chosen.

#include <QDockWidget>

#include <string>
#include <vector>

class QListWidget;

namespace zt {

class RelatedFilesPanel : public QDockWidget {
  Q_OBJECT
 public:
  explicit RelatedFilesPanel(QWidget* parent);

  // Full paths, in order; missing files are listed without an icon.
  void SetFiles(const std::vector<std::string>& paths, const std::string& imageFolder);
  std::vector<std::string> files() const;

 private:
  void EfilesDblClick();

  QListWidget* list_;
  std::string imageFolder_;
};

} // namespace zt
