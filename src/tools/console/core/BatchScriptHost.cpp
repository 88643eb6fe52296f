#include "tools/console/core/BatchScriptHost.h"

#include "document/Cp932Codec.h"
#include "tools/console/core/ProgramLauncher.h"
#include "tools/script/MessageBoxCodes.h"

#include <ostream>

namespace zt::console {

BatchScriptHost::BatchScriptHost(StageDocument& doc, std::ostream& out, bool allowPrograms)
    : MapScriptHost(doc), out_(out), allowPrograms_(allowPrograms) {}

// Nobody could end the pause, so it ends at once.
void BatchScriptHost::PauseProc() { interpreter().Resume(); }

std::int64_t BatchScriptHost::MessageBox(std::string_view text, std::string_view, std::int64_t) {
  WriteLine(text);
  return script::msgbox::IdOk;
}

std::int64_t BatchScriptHost::Exec(std::string_view path, std::string_view cmdLine, bool wait) {
  if (!allowPrograms_) return 0;
  out_.flush(); // keeps the script's lines before the program's own
  return ExecCommandLine(path, cmdLine, wait);
}

// The desktop's opener takes no parameters for the file, so cmdLine is not used.
std::int64_t BatchScriptHost::Shell(std::string_view path, std::string_view) {
  if (!allowPrograms_) return 0;
  const bool started = StartProgram("xdg-open", {Utf8FromShiftJis(path)}, false) == kExecStarted;
  return started ? kShellOpened : kShellFailed;
}

void BatchScriptHost::ShowMessage(std::string_view message) { WriteLine(message); }

void BatchScriptHost::WriteLine(std::string_view shiftJisText) {
  out_ << Utf8FromShiftJis(shiftJisText) << '\n';
  out_.flush();
}

} // namespace zt::console
