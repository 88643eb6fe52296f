#pragma once
// The console's dialogs and message boxes as Qt shows them.

#include "tools/console/ConsoleDesktop.h"

class QWidget;

namespace zt::console {

class QtConsoleDesktop : public ConsoleDesktop {
 public:
  // Dialogs are owned by `parent`, message boxes of scripts by the active window.
  explicit QtConsoleDesktop(QWidget* parent) : parent_(parent) {}

  std::optional<std::string> OpenFile(const std::string& filter, const std::string& initialPath) override;
  std::optional<std::string> SaveFile(const std::string& filter, const std::string& initialPath) override;
  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;
  std::int64_t MessageBox(const std::string& text, const std::string& caption, std::int64_t flags) override;
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& defaultText) override;
  bool OpenWithDesktop(const std::string& pathOrAddress) override;

 private:
  QWidget* parent_;
};

} // namespace zt::console
