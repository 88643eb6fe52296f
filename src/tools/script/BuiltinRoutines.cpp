#include "tools/script/BuiltinRoutines.h"

#include "tools/script/BuiltinCall.h"
#include "tools/script/CaseFolding.h"
#include "tools/script/Prototype.h"
#include "tools/script/ScriptMessages.h"
#include "tools/script/ValueConversion.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zt::script {
namespace {

using Bytes = std::string::size_type;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

std::int64_t Size(const std::string& s) { return static_cast<std::int64_t>(s.size()); }

std::int64_t IntegerOrFail(std::optional<std::int64_t> value, double real) {
  if (!value) throw message::Fail(message::kNotAnInteger, FormatReal(real));
  return *value;
}

void ProcessMessages(BuiltinCall& call) { call.Host().ProcessMessages(); }
void Sleep(BuiltinCall& call) { call.Host().Sleep(call.Int(0)); }

// Waits until Stop (or the host's Resume) clears the paused flag.
void Pause(BuiltinCall& call) {
  RunFlags& flags = call.Context().flags;
  flags.paused = true;
  call.Host().PauseProc();
  while (flags.paused) call.Host().ProcessMessages();
}

// Start counts from 1; a start before 1 counts from the first byte.
void Copy(BuiltinCall& call) {
  const std::string& s = call.Str(0);
  const std::int64_t start = std::max<std::int64_t>(call.Int(1), 1) - 1;
  const std::int64_t length = call.Int(2);
  if (start >= Size(s) || length <= 0) return;
  call.ReturnStr(s.substr(static_cast<Bytes>(start), static_cast<Bytes>(std::min(length, Size(s) - start))));
}

void Delete(BuiltinCall& call) {
  std::string s = call.Str(0);
  const std::int64_t index = call.Int(1);
  const std::int64_t count = call.Int(2);
  if (index >= 1 && index <= Size(s) && count > 0)
    s.erase(static_cast<Bytes>(index - 1), static_cast<Bytes>(std::min(count, Size(s) - index + 1)));
  call.ReturnStr(std::move(s));
}

void InputBox(BuiltinCall& call) { call.ReturnStr(call.Host().InputBox(call.Str(0), call.Str(1), call.Str(2))); }

void Insert(BuiltinCall& call) {
  std::string s = call.Str(1);
  const std::int64_t index = std::clamp<std::int64_t>(call.Int(2), 1, Size(s) + 1);
  s.insert(static_cast<Bytes>(index - 1), call.Str(0));
  call.ReturnStr(std::move(s));
}

void IntToStr(BuiltinCall& call) { call.ReturnStr(std::to_string(call.Int(0))); }
void LowerCase(BuiltinCall& call) { call.ReturnStr(call.Host().LowerCase(call.Str(0))); }
void UpperCase(BuiltinCall& call) { call.ReturnStr(call.Host().UpperCase(call.Str(0))); }

void Trim(BuiltinCall& call, bool left, bool right) {
  std::string_view s = call.Str(0);
  while (left && !s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (right && !s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  call.ReturnStr(std::string(s));
}
void Trim(BuiltinCall& call) { Trim(call, true, true); }
void TrimLeft(BuiltinCall& call) { Trim(call, true, false); }
void TrimRight(BuiltinCall& call) { Trim(call, false, true); }

void FloatToStr(BuiltinCall& call) { call.ReturnStr(FormatReal(call.Real(0))); }
void CompareStr(BuiltinCall& call) { call.ReturnInt(call.Host().CompareStr(call.Str(0), call.Str(1))); }
void Exec(BuiltinCall& call) { call.ReturnInt(call.Host().Exec(call.Str(0), call.Str(1), call.Int(2) == -1)); }
void Length(BuiltinCall& call) { call.ReturnInt(Size(call.Str(0))); }

void MessageBox(BuiltinCall& call) {
  call.ReturnInt(call.Host().MessageBox(call.Str(0), call.Str(1), call.Int(2)));
}

void Pos(BuiltinCall& call) {
  const std::string& substr = call.Str(0);
  const std::size_t found = substr.empty() ? std::string::npos : call.Str(1).find(substr);
  call.ReturnInt(found == std::string::npos ? 0 : static_cast<std::int64_t>(found) + 1);
}

void Shell(BuiltinCall& call) { call.ReturnInt(call.Host().Shell(call.Str(0), call.Str(1))); }
void StrToInt(BuiltinCall& call) { call.ReturnInt(ReadInteger(call.Str(0)).value_or(0)); }

void IsDefine(BuiltinCall& call) {
  const std::vector<std::string>& define = call.Context().define;
  const bool found =
      std::ranges::any_of(define, [&](const std::string& name) { return SameTextIgnoringCase(name, call.Str(0)); });
  call.ReturnInt(found ? -1 : 0);
}

void Trunc(BuiltinCall& call) { call.ReturnInt(IntegerOrFail(TruncToInteger(call.Real(0)), call.Real(0))); }
void Round(BuiltinCall& call) { call.ReturnInt(IntegerOrFail(RoundToInteger(call.Real(0)), call.Real(0))); }
void Frac(BuiltinCall& call) { call.ReturnReal(call.Real(0) - std::trunc(call.Real(0))); }
void Int(BuiltinCall& call) { call.ReturnReal(std::trunc(call.Real(0))); }
void StrToFloat(BuiltinCall& call) { call.ReturnReal(ReadReal(call.Str(0)).value_or(0.0)); }

constexpr std::array kDefinitions{
    BuiltinDefinition{0x0001, "procedure ProcessMessages;Index $0001;", ProcessMessages},
    BuiltinDefinition{0x0002, "procedure Sleep(Milliseconds:Integer);Index $0002;", Sleep},
    BuiltinDefinition{0x0003, "procedure Pause;Index $0003;", Pause},
    BuiltinDefinition{0x1001, "function Copy(S:String;Start,Length:Integer):String;Index $1001;", Copy},
    BuiltinDefinition{0x1002, "function Delete(S:String;Index,Count:Integer):String;Index $1002;", Delete},
    BuiltinDefinition{0x1003, "function InputBox(ACaption,APrompt,ADefault:String):String;Index $1003;", InputBox},
    BuiltinDefinition{0x1004, "function Insert(Source:String;S:String;Index:Integer):String;Index $1004;", Insert},
    BuiltinDefinition{0x1005, "function IntToStr(Value:Integer):String;Index $1005;", IntToStr},
    BuiltinDefinition{0x1006, "function LowerCase(S:String):String;Index $1006;", LowerCase},
    BuiltinDefinition{0x1007, "function Trim(S:String):String;Index $1007;", Trim},
    BuiltinDefinition{0x1008, "function TrimLeft(S:String):String;Index $1008;", TrimLeft},
    BuiltinDefinition{0x1009, "function TrimRight(S:String):String;Index $1009;", TrimRight},
    BuiltinDefinition{0x100A, "function UpperCase(S:String):String;Index $100A;", UpperCase},
    BuiltinDefinition{0x100B, "function FloatToStr(Value:Real):String;Index $100B;", FloatToStr},
    BuiltinDefinition{0x2001, "function CompareStr(S1,S2:String):Integer;Index $2001;", CompareStr},
    BuiltinDefinition{0x2002, "function Exec(Path,CmdLine:String;Wait:Integer):Integer;Index $2002;", Exec},
    BuiltinDefinition{0x2003, "function Length(S:String):Integer;Index $2003;", Length},
    BuiltinDefinition{0x2004, "function MessageBox(Text,Caption:String;Flags:Integer):Integer;Index $2004;", MessageBox},
    BuiltinDefinition{0x2005, "function Pos(Substr:String;S:String): Integer;Index $2005;", Pos},
    BuiltinDefinition{0x2006, "function Shell(Path,CmdLine:String):Integer;Index $2006;", Shell},
    BuiltinDefinition{0x2007, "function StrToInt(S: String):Integer;Index $2007;", StrToInt},
    BuiltinDefinition{0x2008, "function IsDefine(S:String):Integer;Index $2008;", IsDefine},
    BuiltinDefinition{0x2009, "function Trunc(X:Real):Integer;Index $2009;", Trunc},
    BuiltinDefinition{0x200A, "function Round(X:Real):Integer;Index $200A;", Round},
    BuiltinDefinition{0x3001, "function Frac(X:Real):Real;Index $3001;", Frac},
    BuiltinDefinition{0x3002, "function Int(X:Real):Real;Index $3002;", Int},
    BuiltinDefinition{0x3003, "function StrToFloat(S:String):Real;Index $3003;", StrToFloat},
};

bool SameSignature(const Routine& a, const Routine& b) {
  return a.resultType == b.resultType &&
         std::ranges::equal(a.parameters, b.parameters, {}, &Parameter::type, &Parameter::type);
}

} // namespace

std::span<const BuiltinDefinition> BuiltinDefinitions() { return kDefinitions; }

BuiltinBehaviour FindBuiltinBehaviour(const Routine& routine) {
  const RoutineTable none;
  const auto definition = std::ranges::find(kDefinitions, routine.index, &BuiltinDefinition::index);
  if (definition == kDefinitions.end()) return nullptr;
  const Prototype builtin = ParsePrototype(definition->prototype, none, none);
  return SameSignature(builtin.routine, routine) ? definition->behaviour : nullptr;
}

} // namespace zt::script
