#include "app/dialogs/XdgFolders.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace zt {
namespace {

QString AbsoluteFolderFromEnvironment(const char* variable) {
  const QString value = qEnvironmentVariable(variable);
  return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : QString();
}

std::optional<QString> DesktopFromXdgUserDir() {
  const QString program = QStandardPaths::findExecutable("xdg-user-dir");
  if (program.isEmpty()) return std::nullopt;
  QProcess process;
  process.start(program, {"DESKTOP"});
  if (!process.waitForFinished(3000) || process.exitCode() != 0) return std::nullopt;
  const QString folder = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
  if (folder.isEmpty()) return std::nullopt;
  return folder;
}

std::optional<QString> DesktopFromUserDirsFile() {
  QString configHome = AbsoluteFolderFromEnvironment("XDG_CONFIG_HOME");
  if (configHome.isEmpty()) configHome = QDir::homePath() + "/.config";
  QFile file(configHome + "/user-dirs.dirs");
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return DesktopFolderFromUserDirs(QString::fromUtf8(file.readAll()), QDir::homePath());
}

} // namespace

QString XdgDataHome() {
  const QString fromEnvironment = AbsoluteFolderFromEnvironment("XDG_DATA_HOME");
  return fromEnvironment.isEmpty() ? QDir::homePath() + "/.local/share" : fromEnvironment;
}

QString UserDesktopFolder() {
  if (auto folder = DesktopFromXdgUserDir()) return *folder;
  if (auto folder = DesktopFromUserDirsFile()) return *folder;
  return QDir::homePath() + "/Desktop";
}

std::optional<QString> DesktopFolderFromUserDirs(const QString& contents, const QString& home) {
  const QString key = "XDG_DESKTOP_DIR=";
  for (const QString& rawLine : contents.split('\n')) {
    const QString line = rawLine.trimmed();
    if (!line.startsWith(key)) continue;
    QString value = line.mid(key.size());
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"')) value = value.mid(1, value.size() - 2);
    if (value.startsWith("$HOME")) value = home + value.mid(5);
    if (!QDir::isAbsolutePath(value)) return std::nullopt;
    return QDir::cleanPath(value);
  }
  return std::nullopt;
}

} // namespace zt
