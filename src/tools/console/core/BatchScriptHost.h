#pragma once
// A map script host without a user interface, for runs from the command line:
// messages are written to a stream, questions take their default answers,
// Pause returns at once and the map view routines do nothing. Programs are
// started only when the caller allows it, so that a script from elsewhere
// cannot start them by surprise.

#include "tools/console/core/MapScriptHost.h"

#include <iosfwd>

namespace zt::console {

class BatchScriptHost : public MapScriptHost {
 public:
  // `out` receives every message in UTF-8, one line each.
  BatchScriptHost(StageDocument& doc, std::ostream& out, bool allowPrograms);

  void PauseProc() override;
  // Writes the text and answers OK, whatever the buttons.
  std::int64_t MessageBox(std::string_view text, std::string_view caption, std::int64_t flags) override;
  // Without permission to start programs: 0, and nothing runs.
  std::int64_t Exec(std::string_view path, std::string_view cmdLine, bool wait) override;
  std::int64_t Shell(std::string_view path, std::string_view cmdLine) override;

 protected:
  void Display() override {}
  void ShowMessage(std::string_view message) override;
  void SetScrollPosition(int, int) override {}

 private:
  void WriteLine(std::string_view shiftJisText);

  std::ostream& out_;
  bool allowPrograms_;
};

} // namespace zt::console
