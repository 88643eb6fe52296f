#pragma once
// The file dialogs the commands open, behind an interface so tests can
// script the choices.

#include <optional>
#include <string>

namespace zt {

struct FileDialogRequest {
  std::string initialPath; // a file, or a folder followed by a pattern such as "*.htm"
  // Filters as "label|pattern|label|pattern", patterns separated by ";".
  std::string filter;
};

struct FileChoice {
  std::string path;
  int filterIndex = 0; // the filter chosen, from 0
};

class FilePicker {
 public:
  virtual ~FilePicker() = default;
  virtual std::optional<FileChoice> OpenFile(const FileDialogRequest& request) = 0;
  virtual std::optional<FileChoice> SaveFile(const FileDialogRequest& request) = 0;
  // The pattern chooser of a new document: the chosen picture's full path.
  virtual std::optional<std::string> ChoosePattern(const std::string& imageFolder) = 0;
};

} // namespace zt
