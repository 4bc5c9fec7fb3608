// The pictures of the image lists (16 x 16, transparent), drawn once, and the program's icon.
#pragma once

#include "dialogs/Layout.h"

#include <windows.h>

#include <commctrl.h>

namespace win32face {

// A 32-bit bitmap with transparency, as menus take it; nullptr for Picture::None.
HBITMAP PictureBitmap(dialogs::Picture picture);
// An image list holding that one picture, as buttons take it; nullptr for Picture::None.
HIMAGELIST PictureImageList(dialogs::Picture picture);

// The program's icon in a size (pixels), from its resources.
HICON ApplicationIcon(int size);

} // namespace win32face
