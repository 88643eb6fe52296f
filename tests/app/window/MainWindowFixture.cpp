#include "MainWindowFixture.h"

#include "app/window/StageCommands.h"

#include <QDir>
#include <QFile>

namespace zt::test {
namespace {

// The runtime files the build places beside the executables.
void CopyRuntimeFiles(const std::string& to) {
  const QString from = QString::fromUtf8(ZT_RUNTIME_DIR);
  QDir().mkpath(QString::fromStdString(to) + "html");
  for (const QString& name : QDir(from + "/html").entryList(QDir::Files))
    QFile::copy(from + "/html/" + name, QString::fromStdString(to) + "html/" + name);
  for (const char* name : {"header.htm", "footer.htm"})
    QFile::copy(from + "/" + name, QString::fromStdString(to) + name);
}

} // namespace

MainWindowFixture::MainWindowFixture() {
  CopyRuntimeFiles(home.dir());
  config = std::make_unique<AppConfig>(home.file("zarnotool.ini"), home.dir());
}

MainWindowFixture::~MainWindowFixture() = default;

MainWindow& MainWindowFixture::Window() {
  window.reset();
  window = std::make_unique<MainWindow>(*config, WindowServices{&dialogs, &files});
  return *window;
}

void MainWindowFixture::NewDocument(StageType type) {
  files.patterns.push_back(PatternPath());
  window->stageCommands().NewDocument(type);
}

} // namespace zt::test
