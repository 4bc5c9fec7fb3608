#include "platform/UserFolders_posix.h"

#include "platform/Paths.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace platform {

namespace {

std::string XdgFolder(const char* variable, const char* underHome) {
    if (const char* folder = std::getenv(variable); folder != nullptr && folder[0] == '/') {
        return folder;
    }
    const std::string home = HomeFolder();
    return home.empty() ? home : WithTrailingSeparator(home) + underHome;
}

} // namespace

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    const passwd* entry = ::getpwuid(::getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

std::string ConfigHome() {
    return XdgFolder("XDG_CONFIG_HOME", ".config");
}

std::string CacheHome() {
    return XdgFolder("XDG_CACHE_HOME", ".cache");
}

} // namespace platform
