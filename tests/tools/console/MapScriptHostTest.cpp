// The five map routines, the stage constants and the "stage" variable, run
// through the interpreter as a script would call them.

#include "tools/console/core/MapScriptHost.h"

#include "document/Cp932Codec.h"
#include "document/StageDocument.h"
#include "tools/script/ScriptError.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zt::console {
namespace {

// Records what the map view routines were asked to do, as "display",
// "message:TEXT" (UTF-8) and "scroll:X,Y".
class RecordingHost : public MapScriptHost {
 public:
  using MapScriptHost::MapScriptHost;
  std::vector<std::string> events;

 protected:
  void Display() override { events.push_back("display"); }
  void ShowMessage(std::string_view message) override { events.push_back("message:" + Utf8FromShiftJis(message)); }
  void SetScrollPosition(int x, int y) override {
    events.push_back("scroll:" + std::to_string(x) + "," + std::to_string(y));
  }
};

std::vector<std::string> ShiftJisLines(const std::string& utf8) {
  std::vector<std::string> lines;
  std::istringstream in(utf8);
  for (std::string line; std::getline(in, line);) lines.push_back(Sjis(line));
  return lines;
}

class MapScriptHostTest : public ::testing::Test {
 protected:
  MapScriptHostTest() { doc.stageType = StageType::FourStage; }

  // The recorded events joined by "|", then "!" and the error message.
  std::string Run(const std::string& utf8Script, const std::vector<std::string>& extraPrototypes = {}) {
    RecordingHost host(doc);
    std::vector<std::string> prototypes = MapScriptHost::Prototypes();
    prototypes.insert(prototypes.end(), extraPrototypes.begin(), extraPrototypes.end());
    host.interpreter().SetDeclarePrototype(prototypes);
    std::string report;
    try {
      host.Run(ShiftJisLines(utf8Script));
    } catch (const script::ScriptError& e) {
      report = "!" + Utf8FromShiftJis(e.what());
    }
    std::string joined;
    for (const std::string& event : host.events) joined += (joined.empty() ? "" : "|") + event;
    return joined + report;
  }

  char Cell(int stage, int x, int y) const {
    return TileCodeToChar(doc.stages[static_cast<std::size_t>(stage)].at(x, y));
  }

  StageDocument doc;
};

TEST_F(MapScriptHostTest, RoutinesAndWhatTheyReport) {
  struct Case {
    const char* script;
    const char* expected;
  } cases[] = {
      {"ShowMessage('こんにちは')", "message:こんにちは"},
      {"Display; Display()", "display|display"},
      {"SetScrollPosition(12, 7)", "scroll:12,7"},
      {"SetScrollPosition(500, -3)", "scroll:179,0"},
      {"SetScrollPosition(-9223372036854775807, 9223372036854775807)", "scroll:0,29"},
      {"ShowMessage(IntToStr(stage1) + IntToStr(stage2) + IntToStr(stage3) + IntToStr(stage4))", "message:0123"},
      {"SetMapValue(5, 6, stage3, 'z'); ShowMessage(GetMapValue(5, 6, stage3))", "message:z"},
      {"ShowMessage(GetMapValue(5, 6, stage1))", "message:."},
      {"SetMapValue(0, 0, stage1, 'AB'); ShowMessage(GetMapValue(0, 0, stage1))", "message:0"}, // code 255
      {"SetMapValue(0, 0, stage1, ''); ShowMessage(GetMapValue(0, 0, stage1))", "message:0"},
      {"ShowMessage(GetMapValue(180, 0, stage1) + GetMapValue(0, -1, stage1) + GetMapValue(0, 0, 4))",
       "message:..."},
      {"stage1 := 2", "!読取専用オブジェクトには代入できません[stage1]"},
      {"stage := 2", "!読取専用オブジェクトには代入できません[stage]"},
  };
  for (const Case& c : cases) EXPECT_EQ(Run(c.script), c.expected) << c.script;
}

TEST_F(MapScriptHostTest, ACallOfAnIndexTheHostDoesNotKnowFails) {
  const std::string message = "!ユーザー定義手続き/関数の内部エラーです。";
  struct Case {
    const char* prototype;
    const char* script;
  } cases[] = {
      {"procedure Mystery;Index 9;", "Mystery"},
      {"function Riddle:string;Index 7;", "ShowMessage(Riddle)"},
      {"function Count:integer;Index 2;", "SetScrollPosition(Count, 0)"},
      // A known Index with other parameters than its routine has.
      {"procedure Shown(X:integer);Index 3;", "Shown(1)"},
      {"procedure Put(X,Y:integer);Index 1;", "Put(1, 2)"},
      {"function Peek(X:string):string;Index 2;", "ShowMessage(Peek('a'))"},
  };
  for (const Case& c : cases) EXPECT_EQ(Run(c.script, {c.prototype}), message) << c.prototype;
}

TEST_F(MapScriptHostTest, SetMapValueWritesTheStageItNamesWhileAnotherIsShown) {
  doc.currentStage = 0;
  EXPECT_EQ(Run("SetMapValue(0, 0, stage2, 'A'); Display"), "display");
  EXPECT_EQ(Cell(1, 0, 0), 'A');
  EXPECT_EQ(Cell(0, 0, 0), '.');
  EXPECT_EQ(doc.currentStage, 0);
  EXPECT_TRUE(doc.modified());
}

TEST_F(MapScriptHostTest, CellWritesReachTheObserverAndTheModifiedFlag) {
  std::vector<std::string> written;
  doc.onCellWritten = [&](int x, int y, TileCode code) {
    written.push_back(std::to_string(doc.currentStage) + ":" + std::to_string(x) + "," + std::to_string(y) + "=" +
                      TileCodeToChar(code));
  };
  doc.currentStage = 3;
  EXPECT_EQ(Run("SetMapValue(179, 29, stage1, '/'); SetMapValue(3, 4, stage4, '.')"), "");
  EXPECT_EQ(written, std::vector<std::string>{"0:179,29=/"}); // the second write changed nothing
  EXPECT_EQ(Cell(0, 179, 29), '/');
  EXPECT_EQ(doc.currentStage, 3);
  EXPECT_TRUE(doc.modified());
}

TEST_F(MapScriptHostTest, CoordinatesOutsideTheGridChangeNothing) {
  for (const char* script : {
           "SetMapValue(180, 0, stage1, 'A')",
           "SetMapValue(-1, 0, stage1, 'A')",
           "SetMapValue(0, 30, stage1, 'A')",
           "SetMapValue(0, -1, stage2, 'A')",
           "SetMapValue(0, 0, 4, 'A')",
           "SetMapValue(0, 0, -1, 'A')",
           "SetMapValue(4294967296, 0, stage1, 'A')", // would be 0 as a 32-bit number
           "SetMapValue(0, 4294967296, stage1, 'A')",
           "SetMapValue(0, 0, 4294967296, 'A')",
       }) {
    EXPECT_EQ(Run(script), "") << script;
  }
  for (const StageGrid& grid : doc.stages) EXPECT_EQ(grid, StageGrid{});
  EXPECT_FALSE(doc.modified());
}

TEST_F(MapScriptHostTest, StageIsTheStageShownWhenTheRunStarts) {
  doc.currentStage = 2;
  EXPECT_EQ(Run("SetMapValue(1, 1, stage, 'B'); ShowMessage(IntToStr(stage))"), "message:2");
  EXPECT_EQ(Cell(2, 1, 1), 'B');
  doc.currentStage = 1;
  EXPECT_EQ(Run("ShowMessage(IntToStr(stage))"), "message:1");
}

TEST_F(MapScriptHostTest, TheConsolesInitialTextRunsWithoutEffect) {
  const std::string initial = "//Poor Pascal(Project PPA参照\n"
                              "//procedure SetMapValue(x,y,stage:integer,moji:string);\n"
                              "//function GetMapValue(x,y,stage):string;\n"
                              "//procedure Display();\n"
                              "//procedure ShowMessage(message:string);\n"
                              "//procedure SetScrollPosition(x,y:integer);\n"
                              "begin\n"
                              "\n"
                              "end";
  EXPECT_EQ(Run(initial), "");
  for (const StageGrid& grid : doc.stages) EXPECT_EQ(grid, StageGrid{});
  EXPECT_FALSE(doc.modified());
}

} // namespace
} // namespace zt::console
