// The command-line tool, run as a separate process.

#include "CliRunner.h"

#include "document/Cp932Codec.h"
#include "support/TempDir.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace zt {
namespace {

using test::CliRun;
using test::TempDir;

CliRun Cli(const TempDir& dir, const std::vector<std::string>& words) { return test::RunCli(dir, words); }

std::string Tag(const std::string& name, const std::string& value) { return test::PageTag(name, value); }

class CliTest : public ::testing::Test {
 protected:
  CliTest() {
    dir.Write("four.htm", Tag("scroll_mode_s", "2") + Tag("map0-3", "A.B") + Tag("map2-29-f", std::string(59, '.') + "/") +
                              Tag("time_max", "90") + Tag("url1", Sjis("http://例")));
  }
  TempDir dir;
};

TEST_F(CliTest, DumpPrintsTheDocument) {
  const CliRun run = Cli(dir, {"dump", "four.htm"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["type"], "FourStage");
  ASSERT_EQ(json["stages"].size(), 4u);
  EXPECT_EQ(json["stages"][0].size(), 30u);
  EXPECT_EQ(json["stages"][0][3].get<std::string>().substr(0, 4), "A.B0"); // beyond the short row: unknown
  EXPECT_EQ(json["stages"][3][29].get<std::string>().back(), '/');
  EXPECT_EQ(json["world"].size(), 9u);
  EXPECT_EQ(json["params"]["time_max"], 90);
  EXPECT_EQ(json["params"]["scroll_mode_s"], 2);
  EXPECT_EQ(json["params"]["url1"], "http://例");
  EXPECT_EQ(json["params"]["url2"], "<notExist>");
  // The log is newest first, and holds the reader's numbered errors.
  const auto& log = json["log"];
  ASSERT_GT(log.size(), 2u);
  EXPECT_EQ(log.back(), "エラー0 パラメータ\"backcolor_red_s\"の値が見つかりません。");
  EXPECT_EQ(log.front(), "エラー" + std::to_string(log.size() - 1) + " パラメータ\"game_speed\"の値が見つかりません。");
}

TEST_F(CliTest, ConvertRoundTripsThroughAProject) {
  ASSERT_EQ(Cli(dir, {"convert", "four.htm", "four.zpp"}).exitCode, 0);
  ASSERT_EQ(Cli(dir, {"convert", "four.zpp", "again.htm", "--comment"}).exitCode, 0);
  ASSERT_EQ(Cli(dir, {"convert", "four.htm", "direct.htm", "--comment"}).exitCode, 0);
  EXPECT_EQ(dir.Read("again.htm"), dir.Read("direct.htm"));
  const std::string page = dir.Read("again.htm");
  EXPECT_EQ(std::count(page.begin(), page.end(), '\n'), 734);
  EXPECT_EQ(std::count(page.begin(), page.end(), '\r'), 734);
}

TEST_F(CliTest, HeaderFooterAndPageSwitches) {
  dir.Write("h.htm", "<HTML>\r\n<BODY>\r\n");
  dir.Write("f.htm", "</HTML>\r\n");
  ASSERT_EQ(Cli(dir, {"convert", "four.htm", "out.htm", "--header", "h.htm", "--footer", "f.htm", "--map-print",
                      "--copyright"})
                .exitCode,
            0);
  const std::string page = dir.Read("out.htm");
  EXPECT_EQ(page.rfind("<HTML>\r\n<BODY>\r\n<APPLET", 0), 0u);
  EXPECT_NE(page.find("</APPLET>\r\n</HTML>\r\n<!--"), std::string::npos);
  EXPECT_EQ(page.find("map1-0"), std::string::npos); // empty rows left out
  EXPECT_NE(page.find("map0-3\"  VALUE=\"A.B"), std::string::npos);
}

TEST_F(CliTest, EncryptedProjects) {
  ASSERT_EQ(Cli(dir, {"convert", "four.htm", "locked.zpp", "--encrypt", "ひみつ"}).exitCode, 0);
  EXPECT_EQ(dir.Read("locked.zpp").substr(2, 6), "LOCKED");

  CliRun run = Cli(dir, {"dump", "locked.zpp"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("--password"), std::string::npos);
  run = Cli(dir, {"dump", "locked.zpp", "--password", "ちがう"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "パスワードが違います\n");
  run = Cli(dir, {"dump", "locked.zpp", "--password", "ひみつ"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(nlohmann::json::parse(run.out)["params"]["time_max"], 90);

  run = Cli(dir, {"convert", "four.htm", "never.zpp", "--encrypt", std::string(40, 'x')});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_FALSE(dir.Exists("never.zpp"));
}

TEST_F(CliTest, Sjis) {
  dir.Write("euc.txt", "\xB4\xC1\xBB\xFA\r\n");
  CliRun run = Cli(dir, {"sjis", "euc.txt", "--detect"});
  EXPECT_EQ(run.out, "4\n");
  run = Cli(dir, {"sjis", "euc.txt"});
  EXPECT_EQ(run.out, Sjis("漢字") + "\r\n");
}

TEST_F(CliTest, ExitCodes) {
  struct Case {
    std::vector<std::string> words;
    int code;
  } cases[] = {
      {{}, 2},
      {{"frobnicate"}, 2},
      {{"dump"}, 2},
      {{"dump", "a", "b"}, 2},
      {{"dump", "four.htm", "--nope"}, 2},
      {{"convert", "four.htm"}, 2},
      {{"convert", "four.htm", "x.htm", "--header"}, 2},
      {{"dump", "missing.htm"}, 1},
      {{"dump", "missing.zpp"}, 1},
      {{"convert", "four.htm", "no/such/dir/x.htm"}, 1},
      {{"--help"}, 0},
  };
  for (const Case& c : cases) {
    std::string joined;
    for (const auto& w : c.words) joined += w + " ";
    EXPECT_EQ(Cli(dir, c.words).exitCode, c.code) << joined;
  }
}

TEST_F(CliTest, ANumberThatIsNoNumberEndsTheRead) {
  dir.Write("bad.htm", Tag("time_max", "soon"));
  const CliRun run = Cli(dir, {"dump", "bad.htm"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "'soon' は整数ではありません\n");
  EXPECT_TRUE(run.out.empty());
}

} // namespace
} // namespace zt
