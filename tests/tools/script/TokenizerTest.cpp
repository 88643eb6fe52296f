#include "tools/script/ScriptProgram.h"
#include "tools/script/TPPAParser.h"

#include <gtest/gtest.h>

#include <string>

namespace zt::script {
namespace {

// "kind:text" for each token, separated by blanks.
std::string Tokens(std::string_view text) {
  std::string out;
  for (TPPAParser parser(text); parser.Kind() != TokenKind::End; parser.Next()) {
    if (!out.empty()) out += ' ';
    out += std::to_string(static_cast<int>(parser.Kind())) + ":" + std::string(parser.Text());
  }
  return out;
}

TEST(TPPAParser, TokenKindsAndTexts) {
  const struct {
    const char* text;
    const char* tokens;
  } cases[] = {
      {"a:=b", "8:a 100::= 8:b"},
      {"_a1 <> <= >= < > = ; ..", "8:_a1 100:<> 100:<= 100:>= 1:< 1:> 1:= 1:; 100:.."},
      {"1..5", "4:1 100:.. 3:5"},
      {"1.x", "4:1 1:. 8:x"},
      {"12 1.5e+3x 1e 1e+ 1.e5 2E7", "3:12 4:1.5e+3 8:x 4:1e 4:1e+ 4:1.e5 4:2E7"},
      {"$1F $ $fg", "3:$1F 3:$ 3:$f 8:g"},
      {"#65#66 #$41 # #$", "2:#65 2:#66 2:#$41 2:# 2:#$"},
      {"'it''s' 'a'b 'open", "2:'it''s' 2:'a' 8:b 2:'open"},
      {"'ends with doubled''", "2:'ends with doubled''"},
      {"x // comment\r\ny", "8:x 7:// comment 8:y"},
      {"\t\x01 x\x7f", "8:x 1:\x7f"},
      {"\x82\xa0", "1:\x82 1:\xa0"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Tokens(c.text), c.tokens) << c.text;
}

TEST(TPPAParser, ReportsOffsets) {
  TPPAParser parser("  ab\r\n cd");
  EXPECT_EQ(parser.Offset(), 2u);
  parser.Next();
  EXPECT_EQ(parser.Offset(), 7u);
  parser.Next();
  EXPECT_EQ(parser.Kind(), TokenKind::End);
  EXPECT_EQ(parser.Offset(), 9u);
}

TEST(StripComments, KeepsTokenTextsJoinedByBlanks) {
  EXPECT_EQ(StripComments({"x:=1; // c", "// only a comment", "", "s := '//'  ", "1..5"}),
            "x := 1 ;\r\ns := '//'\r\n1 .. 5");
}

} // namespace
} // namespace zt::script
