#pragma once
// A host for tests: records what scripts print and which events they raise.
// Scripts see it through these prototypes:
//   procedure Print(Text:String);            appends a line to the output
//   procedure Fail(Code:Integer);            returns Code as its error code
//   function Counter:Integer;                1, 2, 3, ... (shows how often it ran)
//   function Half(X:Real):Real;              X / 2
//   function Echo(S:String;N:Integer):String;  its name and arguments as "ECHO:S=s/N=n"
// and, when a test declares it, with `onDeclare` set:
//   function Declare(Line:String):Integer;   hands Line to `onDeclare`, returns 0
// Other procedures are recorded in `events` as "NAME:Index"; other functions fail with -1.

#include "tools/script/ScriptHost.h"
#include "tools/script/TPoorPascal.h"

#include <functional>
#include <string>
#include <vector>

namespace zt::script::test {

class ScriptTestHost : public ScriptHost {
public:
  int ProcParam(std::string_view procName, int index, std::span<const ScriptArgument> argument) override;
  int IntFuncParam(std::string_view funcName, int index, std::span<const ScriptArgument> argument,
                   std::int64_t& resultValue) override;
  int RealFuncParam(std::string_view funcName, int index, std::span<const ScriptArgument> argument,
                    double& resultValue) override;
  int StrFuncParam(std::string_view funcName, int index, std::span<const ScriptArgument> argument,
                   std::string& resultValue) override;
  std::string ErrorProc(int errorCode) override;
  int IntObjParam(std::string_view objName, int index, ObjectAccess mode, std::int64_t& value) override;
  void PauseProc() override { events.push_back("pause"); }
  void ProcessMessages() override;
  std::string InputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText) override;
  std::int64_t MessageBox(std::string_view text, std::string_view caption, std::int64_t flags) override;
  std::int64_t Exec(std::string_view path, std::string_view cmdLine, bool wait) override;
  std::int64_t Shell(std::string_view path, std::string_view cmdLine) override;
  void Sleep(std::int64_t milliseconds) override;

  static std::vector<std::string> Prototypes();

  std::vector<std::string> output; // Shift-JIS, one entry per Print
  std::vector<std::string> events; // the platform routines and events, as "name:arguments"
  int processMessagesCalls = 0;
  std::int64_t counter = 0;
  std::function<void()> onProcessMessages; // e.g. a stop trigger
  std::function<void(const std::string&)> onDeclare; // e.g. adds a constant to the interpreter
  std::function<void()> onBoundRead;                  // called when a host-bound variable is read
  std::string inputBoxAnswer;              // empty: the dialog is cancelled
  std::int64_t messageBoxAnswer = 1;
  std::int64_t boundValue = 0;             // the value of the host-bound INTEGER variables
};

// Runs a script written in UTF-8 (lines separated by "\n") and reports its
// printed lines joined by "|", then "!" and the error message when it failed,
// all in UTF-8.
std::string RunScript(TPoorPascal& interpreter, ScriptTestHost& host, const std::string& utf8Source);
std::string RunScript(const std::string& utf8Source);

} // namespace zt::script::test
