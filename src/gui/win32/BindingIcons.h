// The icons that stand for what bindings start or open: the shell's own, from its small system
// image list.
#pragma once

#include <string>

#include <windows.h>

#include <commctrl.h>

namespace win32face {

// The shell's list of small icons; a list view shows it without owning it.
HIMAGELIST SmallSystemIcons();
// The index of the path's icon in that list: a program's own, a folder's, a document type's;
// -1 for an empty path or where the shell has none.
int BindingIconIndex(const std::string& path);

} // namespace win32face
