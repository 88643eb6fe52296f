#include "app/window/QtFilePicker.h"

#include "editor/pattern/PatternChooserDialog.h"
#include "formats/FileFilter.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace zt {

QStringList QtFilters(const std::string& filter) {
  QStringList filters;
  for (const std::string& entry : NameFilters(filter)) filters << QString::fromStdString(entry);
  return filters;
}

std::optional<FileChoice> QtFilePicker::Run(const FileDialogRequest& request, bool save) {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = QtFilters(request.filter);
  dialog.setNameFilters(filters);
  const QFileInfo initial(QString::fromStdString(request.initialPath));
  if (initial.fileName().contains('*')) {
    if (!initial.path().isEmpty() && initial.path() != ".") dialog.setDirectory(initial.path());
  } else if (!request.initialPath.empty()) {
    dialog.selectFile(initial.absoluteFilePath());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  FileChoice choice;
  choice.path = QDir::cleanPath(dialog.selectedFiles().front()).toStdString();
  choice.filterIndex = static_cast<int>(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())));
  return choice;
}

std::optional<FileChoice> QtFilePicker::OpenFile(const FileDialogRequest& request) { return Run(request, false); }

std::optional<FileChoice> QtFilePicker::SaveFile(const FileDialogRequest& request) { return Run(request, true); }

void QtFilePicker::CreateChooser() {
  if (!chooser_) chooser_ = new PatternChooserDialog(dialogs_, parent_);
}

std::optional<std::string> QtFilePicker::ChoosePattern(const std::string& imageFolder) {
  CreateChooser();
  return chooser_->ChoosePattern(imageFolder);
}

} // namespace zt
