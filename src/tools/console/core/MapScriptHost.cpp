#include "tools/console/core/MapScriptHost.h"

#include "document/Cp932Codec.h"
#include "document/StageDocument.h"

#include <algorithm>
#include <initializer_list>

namespace zt::console {
namespace {

using script::ScriptArgument;
using script::ScriptType;

enum RoutineIndex { kSetMapValue = 1, kGetMapValue = 2, kDisplay = 3, kShowMessage = 4, kSetScrollPosition = 5 };

// The index of the stage shown when a run starts, as the script sees it.
constexpr const char* kStageVariable = "stage";

// Makes `stage` the document's current stage until the scope ends.
class CurrentStageScope {
 public:
  CurrentStageScope(StageDocument& doc, int stage) : doc_(doc), previous_(doc.currentStage) {
    doc_.currentStage = stage;
  }
  ~CurrentStageScope() { doc_.currentStage = previous_; }
  CurrentStageScope(const CurrentStageScope&) = delete;
  CurrentStageScope& operator=(const CurrentStageScope&) = delete;

 private:
  StageDocument& doc_;
  int previous_;
};

// Whether the call carries the parameters the routine of this Index needs. A
// prototype line of the host always matches; the check keeps a mismatching
// one from reading past the arguments.
bool HasParameters(std::span<const ScriptArgument> argument, std::initializer_list<ScriptType> types) {
  return std::ranges::equal(argument, types, {}, &ScriptArgument::type);
}

// The 64-bit values are compared before they become an int, so that a huge
// coordinate cannot wrap around into the grid.
bool InGrid(std::int64_t x, std::int64_t y, std::int64_t stage) {
  return x >= 0 && x < kStageWidth && y >= 0 && y < kStageHeight && stage >= 0 && stage < kStageCount;
}

int Clamp(std::int64_t value, int max) { return static_cast<int>(std::clamp<std::int64_t>(value, 0, max)); }

} // namespace

MapScriptHost::MapScriptHost(StageDocument& doc) : doc_(doc), interpreter_(*this) {
  interpreter_.SetDeclarePrototype(Prototypes());
  interpreter_.AddIntConst("stage1", true, 0);
  interpreter_.AddIntConst("stage2", true, 1);
  interpreter_.AddIntConst("stage3", true, 2);
  interpreter_.AddIntConst("stage4", true, 3);
  interpreter_.AddIntConst(kStageVariable, true, 0);
}

std::vector<std::string> MapScriptHost::Prototypes() {
  return {
      "procedure SetMapValue(X:integer;Y:integer;Stage:integer;Moji:String);Index 1;",
      "function GetMapValue(X:integer;Y:integer;Stage:integer):string;Index 2;",
      "procedure Display;Index 3;",
      "procedure ShowMessage(Message:String);Index 4;",
      "procedure SetScrollPosition(x,y:integer);Index 5;",
  };
}

void MapScriptHost::Run(std::vector<std::string> sourceLines) {
  interpreter_.SetIntVar(kStageVariable, doc_.currentStage);
  interpreter_.SetSource(std::move(sourceLines));
  interpreter_.Run();
}

int MapScriptHost::ProcParam(std::string_view, int index, std::span<const ScriptArgument> argument) {
  constexpr ScriptType kInt = ScriptType::Integer;
  constexpr ScriptType kStr = ScriptType::String;
  if (index == kSetMapValue && HasParameters(argument, {kInt, kInt, kInt, kStr})) {
    SetMapValue(argument[0].intValue, argument[1].intValue, argument[2].intValue, argument[3].strValue);
  } else if (index == kDisplay && argument.empty()) {
    Display();
  } else if (index == kShowMessage && HasParameters(argument, {kStr})) {
    ShowMessage(argument[0].strValue);
  } else if (index == kSetScrollPosition && HasParameters(argument, {kInt, kInt})) {
    SetScrollPosition(Clamp(argument[0].intValue, kMaxScrollX), Clamp(argument[1].intValue, kMaxScrollY));
  } else {
    return kUnknownRoutine;
  }
  return 0;
}

int MapScriptHost::StrFuncParam(std::string_view, int index, std::span<const ScriptArgument> argument,
                                std::string& resultValue) {
  constexpr ScriptType kInt = ScriptType::Integer;
  if (index != kGetMapValue || !HasParameters(argument, {kInt, kInt, kInt})) return kUnknownRoutine;
  resultValue = GetMapValue(argument[0].intValue, argument[1].intValue, argument[2].intValue);
  return 0;
}

int MapScriptHost::IntFuncParam(std::string_view, int, std::span<const ScriptArgument>, std::int64_t&) {
  return kUnknownRoutine;
}

int MapScriptHost::RealFuncParam(std::string_view, int, std::span<const ScriptArgument>, double&) {
  return kUnknownRoutine;
}

std::string MapScriptHost::ErrorProc(int errorCode) {
  return errorCode == kUnknownRoutine ? Sjis("ユーザー定義手続き/関数の内部エラーです。") : std::string();
}

// A cell outside the grids is left alone. A changed cell marks the document
// modified, so that closing the editor offers to save what the script drew.
void MapScriptHost::SetMapValue(std::int64_t x, std::int64_t y, std::int64_t stage, std::string_view moji) {
  if (!InGrid(x, y, stage)) return;
  const CurrentStageScope scope(doc_, static_cast<int>(stage));
  const TileCode code = TileCodeFromChar(moji);
  const int column = static_cast<int>(x);
  const int row = static_cast<int>(y);
  if (doc_.GetCell(column, row) == code) return;
  doc_.SetCell(column, row, code);
  doc_.SetModified(true);
}

// A cell outside the grids reads as the empty cell, as a stage outside 0..3 does.
std::string MapScriptHost::GetMapValue(std::int64_t x, std::int64_t y, std::int64_t stage) {
  if (!InGrid(x, y, stage)) return std::string(1, TileCodeToChar(0));
  const CurrentStageScope scope(doc_, static_cast<int>(stage));
  return std::string(1, TileCodeToChar(doc_.GetCell(static_cast<int>(x), static_cast<int>(y))));
}

} // namespace zt::console
