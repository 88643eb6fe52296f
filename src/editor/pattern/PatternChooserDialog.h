#pragma once
// "パターンの選択": picks the pattern image of a new document from the image
// folder, with a preview and the picture's sizes.

#include <QDialog>

#include <optional>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;

namespace zt {

class Dialogs;
struct DecodedPicture;
class PatternPreview;

class PatternChooserDialog : public QDialog {
  Q_OBJECT
 public:
  // Messages go to `dialogs`, which must outlive the dialog.
  explicit PatternChooserDialog(Dialogs& dialogs, QWidget* parent = nullptr);

  // Lists `imageFolder` (UTF-8, ending in a separator; names are appended
  // to it) and waits for the user. The chosen file's full path, or nullopt
  // when the user cancelled or closed the dialog.
  std::optional<std::string> ChoosePattern(const std::string& imageFolder);

  void SetImageFolder(const std::string& imageFolder);
  // Lists the folder's files whose extension is exactly ".gif", ".bmp",
  // ".GIF" or ".BMP" and selects the first, without previewing it.
  void RefreshPatternList();
  // The selected entry's full path; empty without a selection.
  std::string SelectedPath() const;

 private:
  void BuildLayout();
  void PreviewRow(int row);
  void ShowInformation(const std::string& path, const DecodedPicture& picture);
  void ResetInformation();
  void Confirm();

  Dialogs& dialogs_;
  std::string imageFolder_;
  int previewedRow_ = -1;

  QListWidget* list_;
  PatternPreview* preview_;
  QLabel* folderLabel_;
  QLabel* fileName_;
  QLabel* fileType_;
  QLabel* widths_;
  QLabel* heights_;
  QLabel* fileSize_;
  QLabel* dataSize_;
  QPushButton* okButton_;
  QPushButton* cancelButton_;
};

} // namespace zt
