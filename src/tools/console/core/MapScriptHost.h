#pragma once
// The host side of a map script: an interpreter whose programs read and write
// the cells of the document's stages through five routines,
//   procedure SetMapValue(X, Y, Stage: integer; Moji: string)   Index 1
//   function  GetMapValue(X, Y, Stage: integer): string          Index 2
//   procedure Display                                            Index 3
//   procedure ShowMessage(Message: string)                       Index 4
//   procedure SetScrollPosition(x, y: integer)                   Index 5
// and see the constants stage1..stage4 (0..3) and the read-only integer
// "stage", the index of the stage shown when the run started.
//
// What the routines do to the map view and the user is left to the program
// around the host (the console window, the command-line runner).

#include "tools/script/ScriptHost.h"
#include "tools/script/TPoorPascal.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zt {
class StageDocument;
}

namespace zt::console {

class MapScriptHost : public script::ScriptHost {
 public:
  // The error code of a call the host does not know, and its message.
  static constexpr int kUnknownRoutine = -1;
  // The ranges the map view's scroll bars keep.
  static constexpr int kMaxScrollX = 179;
  static constexpr int kMaxScrollY = 29;

  explicit MapScriptHost(StageDocument& doc);
  MapScriptHost(const MapScriptHost&) = delete;
  MapScriptHost& operator=(const MapScriptHost&) = delete;

  // The prototype lines of the five routines, in declaration order.
  static std::vector<std::string> Prototypes();

  script::TPoorPascal& interpreter() { return interpreter_; }
  const script::TPoorPascal& interpreter() const { return interpreter_; }
  StageDocument& document() { return doc_; }

  // Runs the program (Shift-JIS lines) with "stage" set to the document's
  // current stage. Throws script::ScriptError when the program fails.
  void Run(std::vector<std::string> sourceLines);

  int ProcParam(std::string_view procName, int index, std::span<const script::ScriptArgument> argument) override;
  int StrFuncParam(std::string_view funcName, int index, std::span<const script::ScriptArgument> argument,
                   std::string& resultValue) override;
  // This host declares no INTEGER or REAL functions.
  int IntFuncParam(std::string_view funcName, int index, std::span<const script::ScriptArgument> argument,
                   std::int64_t& resultValue) override;
  int RealFuncParam(std::string_view funcName, int index, std::span<const script::ScriptArgument> argument,
                    double& resultValue) override;
  std::string ErrorProc(int errorCode) override;

 protected:
  // Redraws the current stage in the map view.
  virtual void Display() = 0;
  // Shows the message (Shift-JIS) and returns when the user has seen it.
  virtual void ShowMessage(std::string_view message) = 0;
  // Scrolls the map view; x is within 0..kMaxScrollX and y within 0..kMaxScrollY.
  virtual void SetScrollPosition(int x, int y) = 0;

 private:
  void SetMapValue(std::int64_t x, std::int64_t y, std::int64_t stage, std::string_view moji);
  std::string GetMapValue(std::int64_t x, std::int64_t y, std::int64_t stage);

  StageDocument& doc_;
  script::TPoorPascal interpreter_; // runs with this object as its host
};

} // namespace zt::console
