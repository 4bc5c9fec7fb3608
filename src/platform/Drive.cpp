#include "platform/Drive.h"

#include "platform/ErrorMode.h"

namespace platform {

namespace {

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsSlash(char c) {
    return c == '\\' || c == '/';
}

std::string_view WithoutTrailingSlashes(std::string_view path) {
    while (!path.empty() && path.back() == '/') {
        path.remove_suffix(1);
    }
    return path;
}

} // namespace

std::string WindowsDriveText(std::string_view path) {
    if (path.size() >= 2 && IsLetter(path[0]) && path[1] == ':') {
        return std::string(path.substr(0, 2));
    }
    if (path.size() >= 2 && IsSlash(path[0]) && IsSlash(path[1])) {
        // Up to, not including, the separator after the share name.
        size_t separators = 0;
        size_t end = 2;
        while (end < path.size()) {
            if (IsSlash(path[end]) && ++separators == 2) {
                break;
            }
            ++end;
        }
        return std::string(path.substr(0, end));
    }
    return {};
}

bool IsDriveLetter(std::string_view drive) {
    return drive.size() == 2 && WindowsDriveText(drive) == drive;
}

std::vector<std::string> FixedAndNetworkDrives() {
    const ScopedCriticalErrorsOff noDriveDialogs;
    std::vector<std::string> drives;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        std::string drive{letter, ':'};
        const DriveType type = DriveTypeOf(drive);
        if (type == DriveType::Fixed || type == DriveType::Remote) {
            drives.push_back(std::move(drive));
        }
    }
    return drives;
}

bool SwitchDriveLetterPrefix(std::string& path, std::string_view from, std::string_view to) {
    if (path.compare(0, from.size(), from) != 0) {
        return false;
    }
    path = std::string(to) + path.substr(from.size());
    return true;
}

// The root "/" is compared as the empty prefix of an absolute path, so that /usr under / and
// /media/a/usr under /media/a both keep their separator.
bool SwitchMountPointPrefix(std::string& path, std::string_view from, std::string_view to) {
    if (from.empty()) {
        return SwitchDriveLetterPrefix(path, from, to);
    }
    const std::string_view mount = WithoutTrailingSlashes(from);
    const bool below = path.size() > mount.size() && path[mount.size()] == '/';
    if (path.compare(0, mount.size(), mount) != 0 || !(below || path.size() == mount.size()) ||
        path.empty()) {
        return false;
    }
    std::string switched = std::string(WithoutTrailingSlashes(to)) + path.substr(mount.size());
    path = switched.empty() ? "/" : std::move(switched);
    return true;
}

} // namespace platform
