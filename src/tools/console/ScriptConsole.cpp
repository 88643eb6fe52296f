#include "tools/console/ScriptConsole.h"

#include "document/Cp932Codec.h"
#include "formats/FileError.h"
#include "formats/TextFile.h"
#include "tools/console/QtConsoleDesktop.h"
#include "tools/script/ScriptError.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zt::console {
namespace {

constexpr const char* kRunCaption = "実行(&E)";
constexpr const char* kStopCaption = "実行終了";
constexpr const char* kScriptFilter = "PPAファイル(*.ppa)|*.ppa|全てのファイル(*.*)|*.*";

constexpr const char* kInitialText = "//Poor Pascal(Project PPA参照\n"
                                     "//procedure SetMapValue(x,y,stage:integer,moji:string);\n"
                                     "//function GetMapValue(x,y,stage):string;\n"
                                     "//procedure Display();\n"
                                     "//procedure ShowMessage(message:string);\n"
                                     "//procedure SetScrollPosition(x,y:integer);\n"
                                     "begin\n"
                                     "\n"
                                     "end";

} // namespace

ScriptConsole::ScriptConsole(StageDocument& doc, MapViewHooks hooks, QWidget* parent,
                             std::unique_ptr<ConsoleDesktop> desktop)
    : QMainWindow(parent),
      desktop_(desktop ? std::move(desktop) : std::make_unique<QtConsoleDesktop>(this)),
      host_(doc, std::move(hooks), *desktop_),
      memo1_(new QPlainTextEdit),
      button1_(new QPushButton(kRunCaption)) {
  setWindowFlag(Qt::Window);
  setWindowTitle("Exec");

  QMenu* file = menuBar()->addMenu("ファイル(&F)");
  connect(file->addAction("開く(&O)"), &QAction::triggered, this, &ScriptConsole::Open1Click);
  connect(file->addAction("保存(&S)"), &QAction::triggered, this, &ScriptConsole::Save1Click);

  auto* strip = new QWidget;
  auto* stripLayout = new QHBoxLayout(strip);
  stripLayout->setContentsMargins(4, 4, 4, 4);
  stripLayout->addWidget(button1_);
  stripLayout->addStretch();
  connect(button1_, &QPushButton::clicked, this, &ScriptConsole::Button1Click);

  memo1_->setObjectName("Memo1");
  memo1_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo1_->setPlainText(QString::fromUtf8(kInitialText));

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(strip);
  layout->addWidget(memo1_);
  setCentralWidget(central);
  resize(480, 360);
}

ScriptConsole::~ScriptConsole() = default;

void ScriptConsole::Present() {
  if (isMinimized()) showNormal();
  else show();
  raise();
  activateWindow();
}

bool ScriptConsole::TextHasFocus() const { return memo1_->hasFocus(); }

void ScriptConsole::Button1Click() {
  if (button1_->text() != kStopCaption) {
    RunProgram();
  } else if (host_.Stop()) {
    // The run, further down the stack, ends at its next statement and sets the caption back.
    desktop_->ShowError(Utf8FromShiftJis(script::TPoorPascal::StopMessage()));
  } else {
    button1_->setText(kRunCaption);
  }
}

// The interpreter processes events between statements, so a click on the
// button arrives here while the run is still going on.
void ScriptConsole::RunProgram() {
  button1_->setText(kStopCaption);
  try {
    host_.Run(MemoLines());
  } catch (const script::ScriptError& e) {
    // The caption stays "実行終了": the next click only sets it back.
    desktop_->ShowError(Utf8FromShiftJis(e.what()));
    return;
  } catch (const std::exception& e) {
    desktop_->ShowError(e.what());
    return;
  }
  button1_->setText(kRunCaption);
}

void ScriptConsole::Open1Click() {
  const auto path = desktop_->OpenFile(kScriptFilter, lastPath_);
  if (!path) return;
  try {
    SetMemoLines(ReadTextLines(*path));
  } catch (const FileError& e) {
    desktop_->ShowError(e.what());
    return;
  }
  lastPath_ = *path;
}

void ScriptConsole::Save1Click() {
  const auto path = desktop_->SaveFile(kScriptFilter, lastPath_);
  if (!path) return;
  try {
    WriteTextLines(*path, MemoLines());
  } catch (const FileError& e) {
    desktop_->ShowError(e.what());
    return;
  }
  lastPath_ = *path;
}

void ScriptConsole::closeEvent(QCloseEvent* event) {
  // A hidden script could not be stopped any more.
  if (Running()) host_.Stop();
  QMainWindow::closeEvent(event);
}

std::vector<std::string> ScriptConsole::MemoLines() const {
  std::vector<std::string> lines;
  for (const QString& line : memo1_->toPlainText().split('\n')) lines.push_back(Sjis(line.toStdString()));
  return lines;
}

void ScriptConsole::SetMemoLines(const std::vector<std::string>& shiftJisLines) {
  QStringList lines;
  for (const std::string& line : shiftJisLines) lines << QString::fromStdString(Utf8FromShiftJis(line));
  memo1_->setPlainText(lines.join('\n'));
}

} // namespace zt::console
