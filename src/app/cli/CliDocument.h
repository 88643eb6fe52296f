#pragma once
// One document of a command-line run, read and written by file extension as
// the editor does: ".zpp"/".ZPP" project, ".cmd" stage file, else a page.

#include "app/cli/CliDialogs.h"
#include "document/StageDocument.h"
#include "formats/FileContext.h"
#include "formats/HtmlWriter.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace zt::cli {

// A read or write that failed: the message (UTF-8) goes to standard error, exit code 1.
class CliFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ReadSettings {
  std::optional<std::string> password; // UTF-8, as typed
  std::string headerFile;              // "" for no header lines
  std::string footerFile;
};

struct WriteSettings {
  PageOptions page;
  std::optional<std::string> encryptPassword; // UTF-8
};

class CliDocument {
 public:
  explicit CliDocument(const ReadSettings& settings);
  ~CliDocument();
  CliDocument(const CliDocument&) = delete;
  CliDocument& operator=(const CliDocument&) = delete;

  void Open(const std::string& path);
  void Save(const std::string& path, const WriteSettings& settings);

  StageDocument doc;
  const CliDialogs& dialogs() const { return dialogs_; }

 private:
  CliDialogs dialogs_;
  EditorHooks hooks_;
  FileContext context_;
  std::string workDir_;
};

} // namespace zt::cli
