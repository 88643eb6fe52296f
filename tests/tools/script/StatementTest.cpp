#include "ScriptCase.h"

namespace zt::script::test {
namespace {

TEST(ProgramShape, MainBlockAndVarSection) {
  const ScriptCase cases[] = {
      // Without VAR the whole text is the main block.
      {"Print('a'); Print('b')", "a|b"},
      {"begin\n\nend", ""},
      {"//Poor Pascal(Project PPA参照\n//procedure Display();\nbegin\n\nend", ""},
      {"var x: integer;\nbegin x := 5; Print(IntToStr(x)) end", "5"},
      {"VAR x, y: Integer; s: String;\nBEGIN x := 2; y := x * 3; s := 'v'; PRINT(s + inttostr(Y)) END", "v6"},
      // Everything after the last END is ignored.
      {"var x: integer; begin Print('a') end; Print('b')", "a"},
      {"var x: integer;\nbegin x := 1", "!endがありません[Block]"},
      {"var x: integer;", "!endがありません[Block]"},
      // Comments go line by line before the run; "//" in a literal stays.
      {"Print('// kept'); // dropped\n// whole line\nPrint('x')", "// kept|x"},
  };
  ExpectRuns(cases);
}

TEST(ProgramShape, VarDeclarationErrors) {
  const ScriptCase cases[] = {
      {"var x: integer; x: real; begin end", "!変数/定数名の重複定義[x]"},
      {"var x, X: integer; begin end", "!変数/定数名の重複定義[X]"},
      {"var True: integer; begin end", "!変数/定数名の重複定義[True]"},
      {"var 1: integer; begin end", "!文法エラーです[1]"},
      {"var x integer; begin end", "!文法エラーです[integer]"},
      {"var x: word; begin end", "!文法エラーです[word]"},
      {"var x: integer begin end", "!文法エラーです[begin]"},
      // A statement word declared as a variable makes its statements assignments.
      {"var if: integer; begin if := 3; Print(IntToStr(if)) end", "3"},
  };
  ExpectRuns(cases);
}

TEST(Statement, CallsAndAssignments) {
  const ScriptCase cases[] = {
      {"123", "!文法エラーです[123]"},
      {"'text'", "!文法エラーです['text']"},
      {"nothing", "!文法エラーです[nothing]"},
      {"var x: integer; begin x 5 end", "!文法エラーです[5]"},
      {"var x: integer; begin x end", "!文法エラーです[]"},
      {"True := 1", "!読取専用オブジェクトには代入できません[True]"},
      {"Nil := 'a'", "!読取専用オブジェクトには代入できません[Nil]"},
      // Tokens left after a complete call are ignored; a function's result is dropped.
      {"Print('a') Print('b'); Length('abc')", "a"},
      {"var s: string; begin s := 'a'; s := s + 'b'; Print(s) end", "ab"},
      {";;Print('a');;", "a"},
  };
  ExpectRuns(cases);
}

TEST(Statement, BeginEndAndFlowWords) {
  const ScriptCase cases[] = {
      {"begin Print('a'); begin Print('b') end; Print('c') end", "a|b|c"},
      {"begin end; Print('after')", "after"},
      {"Print('a'); exit; Print('b')", "a"},
      // BREAK and CONTINUE outside a loop end the program quietly.
      {"Print('a'); break; Print('b')", "a"},
      {"Print('a'); begin continue; Print('b') end; Print('c')", "a"},
  };
  ExpectRuns(cases);
}

TEST(Statement, If) {
  const ScriptCase cases[] = {
      {"if 1 then Print('y') else Print('n')", "y"},
      {"if 0 then Print('y') else Print('n')", "n"},
      {"if 0 then Print('y'); Print('z')", "z"},
      {"if -5 then Print('non-zero is true')", "non-zero is true"},
      {"if 1 then begin Print('a'); Print('b') end else Print('c')", "a|b"},
      {"if 0 then begin Print('a') end else begin Print('c'); Print('d') end", "c|d"},
      // ELSE belongs to the nearest IF.
      {"if 1 then if 0 then Print('a') else Print('b')", "b"},
      {"if 0 then if 0 then Print('a') else Print('b')", ""},
      {"var s: string; begin s := 'abc'; if s = 'abc' then Print('eq'); if s = 'x' then Print('ne') end", "eq"},
      {"if 1 then", "!文法エラーです[if]"},
      {"if 1 Print('x')", "!文法エラーです[if]"},
      {"if nothing then Print('x')", "!変数または関数は定義されていません[nothing]"},
  };
  ExpectRuns(cases);
}

TEST(Statement, For) {
  const ScriptCase cases[] = {
      {"var i: integer; begin for i := 1 to 3 do Print(IntToStr(i)) end", "1|2|3"},
      {"var i: integer; begin for i := 3 downto 1 do Print(IntToStr(i)) end", "3|2|1"},
      {"var i: integer; begin for i := 5 to 1 do Print('x'); Print(IntToStr(i)) end", "5"},
      {"var i: integer; begin for i := 1 downto 5 do Print('x'); Print(IntToStr(i)) end", "1"},
      // The count is fixed before the first round; the variable is set before each.
      {"var i: integer; begin for i := 1 to 3 do begin Print(IntToStr(i)); i := i + 10 end end", "1|2|3"},
      {"var i, n: integer; begin n := 2; for i := 1 to n do n := 10; Print(IntToStr(i)) end", "2"},
      // The bounds are 32-bit numbers.
      {"var i: integer; begin for i := 4294967297 to 4294967298 do Print(IntToStr(i)) end", "1|2"},
      {"var i: integer; begin for i := 1 to 5 do begin if i = 3 then break; Print(IntToStr(i)) end; Print('after') end",
       "1|2|after"},
      {"var i: integer; begin for i := 1 to 4 do begin if i mod 2 = 0 then continue; Print(IntToStr(i)) end end",
       "1|3"},
      {"var i: integer; begin for i := 1 to 3 do begin Print(IntToStr(i)); exit end; Print('after') end", "1"},
      {"var r: real; begin for r := 1 to 2 do Print('x') end", "!文法エラーです[for]"},
      {"for True := 1 to 2 do Print('x')", "!文法エラーです[for]"},
      {"var i: integer; begin for i = 1 to 2 do Print('x') end", "!文法エラーです[for]"},
      {"var i: integer; begin for i := 1 to 2 Print('x') end", "!文法エラーです[for]"},
      {"var i: integer; begin for i := 1 Print('x') end", "!文法エラーです[for]"},
  };
  ExpectRuns(cases);
}

TEST(Statement, WhileAndRepeat) {
  const ScriptCase cases[] = {
      {"var i: integer; begin while i < 3 do i := i + 1; Print(IntToStr(i)) end", "3"},
      {"while 0 do Print('x')", ""},
      {"var i: integer; begin while 1 do begin i := i + 1; if i = 4 then break end; Print(IntToStr(i)) end", "4"},
      {"var i: integer; begin while i < 4 do begin i := i + 1; if i = 2 then continue; Print(IntToStr(i)) end end",
       "1|3|4"},
      {"while 1 Print('x')", "!文法エラーです[while]"},
      {"var i: integer; begin repeat i := i + 1; Print(IntToStr(i)) until i >= 3 end", "1|2|3"},
      {"repeat Print('once') until 1", "once"},
      {"repeat until 1; Print('empty body')", "empty body"},
      {"var i: integer; begin repeat i := i + 1; if i = 2 then break until 0; Print(IntToStr(i)) end", "2"},
      {"var i, j: integer; begin repeat repeat j := j + 1 until j >= 2; i := i + 1 until i >= 2; "
       "Print(IntToStr(j) + IntToStr(i)) end",
       "32"},
      {"repeat Print('x')", "x!文法エラーです[]"},
  };
  ExpectRuns(cases);
}

TEST(Statement, Case) {
  const ScriptCase cases[] = {
      {"case 2 of 1: Print('one'); 2: Print('two'); end", "two"},
      // Every matching branch runs.
      {"case 3 of 1..5: Print('range'); 3: Print('three'); end", "range|three"},
      {"case 7 of 1, 3, 5..8: Print('hit'); end", "hit"},
      {"case 7 of (3 + 4), 1: Print('p'); end", "p"},
      {"case '5' of 5: Print('text selector'); end", "text selector"},
      {"case 9 of 1: Print('one') else Print('other') end", "other"},
      {"case 9 of 1: Print('one'); else Print('a'); Print('b') end", "a|b"},
      {"case 1 of 1: Print('a'); else Print('b') end", "a"},
      {"case 1 of 1: begin Print('one') end end", "one"},
      {"case 1 of 1: if 0 then Print('a') else Print('b'); end", "b"},
      {"case 1 of 1: Print('one'); end; Print('after')", "one|after"},
      // A last simple branch without ";" takes the END of the case into its text.
      {"case 1 of 1: Print('one') end", "one!endがありません[case]"},
      {"case 1 of 1: Print('x');", "x!endがありません[case]"},
      {"case 1 Print('x')", "!ofがありません[case]"},
      {"case 1 of Print('x'); end", "!式が不正です[case]"},
  };
  ExpectRuns(cases);
}

TEST(Statement, CaseInsensitiveWordsAndNames) {
  const ScriptCase cases[] = {
      {"BEGIN print('x') END", "x"},
      {"var X: Integer; Begin x := 1; IF x = 1 THEN Print(inttostr(X)) End", "1"},
  };
  ExpectRuns(cases);
}

} // namespace
} // namespace zt::script::test
