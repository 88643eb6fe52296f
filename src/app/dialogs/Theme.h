#pragma once
// The four looks of the program's windows, chosen by name.

#include <QString>
#include <QStringList>

namespace zt {

// "Default", "OfficeXP", "Stripes", "Aluminum", in the order the options
// dialog lists them.
QStringList ThemeNames();

// Gives the whole application the look of the named theme ("Default" is the
// platform's own style and colours). A name that is not a theme gives
// "Default". Returns the name of the theme applied.
QString ApplyTheme(const QString& name);

} // namespace zt
