// zarnotool-cli script: map scripts run against a document from the command line.

#include "CliRunner.h"

#include "document/Cp932Codec.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace zt {
namespace {

using test::CliRun;
using test::PageTag;
using test::RunCli;
using test::TempDir;

class ScriptCommandTest : public ::testing::Test {
 protected:
  ScriptCommandTest() { dir.Write("four.htm", PageTag("scroll_mode_s", "2") + PageTag("map0-3", "A.B")); }

  // Writes the script (UTF-8 here) as the console saves it: Shift-JIS, CR LF.
  void WriteScript(const std::string& name, const std::string& utf8) const { dir.Write(name, Sjis(utf8)); }

  nlohmann::json Dump(const std::string& file) const {
    const CliRun run = RunCli(dir, {"dump", file});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return nlohmann::json::parse(run.out);
  }

  TempDir dir;
};

TEST_F(ScriptCommandTest, MessagesGoToStandardOutputAndQuestionsTakeTheirDefaults) {
  WriteScript("talk.ppa", "begin\r\n"
                          "  ShowMessage('こんにちは');\r\n"
                          "  ShowMessage(IntToStr(MessageBox('よろしい?', '確認', 4)));\r\n"
                          "  ShowMessage(InputBox('題', '問い', '既定の答え'));\r\n"
                          "  Pause;\r\n"
                          "  Display;\r\n"
                          "  SetScrollPosition(3, 4);\r\n"
                          "  ShowMessage('最後')\r\n"
                          "end\r\n");
  const CliRun run = RunCli(dir, {"script", "talk.ppa"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "こんにちは\nよろしい?\n1\n既定の答え\n最後\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(ScriptCommandTest, TheScriptEditsTheDocumentWrittenToOut) {
  WriteScript("floor.ppa", "var x: integer;\r\n"
                           "begin\r\n"
                           "  ShowMessage(GetMapValue(0, 3, stage1) + GetMapValue(2, 3, stage1));\r\n"
                           "  for x := 0 to 179 do SetMapValue(x, 29, stage1, 'a');\r\n"
                           "  SetMapValue(5, 0, stage4, 'Z')\r\n"
                           "end\r\n");
  const CliRun run = RunCli(dir, {"script", "floor.ppa", "four.htm", "--out", "out.htm"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "AB\n");
  const auto json = Dump("out.htm");
  EXPECT_EQ(json["type"], "FourStage");
  EXPECT_EQ(json["stages"][0][29], std::string(180, 'a'));
  EXPECT_EQ(json["stages"][0][3].get<std::string>().substr(0, 3), "A.B"); // the rest of the page stays
  EXPECT_EQ(json["stages"][3][0].get<std::string>()[5], 'Z');

  // Without --out nothing is written; without FILE a new four-stage document is used.
  EXPECT_EQ(RunCli(dir, {"script", "floor.ppa", "four.htm"}).exitCode, 0);
  EXPECT_EQ(RunCli(dir, {"script", "floor.ppa", "--out", "new.zpp"}).out, "..\n");
  const auto fresh = Dump("new.zpp");
  EXPECT_EQ(fresh["type"], "FourStage");
  EXPECT_EQ(fresh["stages"][0][29], std::string(180, 'a'));
  EXPECT_EQ(fresh["stages"][0][28], std::string(180, '.'));
}

TEST_F(ScriptCommandTest, DefinesAreSeenByIsDefine) {
  WriteScript("define.ppa", "if IsDefine('fast') then ShowMessage('速い') else ShowMessage('遅い');\r\n"
                            "if IsDefine('日本') then ShowMessage('日本')\r\n");
  EXPECT_EQ(RunCli(dir, {"script", "define.ppa"}).out, "遅い\n");
  EXPECT_EQ(RunCli(dir, {"script", "define.ppa", "--define", "FAST", "--define", "日本"}).out, "速い\n日本\n");
}

TEST_F(ScriptCommandTest, ProgramsStartOnlyWhenAllowed) {
  WriteScript("exec.ppa", "ShowMessage(IntToStr(Exec('sh', '-c ''touch ran; exit 5''', -1)));\r\n"
                          "ShowMessage(IntToStr(Shell('ran', '')))\r\n");
  CliRun run = RunCli(dir, {"script", "exec.ppa"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "0\n0\n");
  EXPECT_FALSE(dir.Exists("ran"));

  WriteScript("exec.ppa", "ShowMessage(IntToStr(Exec('sh', '-c ''touch ran; exit 5''', -1)))\r\n");
  run = RunCli(dir, {"script", "exec.ppa", "--allow-exec"});
  EXPECT_EQ(run.out, "5\n");
  EXPECT_TRUE(dir.Exists("ran"));
}

TEST_F(ScriptCommandTest, AScriptErrorExitsWithItsMessageAndWritesNothing) {
  WriteScript("bad.ppa", "begin\r\n  SetMapValue(0, 0, stage1, 'a');\r\n  ShowMessage('途中');\r\n  x := 1\r\nend\r\n");
  const CliRun run = RunCli(dir, {"script", "bad.ppa", "four.htm", "--out", "out.htm"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "文法エラーです[x]\n");
  EXPECT_EQ(run.out, "途中\n");
  EXPECT_FALSE(dir.Exists("out.htm"));
}

TEST_F(ScriptCommandTest, ExitCodes) {
  WriteScript("ok.ppa", "begin end");
  struct Case {
    std::vector<std::string> words;
    int code;
  } cases[] = {
      {{"script"}, 2},
      {{"script", "ok.ppa", "four.htm", "extra"}, 2},
      {{"script", "ok.ppa", "--out"}, 2},
      {{"script", "ok.ppa", "--define"}, 2},
      {{"script", "ok.ppa", "--bogus"}, 2},
      {{"script", "missing.ppa"}, 1},
      {{"script", "ok.ppa", "missing.htm"}, 1},
      {{"script", "ok.ppa", "--out", "no/such/dir/x.htm"}, 1},
      {{"script", "ok.ppa", "four.htm"}, 0},
  };
  for (const Case& c : cases) {
    std::string joined;
    for (const auto& w : c.words) joined += w + " ";
    EXPECT_EQ(RunCli(dir, c.words).exitCode, c.code) << joined;
  }
}

} // namespace
} // namespace zt
