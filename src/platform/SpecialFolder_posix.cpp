#include "platform/SpecialFolder.h"

#include "platform/Paths.h"
#include "platform/UserFolders_posix.h"

namespace platform {

std::string GetSpecialFolder(int folder) {
    if (folder != kCsidlAppData) {
        return {};
    }
    const std::string path = ConfigHome();
    return path.empty() ? path : WithTrailingSeparator(path);
}

} // namespace platform
