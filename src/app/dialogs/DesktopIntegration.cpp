#include "app/dialogs/DesktopIntegration.h"

#include "app/dialogs/XdgFolders.h"
#include "document/ProductInfo.h"
#include "formats/FileError.h"
#include "formats/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace zt {
namespace {

constexpr const char* kOpenAction = "openbyzarnotoolpp";

// One argument of an Exec line: quoted, with the characters that are special
// inside quotes escaped, "%" doubled, and backslashes escaped once more for
// the desktop file's own string rules.
QString ExecArgument(const QString& argument) {
  QString quoted;
  for (const QChar c : argument) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    quoted += c;
  }
  quoted.replace('%', "%%");
  quoted.replace('\\', "\\\\");
  return '"' + quoted + '"';
}

// Files of the desktop's own formats end their lines with LF: their readers
// would take a CR as part of the value.
bool WriteIfDifferent(const QString& path, const QString& text) {
  const QByteArray wanted = text.toUtf8();
  QFile existing(path);
  if (existing.open(QIODevice::ReadOnly) && existing.readAll() == wanted) return false;
  WriteFileAtomically(path.toStdString(), std::string_view(wanted.constData(), static_cast<std::size_t>(wanted.size())));
  return true;
}

QString MimeText() {
  return QString(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
             "  <mime-type type=\"%1\">\n"
             "    <comment>Zarno Tool++ データファイル</comment>\n"
             "    <glob pattern=\"*.zpp\"/>\n"
             "  </mime-type>\n"
             "</mime-info>\n")
      .arg(DesktopIntegration::kMimeType);
}

} // namespace

DesktopIntegration::Locations DesktopIntegration::ForThisUser() {
  return {XdgDataHome(), QString(), QCoreApplication::applicationFilePath()};
}

void DesktopIntegration::RunInstalledTool(const QString& program, const QStringList& arguments) {
  const QString path = QStandardPaths::findExecutable(program);
  if (path.isEmpty()) return;
  QProcess process;
  process.start(path, arguments);
  process.waitForFinished(10000);
}

DesktopIntegration::DesktopIntegration(Locations locations, ToolRunner runner)
    : locations_(std::move(locations)), runner_(std::move(runner)) {}

QString DesktopIntegration::MimeFilePath() const {
  return locations_.dataHome + "/mime/packages/zarnotool-project.xml";
}

QString DesktopIntegration::DesktopEntryPath() const { return locations_.dataHome + "/applications/zarnotoolpp.desktop"; }

QString DesktopIntegration::LauncherText(bool withFileTypes) const {
  const QString exec = ExecArgument(locations_.executable) + (withFileTypes ? " %f" : "");
  QString text = QString("[Desktop Entry]\n"
                         "Type=Application\n"
                         "Name=%1\n"
                         "Comment[ja]=Zarnoを作成するツールです。\n"
                         "Exec=%2\n"
                         "Terminal=false\n")
                     .arg(kProductName, exec);
  if (!withFileTypes) return text;
  text += QString("MimeType=%1;\n"
                  "Categories=Development;\n"
                  "Actions=%2;\n"
                  "\n"
                  "[Desktop Action %2]\n"
                  "Name=Zarno Tool++で開く\n"
                  "Exec=%3\n")
              .arg(kMimeType, kOpenAction, exec);
  return text;
}

bool DesktopIntegration::AssociateProjectFiles() const {
  for (const QString& path : {MimeFilePath(), DesktopEntryPath()}) QDir().mkpath(QFileInfo(path).absolutePath());
  bool written = WriteIfDifferent(MimeFilePath(), MimeText());
  written = WriteIfDifferent(DesktopEntryPath(), LauncherText(true)) || written;
  if (written) {
    runner_("update-mime-database", {locations_.dataHome + "/mime"});
    runner_("update-desktop-database", {locations_.dataHome + "/applications"});
  }
  return written;
}

QString DesktopIntegration::DesktopFolder() const {
  return locations_.desktopFolder.isEmpty() ? UserDesktopFolder() : locations_.desktopFolder;
}

QString DesktopIntegration::ShortcutPath() const { return DesktopFolder() + "/" + kShortcutName; }

bool DesktopIntegration::CreateDesktopShortcut() const {
  // The desktop folder is not created: a launcher in a folder the desktop
  // does not show would be reported as made although nobody sees it.
  const QString path = ShortcutPath();
  try {
    WriteIfDifferent(path, LauncherText(false));
  } catch (const FileError&) {
    return false;
  }
  QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup |
                                  QFile::ExeOther);
  return QFileInfo::exists(path);
}

} // namespace zt
