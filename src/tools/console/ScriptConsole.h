#pragma once
// The script console "Exec": a text box with a program of the script language,
// a run button and a menu to open and save the program. The program runs
// against the document; the window stays responsive while it runs, and the
// run button, which then reads "実行終了", stops it.
//
// The window is created once and lives as long as the main window; closing it
// only hides it (and stops a running script).

#include "tools/console/ConsoleScriptHost.h"

#include <QMainWindow>

#include <memory>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace zt {
class StageDocument;
}

namespace zt::console {

class ScriptConsole : public QMainWindow {
  Q_OBJECT

 public:
  // Without `desktop` the console shows Qt's dialogs.
  ScriptConsole(StageDocument& doc, MapViewHooks hooks, QWidget* parent = nullptr,
                std::unique_ptr<ConsoleDesktop> desktop = nullptr);
  ~ScriptConsole() override;

  // Shows the window in front of the others.
  void Present();
  bool Running() const { return host_.interpreter().Running(); }
  // Ends a running script at its next statement, without a message.
  void StopScript() { host_.Stop(); }
  // Whether the text box has the keyboard focus (keys then belong to it).
  bool TextHasFocus() const;

  // Runs the text box's program, or stops the running one.
  void Button1Click();
  void Open1Click();
  void Save1Click();

  QPlainTextEdit& memo1() { return *memo1_; }
  QPushButton& button1() { return *button1_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::vector<std::string> MemoLines() const; // Shift-JIS
  void SetMemoLines(const std::vector<std::string>& shiftJisLines);
  void RunProgram();

  std::unique_ptr<ConsoleDesktop> desktop_;
  ConsoleScriptHost host_;
  QPlainTextEdit* memo1_;
  QPushButton* button1_;
  std::string lastPath_; // UTF-8; the file opened or saved last
};

} // namespace zt::console
