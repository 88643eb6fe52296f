#include "ScriptTestHost.h"

#include "document/Cp932Codec.h"
#include "tools/script/ScriptError.h"

#include <gtest/gtest.h>

namespace zt::script::test {
namespace {

class InterpreterTest : public ::testing::Test {
protected:
  InterpreterTest() { interpreter.SetDeclarePrototype(ScriptTestHost::Prototypes()); }

  std::string Run(const std::string& utf8Source) { return RunScript(interpreter, host, utf8Source); }

  // The UTF-8 message of the error `action` throws, or "" when it throws none.
  template <typename Action> static std::string ErrorOf(Action action) {
    try {
      action();
    } catch (const ScriptError& e) {
      return Utf8FromShiftJis(e.what());
    }
    return "";
  }

  ScriptTestHost host;
  TPoorPascal interpreter{host};
};

TEST_F(InterpreterTest, MalformedPrototypes) {
  const struct {
    const char* line;
    const char* message;
  } cases[] = {
      {"proc Foo;", "定義エラーです"},
      {"procedure Foo", "定義エラーです"},
      {"procedure 1x;", "定義エラーです"},
      {"procedure Foo(a:integer;", "定義エラーです"},
      {"function Foo;", "定義エラーです"},
      {"function Foo:word;", "定義エラーです"},
      // The final ";" is gone when the name is checked.
      {"procedure Copy;", "手続き/関数の重複宣言[]"},
      {"procedure Copy;Index 5;", "手続き/関数の重複宣言[;]"},
      {"procedure Print(S:String);", "手続き/関数の重複宣言[(]"},
      {"procedure Foo(a,a:integer);", "仮引数名の重複定義[A]"},
      {"procedure Foo(1:integer);", "文法エラーです[1]"},
      {"procedure Foo(a integer);", "文法エラーです[INTEGER]"},
      {"procedure Foo(a:word);", "文法エラーです[WORD]"},
      {"procedure Foo(a:integer b:integer);", "文法エラーです[B]"},
  };
  Run(""); // declares the host prototypes
  for (const auto& c : cases)
    EXPECT_EQ(ErrorOf([&] { interpreter.DeclareRoutine(c.line, false); }), c.message) << c.line;
}

TEST_F(InterpreterTest, PrototypeIndexAndArguments) {
  interpreter.SetDeclarePrototype({"procedure Hex;Index $10;", "  procedure NoIndex;  ", "",
                                   "procedure Bad;Index x;", "procedure Pair(a, B: integer; c: string);Index 7;"});
  EXPECT_EQ(Run("Hex; noindex; BAD; Pair(1, 2, 'x')"), "");
  EXPECT_EQ(host.events, (std::vector<std::string>{"HEX:16", "NOINDEX:0", "BAD:0", "PAIR:7"}));
}

TEST_F(InterpreterTest, HostErrorsEndTheRun) {
  interpreter.SetDeclarePrototype(
      {"procedure Fail(Code:Integer);Index 2;", "function Unknown:Integer;Index 9;", "procedure Print(Text:String);Index 1;"});
  EXPECT_EQ(Run("Print('a'); Fail(3); Print('b')"), "a!ホストのエラー 3");
  EXPECT_EQ(Run("Print(IntToStr(Unknown))"), "!ホストのエラー -1");
  EXPECT_EQ(Run("Fail(0); Print('fine')"), "fine");
}

TEST_F(InterpreterTest, EachRunDropsTheScriptsOwnDeclarations) {
  EXPECT_EQ(Run("var x: integer; begin x := 1 end"), "");
  EXPECT_EQ(Run("var x: integer; begin Print(IntToStr(x)) end"), "0");
  interpreter.SetDeclarePrototype({"procedure Print(Text:String);Index 1;", "function copy:integer;"});
  EXPECT_EQ(Run("Print('x')"), "!手続き/関数の重複宣言[:]");
  interpreter.SetDeclarePrototype({"procedure Print(Text:String);Index 1;"});
  EXPECT_EQ(Run("Print('back')"), "back");
}

TEST_F(InterpreterTest, SystemConstants) {
  interpreter.AddIntConst("stage2", true, 1);
  interpreter.AddIntConst("Counter2", false, 5);
  interpreter.AddStrConst("Name", Sjis("名前"));
  EXPECT_EQ(ErrorOf([&] { interpreter.AddIntConst("STAGE2", true, 0); }), "変数/定数名の重複定義[STAGE2]");
  EXPECT_EQ(ErrorOf([&] { interpreter.AddStrConst("true", ""); }), "変数/定数名の重複定義[true]");

  EXPECT_EQ(Run("Counter2 := Counter2 + stage2; Print(IntToStr(Counter2) + Name)"), "6名前");
  EXPECT_EQ(Run("Print(IntToStr(Counter2))"), "6"); // system entries survive runs
  EXPECT_EQ(Run("stage2 := 3"), "!読取専用オブジェクトには代入できません[stage2]");
  EXPECT_EQ(Run("Print(IntToStr(stage))"), "!変数または関数は定義されていません[stage]");

  EXPECT_TRUE(interpreter.SetIntVar("Stage2", 3));
  EXPECT_FALSE(interpreter.SetIntVar("Name", 3));
  EXPECT_FALSE(interpreter.SetIntVar("stage", 3));
  Run("var mine: integer; begin end");
  EXPECT_FALSE(interpreter.SetIntVar("mine", 3));
  EXPECT_EQ(Run("Print(IntToStr(stage2))"), "3");
}

TEST_F(InterpreterTest, HostBoundVariables) {
  interpreter.AddObject("Bound", ScriptType::Integer, 4, false);
  EXPECT_EQ(Run("Bound := 5; Print(IntToStr(Bound + 1))"), "6");
  EXPECT_EQ(host.events, (std::vector<std::string>{"Bound:write:4", "Bound:read:4"}));
  EXPECT_EQ(Run("Bound := 99"), "!ホストのエラー 7");
}

TEST_F(InterpreterTest, StopFromTheEventHook) {
  host.onProcessMessages = [&] {
    if (host.processMessagesCalls == 3) {
      EXPECT_TRUE(interpreter.Stop());
    }
  };
  // Hook calls: the main block, then one per round of the loop.
  EXPECT_EQ(Run("while 1 do Print('x'); Print('never')"), "x");
  EXPECT_FALSE(interpreter.Running());
  EXPECT_FALSE(interpreter.Stop());
  EXPECT_EQ(Utf8FromShiftJis(TPoorPascal::StopMessage()), "実行を中断しました");
  // The next run starts afresh.
  host.onProcessMessages = nullptr;
  EXPECT_EQ(Run("Print('again')"), "again");
}

TEST_F(InterpreterTest, PauseWaitsUntilStopOrResume) {
  bool sawPaused = false;
  host.onProcessMessages = [&] {
    if (!interpreter.Paused()) return;
    sawPaused = true;
    if (host.processMessagesCalls == 10) interpreter.Stop();
  };
  EXPECT_EQ(Run("Print('a'); Pause; Print('b')"), "a");
  EXPECT_TRUE(sawPaused);
  EXPECT_EQ(host.events, std::vector<std::string>{"pause"});
  EXPECT_EQ(host.processMessagesCalls, 10);

  host.onProcessMessages = [&] { interpreter.Resume(); };
  EXPECT_EQ(Run("Print('a'); Pause; Print('b')"), "a|b");
}

TEST_F(InterpreterTest, RunCannotBeReentered) {
  host.onProcessMessages = [&] { interpreter.Run(); };
  EXPECT_EQ(Run("Print('a')"), "!スクリプトはすでに実行中です");
  EXPECT_FALSE(interpreter.Running());
}

TEST_F(InterpreterTest, InterpretersRunSideBySide) {
  ScriptTestHost otherHost;
  TPoorPascal other(otherHost);
  other.SetDeclarePrototype(ScriptTestHost::Prototypes());
  std::string otherResult;
  host.onProcessMessages = [&] {
    if (otherResult.empty()) otherResult = RunScript(other, otherHost, "var x: integer; begin x := 7; Print(IntToStr(x)) end");
  };
  EXPECT_EQ(Run("var x: integer; begin x := 1; Print(IntToStr(x)) end"), "1");
  EXPECT_EQ(otherResult, "7");
}

TEST_F(InterpreterTest, DeepNestingEndsWithItsOwnError) {
  const auto nested = [](int depth, const std::string& open, const std::string& inner, const std::string& close) {
    std::string text;
    for (int i = 0; i < depth; ++i) text += open;
    text += inner;
    for (int i = 0; i < depth; ++i) text += close;
    return text;
  };
  EXPECT_EQ(Run("var i: integer; begin i := " + nested(300, "(", "1", ")") + "; Print(IntToStr(i)) end"), "1");
  EXPECT_EQ(Run("var i: integer; begin i := " + nested(5000, "(", "1", ")") + " end"), "!入れ子が深すぎます");
  EXPECT_EQ(Run(nested(5000, "begin ", "Print('x')", " end")), "!入れ子が深すぎます");
  EXPECT_EQ(Run(nested(5000, "if 1 then ", "Print('x')", "")), "!入れ子が深すぎます");
  EXPECT_EQ(Run("Print(" + nested(5000, "Trim(", "'x'", ")") + ")"), "!入れ子が深すぎます");
  EXPECT_EQ(Run("var i: integer; begin i := " + nested(5000, "-", "1", "") + " end"), "!入れ子が深すぎます");
}

TEST_F(InterpreterTest, LongScripts) {
  std::string script = "var x: integer; begin\n";
  for (int i = 0; i < 20000; ++i) script += "x := x + 1;\n";
  script += "Print(IntToStr(x)) end";
  EXPECT_EQ(Run(script), "20000");
  std::string sum = "1";
  for (int i = 0; i < 20000; ++i) sum += " + 1";
  EXPECT_EQ(Run("var x: integer; begin x := " + sum + "; Print(IntToStr(x)) end"), "20001");
}

// A literal left open runs to the end of the text; the texts built from it are
// tokenized again, so its blanks follow the text around it.
TEST_F(InterpreterTest, UnterminatedLiteral) {
  EXPECT_EQ(Run("Print('abc"), "'abc !文法エラーです[]");
  EXPECT_EQ(Run("var s: string; begin s := 'x\nPrint(s) end"), "!endがありません[Block]");
}

TEST(DefaultHost, BehavesAsAHostThatHandlesNothing) {
  TPoorPascal interpreter;
  interpreter.SetDeclarePrototype({"function Value:Integer;", "function Text:String;"});
  interpreter.SetSource({"var i: integer; s: string;", "begin", "i := Value + 1; s := Text + InputBox('c', 'p', 'd');",
                         "if (i <> 1) or (s <> 'd') then i := 1 div 0", "end"});
  EXPECT_NO_THROW(interpreter.Run());
}

} // namespace
} // namespace zt::script::test
