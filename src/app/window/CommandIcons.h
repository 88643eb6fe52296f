#pragma once

#include "app/window/Command.h"

#include <QIcon>

namespace zt {

// The 16 x 16 picture of a toolbar command; an empty icon for the others.
QIcon CommandIcon(Command command);
// The undo arrow turned the other way.
QIcon RedoIcon();

} // namespace zt
