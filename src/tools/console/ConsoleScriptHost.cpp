#include "tools/console/ConsoleScriptHost.h"

#include "document/Cp932Codec.h"
#include "tools/console/core/ProgramLauncher.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <utility>

namespace zt::console {
namespace {

// Short enough for the window to feel live, long enough to cost little.
constexpr auto kEventInterval = std::chrono::milliseconds(10);

} // namespace

ConsoleScriptHost::ConsoleScriptHost(StageDocument& doc, MapViewHooks hooks, ConsoleDesktop& desktop)
    : MapScriptHost(doc), hooks_(std::move(hooks)), desktop_(desktop) {}

bool ConsoleScriptHost::Stop() {
  if (sleeping_) sleeping_->quit();
  return interpreter().Stop();
}

void ConsoleScriptHost::ProcessMessages() {
  if (interpreter().Paused()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return;
  }
  if (std::chrono::steady_clock::now() - lastEvents_ >= kEventInterval) ProcessEventsNow();
}

void ConsoleScriptHost::ProcessEventsNow() {
  QCoreApplication::processEvents();
  lastEvents_ = std::chrono::steady_clock::now();
}

std::string ConsoleScriptHost::InputBox(std::string_view caption, std::string_view prompt,
                                        std::string_view defaultText) {
  const auto entered =
      desktop_.InputBox(Utf8FromShiftJis(caption), Utf8FromShiftJis(prompt), Utf8FromShiftJis(defaultText));
  return entered ? Sjis(*entered) : std::string(defaultText);
}

std::int64_t ConsoleScriptHost::MessageBox(std::string_view text, std::string_view caption, std::int64_t flags) {
  return desktop_.MessageBox(Utf8FromShiftJis(text), Utf8FromShiftJis(caption), flags);
}

std::int64_t ConsoleScriptHost::Exec(std::string_view path, std::string_view cmdLine, bool wait) {
  return ExecCommandLine(path, cmdLine, wait, [this] { ProcessEventsNow(); });
}

// The desktop's opener takes no parameters for the file, so cmdLine is not used.
std::int64_t ConsoleScriptHost::Shell(std::string_view path, std::string_view) {
  return desktop_.OpenWithDesktop(Utf8FromShiftJis(path)) ? kShellOpened : kShellFailed;
}

void ConsoleScriptHost::Sleep(std::int64_t milliseconds) {
  if (milliseconds <= 0) return;
  QEventLoop loop;
  QTimer::singleShot(static_cast<int>(std::min<std::int64_t>(milliseconds, INT_MAX)), &loop, &QEventLoop::quit);
  sleeping_ = &loop;
  loop.exec();
  sleeping_ = nullptr;
}

void ConsoleScriptHost::Display() {
  if (hooks_.redraw) hooks_.redraw();
}

void ConsoleScriptHost::ShowMessage(std::string_view message) { desktop_.ShowMessage(Utf8FromShiftJis(message)); }

void ConsoleScriptHost::SetScrollPosition(int x, int y) {
  if (hooks_.scrollTo) hooks_.scrollTo(x, y);
}

} // namespace zt::console
