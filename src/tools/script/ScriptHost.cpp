#include "tools/script/ScriptHost.h"

#include "document/Cp932Codec.h"
#include "tools/script/CaseFolding.h"

#include <chrono>
#include <thread>

namespace zt::script {

int ScriptHost::ProcParam(std::string_view, int, std::span<const ScriptArgument>) { return 0; }
int ScriptHost::IntFuncParam(std::string_view, int, std::span<const ScriptArgument>, std::int64_t&) { return 0; }
int ScriptHost::RealFuncParam(std::string_view, int, std::span<const ScriptArgument>, double&) { return 0; }
int ScriptHost::StrFuncParam(std::string_view, int, std::span<const ScriptArgument>, std::string&) { return 0; }

std::string ScriptHost::ErrorProc(int errorCode) {
  return Sjis("ユーザー定義手続き/関数がエラーを返しました[" + std::to_string(errorCode) + "]");
}

int ScriptHost::IntObjParam(std::string_view, int, ObjectAccess, std::int64_t&) { return 0; }
int ScriptHost::RealObjParam(std::string_view, int, ObjectAccess, double&) { return 0; }
int ScriptHost::StrObjParam(std::string_view, int, ObjectAccess, std::string&) { return 0; }

void ScriptHost::PauseProc() {}
void ScriptHost::ProcessMessages() {}

std::string ScriptHost::InputBox(std::string_view, std::string_view, std::string_view defaultText) {
  return std::string(defaultText);
}

// Without a user interface no box can be shown; 0 is the platform's failure result.
std::int64_t ScriptHost::MessageBox(std::string_view, std::string_view, std::int64_t) { return 0; }
std::int64_t ScriptHost::Exec(std::string_view, std::string_view, bool) { return 0; }
std::int64_t ScriptHost::Shell(std::string_view, std::string_view) { return 0; }

void ScriptHost::Sleep(std::int64_t milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::string ScriptHost::LowerCase(std::string_view text) { return AsciiLowerCase(text); }
std::string ScriptHost::UpperCase(std::string_view text) { return AsciiUpperCase(text); }

std::int64_t ScriptHost::CompareStr(std::string_view s1, std::string_view s2) {
  const int order = s1.compare(s2);
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

} // namespace zt::script
