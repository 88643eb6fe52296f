// The console window in a running event loop: its text, the run and stop
// cycle, pauses, errors, and opening and saving programs.

#include "tools/console/ScriptConsole.h"

#include "document/Cp932Codec.h"
#include "document/StageDocument.h"
#include "support/TempDir.h"

#include <QElapsedTimer>
#include <QFontInfo>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace zt::console {
namespace {

using test::TempDir;

// Scripted file choices; records every message and error shown.
class FakeDesktop : public ConsoleDesktop {
 public:
  std::deque<std::string> opens, saves; // the next choices; cancel when empty
  std::vector<std::string> filters, messages, errors;
  std::function<void()> onMessage; // runs while a message is "shown"

  std::optional<std::string> OpenFile(const std::string& filter, const std::string&) override {
    return Next(filter, opens);
  }
  std::optional<std::string> SaveFile(const std::string& filter, const std::string&) override {
    return Next(filter, saves);
  }
  void ShowMessage(const std::string& text) override {
    messages.push_back(text);
    if (onMessage) onMessage();
  }
  void ShowError(const std::string& text) override { errors.push_back(text); }
  std::int64_t MessageBox(const std::string& text, const std::string&, std::int64_t) override {
    messages.push_back(text);
    return 1;
  }
  std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  bool OpenWithDesktop(const std::string&) override { return false; }

 private:
  std::optional<std::string> Next(const std::string& filter, std::deque<std::string>& queue) {
    filters.push_back(filter);
    if (queue.empty()) return std::nullopt;
    std::string next = queue.front();
    queue.pop_front();
    return next;
  }
};

const char* const kRun = "実行(&E)";
const char* const kStop = "実行終了";
const char* const kStopped = "実行を中断しました";
// Runs until stopped; the message shows that it started.
const char* const kEndless = "var i: integer;\nbegin\n  ShowMessage('start');\n  while True do i := i + 1;\nend";

class ScriptConsoleTest : public ::testing::Test {
 protected:
  ScriptConsoleTest() {
    doc.stageType = StageType::FourStage;
    auto fake = std::make_unique<FakeDesktop>();
    desktop = fake.get();
    MapViewHooks hooks;
    hooks.redraw = [this] { ++redraws; };
    hooks.scrollTo = [this](int x, int y) { scrolls.push_back({x, y}); };
    console = std::make_unique<ScriptConsole>(doc, hooks, nullptr, std::move(fake));
    console->show();
  }

  QString Caption() { return console->button1().text(); }
  void SetText(const std::string& utf8) { console->memo1().setPlainText(QString::fromStdString(utf8)); }
  std::string Text() { return console->memo1().toPlainText().toStdString(); }
  // Clicks the run button and calls `action` from the event loop shortly
  // after the script showed its first message, while the run goes on.
  void ClickAndWhileRunning(const std::function<void()>& action) {
    bool scheduled = false;
    desktop->onMessage = [&] {
      if (!scheduled) QTimer::singleShot(50, console.get(), action);
      scheduled = true;
    };
    console->Button1Click();
    desktop->onMessage = nullptr;
  }

  StageDocument doc;
  FakeDesktop* desktop;
  int redraws = 0;
  std::vector<std::pair<int, int>> scrolls;
  std::unique_ptr<ScriptConsole> console;
};

TEST_F(ScriptConsoleTest, TheWindowAsItOpens) {
  EXPECT_EQ(console->windowTitle(), "Exec");
  EXPECT_EQ(Caption(), kRun);
  EXPECT_EQ(Text(), "//Poor Pascal(Project PPA参照\n"
                    "//procedure SetMapValue(x,y,stage:integer,moji:string);\n"
                    "//function GetMapValue(x,y,stage):string;\n"
                    "//procedure Display();\n"
                    "//procedure ShowMessage(message:string);\n"
                    "//procedure SetScrollPosition(x,y:integer);\n"
                    "begin\n"
                    "\n"
                    "end");
  const QList<QAction*> menus = console->menuBar()->actions();
  ASSERT_EQ(menus.size(), 1);
  EXPECT_EQ(menus[0]->text(), "ファイル(&F)");
  const QList<QAction*> items = menus[0]->menu()->actions();
  ASSERT_EQ(items.size(), 2);
  EXPECT_EQ(items[0]->text(), "開く(&O)");
  EXPECT_EQ(items[1]->text(), "保存(&S)");
  EXPECT_TRUE(QFontInfo(console->memo1().font()).fixedPitch());

  console->Button1Click(); // the initial text does nothing
  EXPECT_EQ(Caption(), kRun);
  EXPECT_TRUE(desktop->messages.empty() && desktop->errors.empty());
  EXPECT_FALSE(doc.modified());
}

TEST_F(ScriptConsoleTest, AScriptDrawsDisplaysAndScrolls) {
  doc.currentStage = 1;
  SetText("begin\n  SetMapValue(3, 29, stage, 'B');\n  Display;\n  SetScrollPosition(500, -3);\n"
          "  ShowMessage(GetMapValue(3, 29, stage2))\nend");
  console->Button1Click();
  EXPECT_EQ(Caption(), kRun);
  EXPECT_TRUE(desktop->errors.empty());
  EXPECT_EQ(desktop->messages, std::vector<std::string>{"B"});
  EXPECT_EQ(TileCodeToChar(doc.stages[1].at(3, 29)), 'B');
  EXPECT_EQ(redraws, 1);
  EXPECT_EQ(scrolls, (std::vector<std::pair<int, int>>{{179, 0}}));
  EXPECT_TRUE(doc.modified());
}

TEST_F(ScriptConsoleTest, TheStopButtonEndsARunningScript) {
  SetText(kEndless);
  bool sawRunning = false;
  ClickAndWhileRunning([&] {
    sawRunning = console->Running() && Caption() == kStop;
    console->button1().click();
  });
  EXPECT_TRUE(sawRunning);
  EXPECT_FALSE(console->Running());
  EXPECT_EQ(Caption(), kRun);
  EXPECT_EQ(desktop->messages, std::vector<std::string>{"start"});
  EXPECT_EQ(desktop->errors, std::vector<std::string>{kStopped});

  SetText("ShowMessage('again')");
  console->Button1Click();
  EXPECT_EQ(desktop->messages, (std::vector<std::string>{"start", "again"}));
}

TEST_F(ScriptConsoleTest, AClickWhileRunningNeverStartsASecondRun) {
  SetText(kEndless);
  ClickAndWhileRunning([&] {
    SetText("ShowMessage('second')");
    console->button1().click();
  });
  EXPECT_EQ(desktop->messages, std::vector<std::string>{"start"});
  EXPECT_EQ(desktop->errors, std::vector<std::string>{kStopped});
}

TEST_F(ScriptConsoleTest, APauseWaitsForTheStopButton) {
  SetText("ShowMessage('before'); Pause; ShowMessage('after')");
  std::vector<std::string> seenWhilePaused;
  ClickAndWhileRunning([&] {
    seenWhilePaused = desktop->messages;
    console->button1().click();
  });
  EXPECT_EQ(seenWhilePaused, std::vector<std::string>{"before"});
  EXPECT_EQ(desktop->messages, std::vector<std::string>{"before"});
  EXPECT_EQ(desktop->errors, std::vector<std::string>{kStopped});
  EXPECT_EQ(Caption(), kRun);
}

TEST_F(ScriptConsoleTest, TheStopButtonEndsASleepAtOnce) {
  SetText("ShowMessage('start'); Sleep(60000); ShowMessage('after')");
  QElapsedTimer clock;
  clock.start();
  ClickAndWhileRunning([&] { console->button1().click(); });
  EXPECT_LT(clock.elapsed(), 10000);
  EXPECT_EQ(desktop->messages, std::vector<std::string>{"start"});
  EXPECT_EQ(Caption(), kRun);
}

TEST_F(ScriptConsoleTest, ClosingTheWindowStopsTheScriptQuietly) {
  SetText(kEndless);
  ClickAndWhileRunning([&] { console->close(); });
  EXPECT_FALSE(console->Running());
  EXPECT_FALSE(console->isVisible());
  EXPECT_TRUE(desktop->errors.empty());
  EXPECT_EQ(Caption(), kRun);
}

TEST_F(ScriptConsoleTest, AfterAnErrorTheNextClickOnlyResetsTheCaption) {
  SetText("begin\n  ShowMessage('ran');\n  x := 1\nend");
  console->Button1Click();
  EXPECT_EQ(desktop->errors, std::vector<std::string>{"文法エラーです[x]"});
  EXPECT_EQ(Caption(), kStop);
  EXPECT_FALSE(console->Running());

  console->Button1Click();
  EXPECT_EQ(Caption(), kRun);
  EXPECT_EQ(desktop->messages.size(), 1u); // nothing ran
  EXPECT_EQ(desktop->errors.size(), 1u);

  console->Button1Click();
  EXPECT_EQ(desktop->messages.size(), 2u);
  EXPECT_EQ(desktop->errors.size(), 2u);
}

TEST_F(ScriptConsoleTest, OpenAndSaveShiftJisFiles) {
  const TempDir dir;
  const std::string filter = "PPAファイル(*.ppa)|*.ppa|全てのファイル(*.*)|*.*";
  dir.Write("in.ppa", Sjis("begin\r\n  ShowMessage('日本語の表示')\r\nend\r\n"));
  desktop->opens.push_back(dir.file("in.ppa"));
  console->Open1Click();
  EXPECT_EQ(Text(), "begin\n  ShowMessage('日本語の表示')\nend");

  SetText("// 保存する\nbegin\nend");
  desktop->saves.push_back(dir.file("saved")); // typed without an extension
  console->Save1Click();
  EXPECT_EQ(dir.Read("saved"), Sjis("// 保存する\r\nbegin\r\nend\r\n"));
  EXPECT_FALSE(dir.Exists("saved.ppa"));
  EXPECT_EQ(desktop->filters, (std::vector<std::string>{filter, filter}));

  console->Open1Click(); // cancelled
  console->Save1Click();
  EXPECT_EQ(Text(), "// 保存する\nbegin\nend");
  EXPECT_TRUE(desktop->errors.empty());
}

TEST_F(ScriptConsoleTest, AFileThatFailsLeavesTheTextAsItWas) {
  const TempDir dir;
  SetText("begin end");
  desktop->opens.push_back(dir.file("missing.ppa"));
  console->Open1Click();
  desktop->saves.push_back(dir.file("no/such/folder/x.ppa"));
  console->Save1Click();
  EXPECT_EQ(Text(), "begin end");
  ASSERT_EQ(desktop->errors.size(), 2u);
  EXPECT_NE(desktop->errors[0].find("missing.ppa"), std::string::npos);
  EXPECT_NE(desktop->errors[1].find("x.ppa"), std::string::npos);
}

TEST_F(ScriptConsoleTest, TellsWhenTheTextBoxHasTheFocus) {
  console->Present();
  ASSERT_TRUE(QTest::qWaitForWindowActive(console.get()));
  console->memo1().setFocus();
  EXPECT_TRUE(console->TextHasFocus());
  console->button1().setFocus();
  EXPECT_FALSE(console->TextHasFocus());
}

} // namespace
} // namespace zt::console
