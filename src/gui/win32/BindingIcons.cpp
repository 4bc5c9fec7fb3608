#include "gui/win32/BindingIcons.h"

#include "integration/Com_win.h"
#include "platform/WinText.h"

#include <shellapi.h>

namespace win32face {

HIMAGELIST SmallSystemIcons() {
    SHFILEINFOW info{};
    return reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L".exe", FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                       SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES));
}

// A path that is not there (a drive not mapped now, a typing error) shows its type's icon by
// its extension.
int BindingIconIndex(const std::string& path) {
    if (path.empty()) {
        return -1;
    }
    const integration::ComScope com;
    const std::wstring wide = platform::Wide(path);
    const bool exists = GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES;
    SHFILEINFOW info{};
    if (SHGetFileInfoW(wide.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                       SHGFI_SYSICONINDEX | SHGFI_SMALLICON |
                           (exists ? 0 : SHGFI_USEFILEATTRIBUTES)) == 0) {
        return -1;
    }
    return info.iIcon;
}

} // namespace win32face
