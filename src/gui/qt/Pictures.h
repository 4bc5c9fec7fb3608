// The pictures of the image lists that buttons and the tray menu show, and the program's icon.
#pragma once

#include "dialogs/Layout.h"

#include <QIcon>

namespace qtface {

QIcon PictureIcon(dialogs::Picture picture);

// The program's own icon, for the tray and the windows.
QIcon ApplicationIcon();

} // namespace qtface
