#include "ScriptCase.h"

#include <string>

namespace zt::script::test {
namespace {

struct ExpressionCase {
  const char* expression;
  const char* expected;
};

// Assigns the expression to a variable of `type` (i, r or s) and prints it.
void ExpectValues(const char* variable, std::span<const ExpressionCase> cases) {
  const std::string show = std::string(variable) == "i"   ? "IntToStr(i)"
                           : std::string(variable) == "r" ? "FloatToStr(r)"
                                                          : "s";
  for (const ExpressionCase& c : cases) {
    const std::string script = "var i: integer; r: real; s: string;\nbegin\n" + std::string(variable) +
                               " := " + c.expression + ";\nPrint(" + show + ")\nend";
    EXPECT_EQ(RunScript(script), c.expected) << c.expression;
  }
}

TEST(IntegerExpression, Arithmetic) {
  const ExpressionCase cases[] = {
      {"1 + 2 * 3", "7"},
      {"(1 + 2) * 3", "9"},
      {"10 - 2 - 3", "5"},
      {"7 div 2", "3"},
      {"7 Div 2", "3"},
      {"-7 div 2", "-3"},
      {"7 mod 3", "1"},
      {"-7 mod 3", "-1"},
      {"7 mod -3", "1"},
      {"6 and 3", "2"},
      {"6 or 3", "7"},
      {"6 xor 3", "5"},
      // The sign applies to the whole product; NOT to the first operand only.
      {"-1 and 3", "-1"},
      {"- 2 * 3", "-6"},
      {"1 - -2 + 3", "6"},
      {"not 0", "-1"},
      {"not 1 * 2", "-4"},
      {"not True", "0"},
      // 64-bit wrap-around, literals that do not fit read as 0.
      {"9223372036854775807 + 1", "-9223372036854775808"},
      {"(-9223372036854775807 - 1) div -1", "-9223372036854775808"},
      {"(-9223372036854775807 - 1) mod -1", "0"},
      {"4611686018427387904 * 4", "0"},
      {"$FFFFFFFFFFFFFFFF", "-1"},
      {"$1f", "31"},
      {"$", "0"},
      {"99999999999999999999", "0"},
      {"Length('abc') * 2", "6"},
      {"Counter + Counter * 10", "21"},
  };
  ExpectValues("i", cases);
}

TEST(IntegerExpression, ShiftsAndComparisons) {
  const ExpressionCase cases[] = {
      {"1 shl 4", "16"},
      {"1 SHL 63", "-9223372036854775808"},
      {"1 shl 64", "0"},
      {"1 shl 127", "0"},
      {"(-1) shr 60", "15"},
      {"-1 shr 60", "0"},
      {"(-1) shr 64", "0"},
      {"1 shl 128", "!シフト数が0から127の範囲にありません[128]"},
      {"1 shr -1", "!シフト数が0から127の範囲にありません[-1]"},
      {"1 < 2", "-1"},
      {"2 < 1", "0"},
      {"1 = 1", "-1"},
      {"1 <> 1", "0"},
      {"2 >= 2", "-1"},
      {"1 <= 0", "0"},
      {"2 > 1", "-1"},
      // A chain compares the previous result.
      {"3 > 2 > 1", "0"},
      {"1 < 2 < 3", "-1"},
      {"1 + 1 = 2", "-1"},
  };
  ExpectValues("i", cases);
}

TEST(IntegerExpression, TypedByFirstToken) {
  const ExpressionCase cases[] = {
      {"1.9", "1"},
      {"(2.5 * 2) + 1", "6"},
      {"'42'", "42"},
      {"'abc'", "-1"},
      {"'$1F'", "31"},
      {"('12') + 1", "13"},
      {"('x') + 1", "0"},
      {"1 + 2.5", "!文法エラーです[2.5]"},
      {"-1.9", "!文法エラーです[1.9]"},
      {"1e30", "!実数を整数に変換できません[1E30]"},
      {"(1e30) + 1", "!実数を整数に変換できません[1E30]"},
  };
  ExpectValues("i", cases);
}

TEST(IntegerExpression, Errors) {
  const ExpressionCase cases[] = {
      {"5 div 0", "!0で割ることはできません[div]"},
      {"5 MOD 0", "!0で割ることはできません[MOD]"},
      {"(1 + 2", "!右括弧がありません"},
      {")", "!文法エラーです[)]"},
      {"", "!文法エラーです[]"},
      {"1 + ;", "!文法エラーです[]"},
      {"1 + s", "!変数の型が違います[s]"},
      {"1 + r", "!変数の型が違います[r]"},
      {"1 + FloatToStr(1)", "!関数の戻り値の型が違います[FloatToStr]"},
      {"1 + nothing", "!変数または関数は定義されていません[nothing]"},
      {"1 + ProcessMessages", "!変数または関数は定義されていません[ProcessMessages]"},
      {"1 + 'a'", "!文法エラーです['a']"},
  };
  ExpectValues("i", cases);
}

TEST(RealExpression, Values) {
  const ExpressionCase cases[] = {
      {"(1 + 2) * 1.5", "4.5"},
      {"1 / 4", "0.25"},
      {"10 / 4 * 2", "5"},
      {"1.5 + 2", "3.5"},
      {"-2.5 * 2", "-5"},
      {"2 - 0.5 - 0.5", "1"},
      {"1e3", "1000"},
      {"1.5e-3", "0.0015"},
      {"1e", "0"},
      {"$FF + 1", "1"},
      {"i + 0.5", "0.5"},
      {"Half(3)", "1.5"},
      {"Length('ab') + 0.5", "2.5"},
      {"('2.5') * 2", "5"},
      {"('x') * 2", "0"},
      {"2 > 1", "-1"},
      {"1.0 = 2.0", "0"},
      {"1 <= 1", "-1"},
  };
  ExpectValues("r", cases);
}

TEST(RealExpression, Errors) {
  const ExpressionCase cases[] = {
      {"1 / 0", "!0で割ることはできません[/]"},
      {"s", "!変数の型が違います[s]"},
      {"IntToStr(1)", "!関数の戻り値の型が違います[IntToStr]"},
      {"(1 + 2.5)", "!文法エラーです[2.5]"},
      {"(1.5", "!右括弧がありません"},
      {")", "!文法エラーです[)]"},
      {"'1'", "!文法エラーです['1']"},
      {"nothing", "!変数または関数は定義されていません[nothing]"},
  };
  ExpectValues("r", cases);
}

TEST(StringExpression, Values) {
  const ExpressionCase cases[] = {
      {"'a' + 'b'", "ab"},
      {"'a' 'b'", "ab"},
      {"'it''s'", "it's"},
      {"''", ""},
      {"'abc' #65#66", "abcAB"},
      {"#$41", "A"},
      {"#300", ""},
      {"'#65'", "#65"},
      {"'日本' + '語'", "日本語"},
      {"IntToStr(12) + 'x'", "12x"},
      {"('a' + 'b') 'c'", "abc"},
      {"Nil + 'x'", "x"},
      {"'a' + 'b' = 'ab'", "-1"},
      {"'a' < 'b'", "-1"},
      {"'ab' < 'a'", "0"},
      {"'B' < 'a'", "-1"},
      {"'ab' > 'a'", "-1"},
      {"'a' <> 'a'", "0"},
  };
  ExpectValues("s", cases);
}

TEST(StringExpression, Errors) {
  const ExpressionCase cases[] = {
      {"1", "!文法エラーです[1]"},
      {"(1)", "!文法エラーです[1]"},
      {"i", "!変数の型が違います[i]"},
      {"Length('a')", "!関数の戻り値の型が違います[Length]"},
      {"('a'", "!右括弧がありません"},
      {"nothing", "!変数または関数は定義されていません[nothing]"},
      {"'a' + ", "!文法エラーです[]"},
  };
  ExpectValues("s", cases);
}

TEST(StringExpression, CrLfLiteralsEndTheText) {
  EXPECT_EQ(RunScript("var s: string; begin s := 'x' #13#10; Print(IntToStr(Length(s))) end"), "3");
}

} // namespace
} // namespace zt::script::test
