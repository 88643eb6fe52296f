#pragma once

#include "app/window/FilePicker.h"

#include <QStringList>

class QWidget;

namespace zt {

// "label|pattern|..." filters in the form the Qt file dialogs take.
QStringList QtFilters(const std::string& filter);

class Dialogs;
class PatternChooserDialog;

class QtFilePicker : public FilePicker {
 public:
  // The pattern chooser tells its messages through `dialogs`.
  QtFilePicker(QWidget* parent, Dialogs& dialogs) : parent_(parent), dialogs_(dialogs) {}
  // The pattern chooser is made once and shown for every new document.
  void CreateChooser();
  std::optional<FileChoice> OpenFile(const FileDialogRequest& request) override;
  std::optional<FileChoice> SaveFile(const FileDialogRequest& request) override;
  std::optional<std::string> ChoosePattern(const std::string& imageFolder) override;

 private:
  std::optional<FileChoice> Run(const FileDialogRequest& request, bool save);
  QWidget* parent_;
  Dialogs& dialogs_;
  PatternChooserDialog* chooser_ = nullptr; // a child of parent_
};

} // namespace zt
