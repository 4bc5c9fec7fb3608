// The pictures of the image lists that buttons and the tray menu show, the program's icon and
// the tray icon: ours (built into the program at 100, 150 and 200 % sizes), or the desktop
// theme's icon of the same meaning where the theme has one.
#pragma once

#include "dialogs/Layout.h"

#include <QIcon>

namespace qtface {

QIcon PictureIcon(dialogs::Picture picture);

// The program's own icon, for the windows.
QIcon ApplicationIcon();

// The icon in the notification area, drawn for its small size.
QIcon TrayPicture();

} // namespace qtface
