#include "ScriptTestHost.h"

#include "document/Cp932Codec.h"
#include "document/ShiftJisText.h"
#include "tools/script/ScriptError.h"

namespace zt::script::test {

std::vector<std::string> ScriptTestHost::Prototypes() {
  return {"procedure Print(Text:String);Index 1;", "procedure Fail(Code:Integer);Index 2;",
          "function Counter:Integer;Index 3;", "function Half(X:Real):Real;Index 4;",
          "function Echo(S:String;N:Integer):String;Index 5;"};
}

int ScriptTestHost::ProcParam(std::string_view procName, int index, std::span<const ScriptArgument> argument) {
  if (index == 1) output.push_back(argument[0].strValue);
  else if (index == 2) return static_cast<int>(argument[0].intValue);
  else events.push_back(std::string(procName) + ":" + std::to_string(index));
  return 0;
}

int ScriptTestHost::IntFuncParam(std::string_view, int index, std::span<const ScriptArgument> argument,
                                 std::int64_t& resultValue) {
  if (index == 6 && onDeclare) {
    onDeclare(argument[0].strValue);
    return 0;
  }
  if (index != 3) return -1;
  resultValue = ++counter;
  return 0;
}

int ScriptTestHost::RealFuncParam(std::string_view, int index, std::span<const ScriptArgument> argument,
                                  double& resultValue) {
  if (index != 4) return -1;
  resultValue = argument[0].realValue / 2;
  return 0;
}

int ScriptTestHost::StrFuncParam(std::string_view funcName, int index, std::span<const ScriptArgument> argument,
                                 std::string& resultValue) {
  if (index != 5) return -1;
  resultValue = std::string(funcName) + ":" + std::string(argument[0].name) + "=" + argument[0].strValue + "/" +
                std::string(argument[1].name) + "=" + std::to_string(argument[1].intValue);
  return 0;
}

std::string ScriptTestHost::ErrorProc(int errorCode) { return Sjis("ホストのエラー " + std::to_string(errorCode)); }

int ScriptTestHost::IntObjParam(std::string_view objName, int index, ObjectAccess mode, std::int64_t& value) {
  events.push_back(std::string(objName) + (mode == ObjectAccess::Read ? ":read:" : ":write:") +
                   std::to_string(index));
  if (mode == ObjectAccess::Read) {
    value = boundValue;
    if (onBoundRead) onBoundRead();
  } else {
    boundValue = value;
  }
  return boundValue == 99 ? 7 : 0;
}

void ScriptTestHost::ProcessMessages() {
  ++processMessagesCalls;
  if (onProcessMessages) onProcessMessages();
}

std::string ScriptTestHost::InputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText) {
  events.push_back("InputBox:" + std::string(caption) + "," + std::string(prompt) + "," + std::string(defaultText));
  return inputBoxAnswer.empty() ? std::string(defaultText) : inputBoxAnswer;
}

std::int64_t ScriptTestHost::MessageBox(std::string_view text, std::string_view caption, std::int64_t flags) {
  events.push_back("MessageBox:" + std::string(text) + "," + std::string(caption) + "," + std::to_string(flags));
  return messageBoxAnswer;
}

std::int64_t ScriptTestHost::Exec(std::string_view path, std::string_view cmdLine, bool wait) {
  events.push_back("Exec:" + std::string(path) + "," + std::string(cmdLine) + "," + (wait ? "wait" : "nowait"));
  return wait ? 3 : -1;
}

std::int64_t ScriptTestHost::Shell(std::string_view path, std::string_view cmdLine) {
  events.push_back("Shell:" + std::string(path) + "," + std::string(cmdLine));
  return 42;
}

void ScriptTestHost::Sleep(std::int64_t milliseconds) { events.push_back("Sleep:" + std::to_string(milliseconds)); }

std::string RunScript(TPoorPascal& interpreter, ScriptTestHost& host, const std::string& utf8Source) {
  interpreter.SetSource(SplitLines(Sjis(utf8Source)));
  std::string error;
  try {
    interpreter.Run();
  } catch (const ScriptError& e) {
    error = "!" + Utf8FromShiftJis(e.what());
  }
  std::string printed;
  for (std::size_t i = 0; i < host.output.size(); ++i) printed += (i > 0 ? "|" : "") + Utf8FromShiftJis(host.output[i]);
  host.output.clear();
  return printed + error;
}

std::string RunScript(const std::string& utf8Source) {
  ScriptTestHost host;
  TPoorPascal interpreter(host);
  interpreter.SetDeclarePrototype(ScriptTestHost::Prototypes());
  return RunScript(interpreter, host, utf8Source);
}

} // namespace zt::script::test
