#include "platform/Drive.h"

#include "platform/FileSystem.h"
#include "platform/MountTable_posix.h"

namespace platform {

std::string DriveText(std::string_view) {
    return {};
}

DriveType DriveTypeOf(const std::string&) {
    return DriveType::NoRootDir;
}

// A container's bind-mounted files (/etc/hosts) stand in the table too; only folders are drives.
std::vector<std::string> SwitchableDrives() {
    std::string table;
    if (ReadWholeFile("/proc/self/mounts", table) != ReadStatus::Ok) {
        return {};
    }
    std::vector<std::string> drives;
    for (std::string& mountPoint : SwitchableMountPoints(table)) {
        if (DirectoryExists(mountPoint)) {
            drives.push_back(std::move(mountPoint));
        }
    }
    return drives;
}

bool SwitchDrivePrefix(std::string& path, std::string_view from, std::string_view to) {
    return SwitchMountPointPrefix(path, from, to);
}

} // namespace platform
