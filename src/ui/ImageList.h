// The pictures of the hub's image list, shared by its buttons and the tray menu:
// 0 minimise, 1 information, 2 help, 3 drive, 4 edit list, 5 install, 6 admin, 7 appearance,
// 8 end program.
#pragma once

#include <QIcon>

namespace ui {

QIcon HubImage(int index);

// The program's own icon, for the tray and the windows.
QIcon ApplicationIcon();

} // namespace ui
