#pragma once
// The dialogs of a headless run: every question is answered "yes"
// (continue), the log is collected, notices go to standard error.

#include "formats/Dialogs.h"

#include <optional>
#include <string>
#include <vector>

namespace zt::cli {

class CliDialogs : public Dialogs {
 public:
  explicit CliDialogs(std::optional<std::string> password) : password_(std::move(password)) {}

  Answer Ask(const Question& question) override;
  void Notify(std::string_view text) override;
  void Log(std::string_view line) override;
  void LogError(std::string_view line, int errorsBefore) override;
  void SetStatus(std::string_view) override {}
  void Pause(int) override {}
  std::optional<std::string> AskPassword() override;

  const std::vector<std::string>& log() const { return log_; } // oldest first
  const std::vector<std::string>& notices() const { return notices_; }
  bool passwordMissing() const { return passwordMissing_; }

 private:
  std::optional<std::string> password_; // Shift-JIS
  std::vector<std::string> log_;
  std::vector<std::string> notices_;
  bool passwordMissing_ = false;
};

} // namespace zt::cli
