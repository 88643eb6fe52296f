#pragma once
// What the script console asks of the user and the desktop: file dialogs,
// message boxes, the input box and the default applications. Behind an
// interface so that tests can script the answers. Every text is UTF-8.

#include <cstdint>
#include <optional>
#include <string>

namespace zt::console {

class ConsoleDesktop {
 public:
  virtual ~ConsoleDesktop() = default;

  // The file chosen to open or to save, nullopt when the dialog is cancelled.
  // `filter` lists "label|pattern|label|pattern"; `initialPath` is the file
  // chosen last time, or empty.
  virtual std::optional<std::string> OpenFile(const std::string& filter, const std::string& initialPath) = 0;
  virtual std::optional<std::string> SaveFile(const std::string& filter, const std::string& initialPath) = 0;

  // A notice or an error with an OK button; returns when it was closed.
  virtual void ShowMessage(const std::string& text) = 0;
  virtual void ShowError(const std::string& text) = 0;
  // The MessageBox built-in: flags and result in the numbers of
  // tools/script/MessageBoxCodes.h.
  virtual std::int64_t MessageBox(const std::string& text, const std::string& caption, std::int64_t flags) = 0;
  // The text entered, or nullopt when the dialog was cancelled.
  virtual std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                              const std::string& defaultText) = 0;
  // Opens a file or an address with the desktop's application for it; false
  // when that failed.
  virtual bool OpenWithDesktop(const std::string& pathOrAddress) = 0;
};

} // namespace zt::console
