#include "platform/DownloadFolder.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/WinText.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

namespace platform {

namespace {

std::string KnownFolder(REFKNOWNFOLDERID id) {
    wchar_t* path = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path)) && path != nullptr) {
        folder = Narrow(path);
    }
    CoTaskMemFree(path);
    return folder;
}

} // namespace

std::string DownloadFolder() {
    std::string folder = KnownFolder(FOLDERID_Downloads);
    if (folder.empty() || !DirectoryExists(folder)) {
        folder = KnownFolder(FOLDERID_Profile);
    }
    return folder.empty() ? folder : WithTrailingSeparator(folder);
}

} // namespace platform
