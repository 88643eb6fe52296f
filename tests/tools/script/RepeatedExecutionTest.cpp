// A statement that runs again (a loop body, a condition, an argument) must
// behave exactly as it did the first time, although the interpreter keeps what
// it read of it; and it must notice when the host has changed the routines or
// variables in between, even in the middle of a statement.

#include "ScriptCase.h"

#include "tools/script/CaseFolding.h"
#include "tools/script/NestingGuard.h"

#include <string>
#include <vector>

namespace zt::script::test {
namespace {

TEST(RepeatedExecution, EveryRoundGivesTheResultOfReadingTheTextAgain) {
  const ScriptCase cases[] = {
      // Calls run again in the same order, arguments evaluated anew.
      {"var i: integer; begin for i := 1 to 3 do Print(IntToStr(Counter + Counter * 10)) end", "21|43|65"},
      {"var i: integer; begin for i := 1 to 3 do Print(Copy('abcdef', i, Length(IntToStr(i * 50)))) end",
       "ab|bcd|cde"},
      {"var i: integer; begin for i := 1 to 2 do Print(Echo('n' + IntToStr(i), i * 2)) end",
       "ECHO:S=n1/N=2|ECHO:S=n2/N=4"},
      // Conditions, and expressions typed by their first token.
      {"var i: integer; s: string; begin for i := 1 to 3 do begin s := s + 'a'; if s = 'aa' then Print('two') "
       "else Print(s) end end",
       "a|two|aaa"},
      {"var i, n: integer; begin for i := 1 to 2 do begin n := '4' + IntToStr(i); Print(IntToStr(n)) end end", "41|42"},
      {"var i, n: integer; begin for i := 1 to 2 do begin n := 'x' + IntToStr(i); Print(IntToStr(n)) end end", "-1|-1"},
      {"var i: integer; r: real; begin for i := 1 to 2 do begin r := (i + 2) * 1.5; Print(FloatToStr(r)) end end",
       "4.5|6"},
      {"var i, n: integer; begin for i := 1 to 3 do begin n := (1.5 * i) + 1; Print(IntToStr(n)) end end", "2|4|5"},
      {"var i: integer; begin for i := 1 to 3 do Print(IntToStr(not i * 2) + IntToStr(-i and 3)) end",
       "-4-1|-6-2|-8-3"},
      {"var i: integer; begin i := 0; while i < 3 do begin i := i + 1; Print('x' #65 + IntToStr(i) #66) end end",
       "xA1B|xA2B|xA3B"},
      // Case labels are joined and read again in every round.
      {"var i: integer; begin for i := 1 to 4 do case i of 1..2: Print('low'); 2, 4: Print('even'); end end",
       "low|low|even|even"},
      {"var i: integer; begin for i := 1 to 3 do case i * 2 of (1 + 1): Print('two'); 3..Counter + 4: Print('to') "
       "else Print('none') end end",
       "two|to|to"},
      // Both ends of a range are evaluated, the labels after a match are not.
      {"var i: integer; begin for i := 1 to 3 do case i of 3..Counter, Counter: Print('hit' + IntToStr(i)); end; "
       "Print(IntToStr(Counter)) end",
       "hit3|6"},
      // Tokens left after a call, and the ELSE of the nearest IF.
      {"var i: integer; begin for i := 1 to 2 do Print(IntToStr(i)) Print('x') end", "1|2"},
      {"var i: integer; begin for i := 1 to 2 do Print(IntToStr(i)) if i = 2 then Print('then') end", "1|2|then"},
      {"var i: integer; begin for i := 1 to 4 do if i > 1 then if i > 2 then Print('big') else Print('mid') end",
       "mid|big|big"},
      {"var i: integer; begin for i := 1 to 2 do begin repeat i := i + 1 until i mod 3 = 0; Print(IntToStr(i)) end end",
       "3|3"},
  };
  ExpectRuns(cases);
}

TEST(RepeatedExecution, AnErrorOfALaterRoundComesAfterTheOutputOfTheEarlierOnes) {
  const ScriptCase cases[] = {
      {"var i: integer; begin for i := 0 to 2 do Print(IntToStr(6 div (1 - i))) end", "6!0で割ることはできません[div]"},
      {"var i: integer; begin for i := 1 to 3 do if i < 3 then Print(IntToStr(i)) else Print(IntToStr(1 + )) end",
       "1|2!文法エラーです[]"},
      {"var i: integer; s: string; begin for i := 1 to 3 do if i = 3 then s := i else Print('ok') end",
       "ok|ok!変数の型が違います[i]"},
      {"var i: integer; begin for i := 1 to 2 do if i = 2 then i := (i + 1 else Print('ok') end", "ok!右括弧がありません"},
      {"var i: integer; begin for i := 1 to 2 do Print(IntToStr(Counter) + IntToStr(10 div (2 - i))) end",
       "110!0で割ることはできません[div]"},
      {"var i: integer; begin for i := 1 to 3 do Print(IntToStr(1 shl (62 + i))) end",
       "-9223372036854775808|0|0"},
      {"var i: integer; begin for i := 1 to 3 do Print(IntToStr(1 shl (125 + i))) end",
       "0|0!シフト数が0から127の範囲にありません[128]"},
      // The last branch takes the END of the case: not yet a failure for 1.
      {"var i: integer; begin for i := 1 to 2 do case i of 1: Print('one'); 2: Print('two') end end",
       "one!endがありません[case]"},
      {"var i: integer; begin for i := 1 to 2 do case i of 2: Print('two'); 1: Print('one') end end",
       "one!endがありません[case]"},
  };
  ExpectRuns(cases);
}

// Blanks follow a literal left open, so texts built from it grow by one blank
// with every joining: the same in every round.
TEST(RepeatedExecution, TextsWithAnOpenLiteralAreJoinedTheSameWayEveryRound) {
  ScriptTestHost host;
  TPoorPascal interpreter(host);
  interpreter.SetDeclarePrototype(ScriptTestHost::Prototypes());
  interpreter.AddIntConst("Turn", false, 0);
  interpreter.AddObject("Text", ScriptType::String, 1, false);
  const std::string script = "while Turn < 3 do begin Turn := Turn + 1; Print('[' + Text + ']'); Text := Text + 'ab";
  EXPECT_EQ(RunScript(interpreter, host, script), "[]|['ab   ]|['ab   'ab   ]");
}

// Runs the script with a host whose Declare adds the constant "name" = 7, the
// string constant "s:name" = '12', or the routine of a prototype line, and
// where reading the host-bound variable Bound adds the constant Late = 7.
std::string RunDeclaring(const std::string& script) {
  ScriptTestHost host;
  TPoorPascal interpreter(host);
  std::vector<std::string> prototypes = ScriptTestHost::Prototypes();
  prototypes.push_back("function Declare(Line:String):Integer;Index 6;");
  interpreter.SetDeclarePrototype(prototypes);
  host.onDeclare = [&](const std::string& line) {
    if (AsciiUpperCase(line).starts_with("FUNCTION ")) interpreter.DeclareRoutine(line, false);
    else if (line.starts_with("s:")) interpreter.AddStrConst(line.substr(2), "12");
    else interpreter.AddIntConst(line, false, 7);
  };
  interpreter.AddObject("Bound", ScriptType::Integer, 1, false);
  host.onBoundRead = [&] {
    if (!interpreter.SetIntVar("Late", 7)) interpreter.AddIntConst("Late", false, 7);
  };
  return RunScript(interpreter, host, script);
}

TEST(RepeatedExecution, ANameTheHostDeclaresDuringACallCountsFromTheNextToken) {
  const ScriptCase cases[] = {
      // In the rest of the same expression, at every level of it.
      {"Print(IntToStr(Declare('k') + k))", "7"},
      {"Print(IntToStr(Declare('k') * k + k))", "7"},
      {"Print(IntToStr(Declare('function G(A:Integer):Integer;Index 3;') + G (2) * 3))", "3"},
      {"Print(IntToStr(Declare('s:z') + (z + '3')))", "123"},
      {"Print(IntToStr(-Declare('k') - (k)))", "-7"},
      {"Print(IntToStr((Declare('k')) + k))", "7"},
      {"Print(IntToStr(Declare('k') < k = -1))", "-1"},
      // A variable now hides the function of the same name.
      {"Print(IntToStr(Counter + Declare('Counter') + Counter))", "8"},
      // Reading a host-bound variable may declare names too.
      {"Print(IntToStr(Bound + Late))", "7"},
      {"Print(IntToStr((Bound) * 2 + Late))", "7"},
      // In the next argument of the same call, and in the rest of the statement.
      {"Print(Echo(IntToStr(Declare('a')), a))", "ECHO:S=0/N=7"},
      {"Declare('v') v := 5; Print(IntToStr(v))", "5"},
      // ... where a statement word now names a variable.
      {"Declare('if') if := 3; Print(IntToStr(if))", "3"},
      // In the next round of a loop.
      {"var i: integer; begin for i := 1 to 3 do begin Print(IntToStr(Counter)); if i = 2 then Declare('Counter') "
       "end end",
       "1|2|7"},
  };
  for (const ScriptCase& c : cases) EXPECT_EQ(RunDeclaring(c.script), c.expected) << c.script;
}

TEST(RepeatedExecution, NestingLimitIsReachedAtTheSameDepth) {
  const struct {
    const char* open;
    const char* close;
    int operands; // the operands one level nests
  } levels[] = {{"(", ")", 1}, {"+", "", 1}, {"StrToInt(IntToStr(", "))", 2}};
  // Three blocks enclose the assignment (the main block, the loop body and its
  // BEGIN ... END), and the literal 1 is the innermost operand.
  constexpr int operandsAroundTheLiteral = NestingGuard::kMaxNesting - 3 - 1;
  for (const auto& level : levels) {
    const auto run = [&](int depth) {
      std::string expression;
      for (int i = 0; i < depth; ++i) expression += level.open;
      expression += "1";
      for (int i = 0; i < depth; ++i) expression += level.close;
      return RunScript("var i, n: integer; begin for n := 1 to 2 do begin i := " + expression +
                       "; Print(IntToStr(i)) end end");
    };
    const int fitting = operandsAroundTheLiteral / level.operands;
    EXPECT_EQ(run(fitting), "1|1") << level.open;
    EXPECT_EQ(run(fitting + 1), "!入れ子が深すぎます") << level.open;
  }
}

} // namespace
} // namespace zt::script::test
