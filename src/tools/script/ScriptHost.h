#pragma once
// What a script interpreter asks of the program that runs it: the routines and
// variables the program declares, the user-interface services of the built-in
// routines, and a chance to process pending user-interface events.
//
// Every text is Shift-JIS. A routine or event returns its error code (Err_CD):
// 0 for success; any other number ends the run with the message ErrorProc
// gives for it. The defaults behave as a program that handles nothing: host
// routines leave their result at 0, 0.0 or the empty text.

#include "tools/script/ScriptValue.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zt::script {

class ScriptHost {
public:
  virtual ~ScriptHost() = default;

  // Calls of the routines declared by the prototype lines; the name is upper case.
  virtual int ProcParam(std::string_view procName, int index, std::span<const ScriptArgument> argument);
  virtual int IntFuncParam(std::string_view funcName, int index, std::span<const ScriptArgument> argument,
                           std::int64_t& resultValue);
  virtual int RealFuncParam(std::string_view funcName, int index, std::span<const ScriptArgument> argument,
                            double& resultValue);
  virtual int StrFuncParam(std::string_view funcName, int index, std::span<const ScriptArgument> argument,
                           std::string& resultValue);

  // The message of the error that a non-zero code stands for.
  virtual std::string ErrorProc(int errorCode);

  // Reads (the host sets `value`) or writes (the host takes `value`) a
  // host-bound variable.
  virtual int IntObjParam(std::string_view objName, int index, ObjectAccess mode, std::int64_t& value);
  virtual int RealObjParam(std::string_view objName, int index, ObjectAccess mode, double& value);
  virtual int StrObjParam(std::string_view objName, int index, ObjectAccess mode, std::string& value);

  // Called by the built-in Pause after the run was marked paused.
  virtual void PauseProc();

  // Called at the start of every block, by the built-in ProcessMessages and
  // while the run is paused. A user interface processes its pending events
  // here; TPoorPascal::Stop may be called from it.
  virtual void ProcessMessages();

  // The built-in routines that need the platform.
  // The text entered, or `defaultText` when the dialog is cancelled.
  virtual std::string InputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText);
  // `flags` and the result use the numbers of MessageBoxCodes.h.
  virtual std::int64_t MessageBox(std::string_view text, std::string_view caption, std::int64_t flags);
  // Starts `path` with the command line; with `wait` returns its exit code,
  // else -1 at once; 0 when it cannot be started.
  virtual std::int64_t Exec(std::string_view path, std::string_view cmdLine, bool wait);
  // Opens `path` with the desktop's application for it; the result number of
  // the platform.
  virtual std::int64_t Shell(std::string_view path, std::string_view cmdLine);
  virtual void Sleep(std::int64_t milliseconds);
  virtual std::string LowerCase(std::string_view text);
  virtual std::string UpperCase(std::string_view text);
  // Negative, 0 or positive as `s1` sorts before, equal to or after `s2`.
  virtual std::int64_t CompareStr(std::string_view s1, std::string_view s2);
};

} // namespace zt::script
