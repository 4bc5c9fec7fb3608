// The pictures of the image lists (16 x 16 at 100 %, transparent), the program's icon and the
// tray icon, all from the icons in the resources, at the size the screen's scaling asks for.
#pragma once

#include "dialogs/Layout.h"

#include <windows.h>

#include <commctrl.h>

namespace win32face {

// A 32-bit bitmap with transparency, as menus take it; nullptr for Picture::None.
HBITMAP PictureBitmap(dialogs::Picture picture);
// The same from the stored size nearest to side (pixels), made anew for the caller to delete.
HBITMAP PictureBitmapAt(dialogs::Picture picture, int side);
// An image list holding that one picture, as buttons take it; nullptr for Picture::None.
HIMAGELIST PictureImageList(dialogs::Picture picture);

// The program's icon in a size (pixels), from its resources.
HICON ApplicationIcon(int size);
// The notification area's icon in a size (pixels).
HICON TrayIconPicture(int size);

} // namespace win32face
