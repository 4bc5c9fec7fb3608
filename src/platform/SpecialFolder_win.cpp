#include "platform/SpecialFolder.h"

#include "platform/Paths.h"
#include "platform/WinText.h"

#include <windows.h>

#include <shlobj.h>

namespace platform {

std::string GetSpecialFolder(int folder) {
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator)) || allocator == nullptr) {
        return {};
    }
    std::string path;
    LPITEMIDLIST items = nullptr;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, folder, &items))) {
        wchar_t buffer[MAX_PATH] = {};
        if (SHGetPathFromIDListW(items, buffer)) {
            path = Narrow(buffer);
        }
        allocator->Free(items);
    }
    allocator->Release();
    return path.empty() ? path : WithTrailingSeparator(path);
}

} // namespace platform
