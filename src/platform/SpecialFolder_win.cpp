#include "platform/SpecialFolder.h"

#include "platform/Paths.h"
#include "platform/WinText.h"

#include <windows.h>

#include <shlobj.h>

namespace platform {

// Asked by number, not through the shell's item lists: those need COM, whose libraries would
// then load at every start.
std::string GetSpecialFolder(int folder) {
    wchar_t buffer[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, buffer)) ||
        buffer[0] == 0) {
        return {};
    }
    return WithTrailingSeparator(Narrow(buffer));
}

} // namespace platform
