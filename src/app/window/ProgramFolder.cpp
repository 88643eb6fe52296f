#include "app/window/ProgramFolder.h"

#include "formats/FileError.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdlib>
#include <unistd.h>

namespace zt {
namespace {

std::string Home() {
  const char* home = std::getenv("ZARNOTOOL_HOME");
  if (!home || !*home) return {};
  std::string folder = home;
  if (folder.back() != '/') folder += '/';
  return folder;
}

} // namespace

std::string ProgramFolder() {
  const std::string home = Home();
  if (!home.empty()) return home;
  return QCoreApplication::applicationDirPath().toStdString() + "/";
}

std::string ConfigurationPath() {
  const std::string home = Home();
  if (!home.empty()) return home + "zarnotool.ini";
  const QFileInfo executable(QCoreApplication::applicationFilePath());
  return (executable.path() + "/" + executable.completeBaseName() + ".ini").toStdString();
}

void EnterFolder(const std::string& folder) {
  if (::chdir(folder.c_str()) != 0) throw FileError("フォルダに移動できません: " + folder);
}

} // namespace zt
