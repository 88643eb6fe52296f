#pragma once
// Where the desktop keeps per-user data and the user's desktop folder.

#include <QString>

#include <optional>

namespace zt {

// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
QString XdgDataHome();

// The user's desktop folder: what `xdg-user-dir DESKTOP` prints when that
// program exists, else the XDG_DESKTOP_DIR line of
// $XDG_CONFIG_HOME/user-dirs.dirs, else ~/Desktop.
QString UserDesktopFolder();

// The desktop folder named by the contents of a user-dirs.dirs file
// (`XDG_DESKTOP_DIR="$HOME/Desktop"`), with $HOME replaced by `home`;
// nullopt when the file does not name one.
std::optional<QString> DesktopFolderFromUserDirs(const QString& contents, const QString& home);

} // namespace zt
