#include "ScriptCase.h"

#include "document/Cp932Codec.h"
#include "tools/script/MessageBoxCodes.h"

namespace zt::script::test {
namespace {

TEST(BuiltinRoutine, TextRoutines) {
  const ScriptCase cases[] = {
      {"Print(Copy('abcdef', 3, 2))", "cd"},
      {"Print(Copy('abc', 5, 1))", ""},
      {"Print(Copy('abc', 0, 2))", "ab"},
      {"Print(Copy('abc', 2, 100))", "bc"},
      {"Print(Copy('abc', 1, -1))", ""},
      // A nested call of the same routine leaves the outer arguments alone.
      {"Print(Copy('abcdef', 2, Length(Copy('xy', 1, 1))))", "b"},
      {"Print(Delete('abcdef', 2, 3))", "aef"},
      {"Print(Delete('abc', 0, 1))", "abc"},
      {"Print(Delete('abc', 2, 99))", "a"},
      {"Print(Delete('abc', 4, 1))", "abc"},
      {"Print(Insert('XY', 'abc', 2))", "aXYbc"},
      {"Print(Insert('X', 'abc', 10))", "abcX"},
      {"Print(Insert('X', 'abc', 0))", "Xabc"},
      {"Print(IntToStr(-42))", "-42"},
      {"Print(IntToStr(2.9))", "2"},
      {"Print(LowerCase('AbC'))", "abc"},
      {"Print(UpperCase('aBc'))", "ABC"},
      // The second byte of "ア" is the code of "A": it stays.
      {"Print(LowerCase('アA'))", "アa"},
      {"Print('[' + Trim('  a b  ') + ']')", "[a b]"},
      {"Print('[' + TrimLeft(' a ') + ']')", "[a ]"},
      {"Print('[' + TrimRight(' a ') + ']')", "[ a]"},
      {"Print('[' + Trim(#9'x'#10) + ']')", "[x]"},
      {"Print(IntToStr(Length('abc')))", "3"},
      {"Print(IntToStr(Length('日本')))", "4"},
      {"Print(IntToStr(Length('')))", "0"},
      {"Print(IntToStr(Pos('c', 'abc')))", "3"},
      {"Print(IntToStr(Pos('x', 'abc')))", "0"},
      {"Print(IntToStr(Pos('', 'abc')))", "0"},
      {"Print(IntToStr(CompareStr('a', 'b')))", "-1"},
      {"Print(IntToStr(CompareStr('b', 'a')))", "1"},
      {"Print(IntToStr(CompareStr('a', 'a')))", "0"},
  };
  ExpectRuns(cases);
}

TEST(BuiltinRoutine, NumberRoutines) {
  const ScriptCase cases[] = {
      {"Print(IntToStr(StrToInt('12')))", "12"},
      {"Print(IntToStr(StrToInt('abc')))", "0"},
      {"Print(IntToStr(StrToInt('$ff')))", "255"},
      {"Print(IntToStr(StrToInt('-5')))", "-5"},
      {"Print(IntToStr(StrToInt('')))", "0"},
      {"Print(IntToStr(Trunc(2.7)))", "2"},
      {"Print(IntToStr(Trunc(-2.7)))", "-2"},
      {"Print(IntToStr(Round(2.5)))", "2"},
      {"Print(IntToStr(Round(3.5)))", "4"},
      {"Print(IntToStr(Round(-2.5)))", "-2"},
      {"Print(IntToStr(Round(2.6)))", "3"},
      {"Print(IntToStr(Trunc(1e19)))", "!実数を整数に変換できません[1E19]"},
      {"Print(IntToStr(Round(-1e300)))", "!実数を整数に変換できません[-1E300]"},
      {"Print(FloatToStr(Frac(2.75)))", "0.75"},
      {"Print(FloatToStr(Frac(-2.75)))", "-0.75"},
      {"Print(FloatToStr(Int(-2.75)))", "-2"},
      {"Print(FloatToStr(StrToFloat('2.5')))", "2.5"},
      {"Print(FloatToStr(StrToFloat(' -1e3 ')))", "-1000"},
      {"Print(FloatToStr(StrToFloat('x')))", "0"},
      {"Print(FloatToStr(StrToFloat('1e999')))", "0"},
      {"Print(FloatToStr(0.1 + 0.2))", "0.3"},
      {"Print(FloatToStr(1 / 3))", "0.333333333333333"},
      {"Print(FloatToStr(100))", "100"},
      {"Print(FloatToStr(123456789012345))", "123456789012345"},
      {"Print(FloatToStr(1e15))", "1E15"},
      {"Print(FloatToStr(0.0001))", "0.0001"},
      {"Print(FloatToStr(0.00001))", "1E-5"},
      {"Print(FloatToStr(-2.5e-10))", "-2.5E-10"},
      {"Print(FloatToStr(0))", "0"},
  };
  ExpectRuns(cases);
}

TEST(BuiltinRoutine, Arguments) {
  const ScriptCase cases[] = {
      {"Print(Copy('abc', 1))", "!文法エラーです[]"},
      {"Print(Copy('abc', 1, 2, 3))", "!文法エラーです[,]"},
      {"Print(Copy 'abc')", "!文法エラーです['abc']"},
      {"Print(IntToStr(Length(5)))", "!文法エラーです[5]"},
      // A routine without parameters takes no parentheses; empty ones are left over.
      {"Print(IntToStr(Counter()))", "1"},
      {"Print(Echo('x' + 'y', 2 * 3))", "ECHO:S=xy/N=6"},
      {"Print(Copy('a,b', 1, (1 + 2)))", "a,b"},
  };
  ExpectRuns(cases);
}

TEST(BuiltinRoutine, PlatformRoutinesGoThroughTheHost) {
  ScriptTestHost host;
  TPoorPascal interpreter(host);
  interpreter.SetDeclarePrototype(ScriptTestHost::Prototypes());

  EXPECT_EQ(RunScript(interpreter, host, "Print(InputBox('c', 'p', 'd'))"), "d");
  host.inputBoxAnswer = "entered";
  EXPECT_EQ(RunScript(interpreter, host, "Print(InputBox('c', 'p', 'd'))"), "entered");
  host.messageBoxAnswer = msgbox::IdYes;
  EXPECT_EQ(RunScript(interpreter, host, "Print(IntToStr(MessageBox('t', 'c', 4 or $20)))"), "6");
  EXPECT_EQ(RunScript(interpreter, host, "Print(IntToStr(Exec('prog', 'a b', True)))"), "3");
  EXPECT_EQ(RunScript(interpreter, host, "Print(IntToStr(Exec('prog', '', 1)))"), "-1");
  EXPECT_EQ(RunScript(interpreter, host, "Print(IntToStr(Shell('file.htm', '')))"), "42");
  EXPECT_EQ(RunScript(interpreter, host, "Sleep(25); ProcessMessages"), "");
  EXPECT_EQ(host.events, (std::vector<std::string>{"InputBox:c,p,d", "InputBox:c,p,d", "MessageBox:t,c,36",
                                                   "Exec:prog,a b,wait", "Exec:prog,,nowait", "Shell:file.htm,",
                                                   "Sleep:25"}));
}

TEST(BuiltinRoutine, ProcessMessagesRunsTheHook) {
  ScriptTestHost host;
  TPoorPascal interpreter(host);
  RunScript(interpreter, host, "ProcessMessages; ProcessMessages");
  EXPECT_EQ(host.processMessagesCalls, 3); // once for the main block
}

TEST(BuiltinRoutine, IsDefineIgnoresLetterCase) {
  ScriptTestHost host;
  TPoorPascal interpreter(host);
  interpreter.SetDeclarePrototype(ScriptTestHost::Prototypes());
  interpreter.SetDefine({"DEBUG", Sjis("日本")});
  EXPECT_EQ(RunScript(interpreter, host,
                      "Print(IntToStr(IsDefine('debug'))); Print(IntToStr(IsDefine('日本'))); "
                      "Print(IntToStr(IsDefine('release')))"),
            "-1|-1|0");
}

TEST(BuiltinRoutine, BuiltinWithoutItsBehaviour) {
  ScriptTestHost host;
  TPoorPascal interpreter(host);
  interpreter.SetDeclarePrototype(ScriptTestHost::Prototypes());
  // Index $1005 is IntToStr, but not with these parameters.
  interpreter.DeclareRoutine("function Other(S:String):String;Index $1005;", true);
  interpreter.DeclareRoutine("procedure Nothing;Index $0999;", true);
  EXPECT_EQ(RunScript(interpreter, host, "Print(Other('x'))"), "!未宣言の組み込み関数です[Other]");
  EXPECT_EQ(RunScript(interpreter, host, "nothing"), "!未宣言の組み込み手続きです[nothing]");
}

} // namespace
} // namespace zt::script::test
