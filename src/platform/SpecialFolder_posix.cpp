#include "platform/SpecialFolder.h"

#include "platform/Paths.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace platform {

namespace {

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    const passwd* entry = ::getpwuid(::getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

// The XDG base directory rules: a relative XDG_CONFIG_HOME is invalid and ignored.
std::string ConfigHome() {
    if (const char* config = std::getenv("XDG_CONFIG_HOME");
        config != nullptr && config[0] == '/') {
        return config;
    }
    const std::string home = HomeFolder();
    return home.empty() ? home : WithTrailingSeparator(home) + ".config";
}

} // namespace

std::string GetSpecialFolder(int folder) {
    if (folder != kCsidlAppData) {
        return {};
    }
    const std::string path = ConfigHome();
    return path.empty() ? path : WithTrailingSeparator(path);
}

} // namespace platform
