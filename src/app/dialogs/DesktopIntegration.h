#pragma once
// Registers project files (".zpp") with the desktop and puts a launcher for
// the program on the user's desktop, through the freedesktop.org files: a
// shared MIME type, a desktop entry and a launcher file.

#include <QString>
#include <QStringList>

#include <functional>

namespace zt {

class DesktopIntegration {
 public:
  struct Locations {
    QString dataHome;      // where mime/packages and applications live
    QString desktopFolder; // empty: asked of the system when first needed
    QString executable;    // absolute path of the program
  };
  // Runs a desktop database tool when it is installed; failures are ignored.
  using ToolRunner = std::function<void(const QString& program, const QStringList& arguments)>;

  static constexpr const char* kMimeType = "application/x-zarnotool-project";
  static constexpr const char* kShortcutName = "ZarnoTool++.desktop";

  // The current user's folders and this program.
  static Locations ForThisUser();
  static void RunInstalledTool(const QString& program, const QStringList& arguments);

  explicit DesktopIntegration(Locations locations, ToolRunner runner = RunInstalledTool);

  // Writes the MIME type of ".zpp" files and the program's desktop entry,
  // each only when it is missing or differs from what it should be, and then
  // refreshes the desktop's databases. Returns whether anything was written.
  // Throws FileError when a file cannot be written.
  bool AssociateProjectFiles() const;

  QString DesktopFolder() const;
  QString ShortcutPath() const;
  // Writes the launcher onto the desktop; true when the file exists afterwards.
  bool CreateDesktopShortcut() const;

  QString MimeFilePath() const;
  QString DesktopEntryPath() const;

 private:
  QString LauncherText(bool withFileTypes) const;

  Locations locations_;
  ToolRunner runner_;
};

} // namespace zt
