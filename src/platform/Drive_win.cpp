#include "platform/Drive.h"

#include "platform/WinText.h"

#include <windows.h>

namespace platform {

std::string DriveText(std::string_view path) {
    return WindowsDriveText(path);
}

DriveType DriveTypeOf(const std::string& drive) {
    switch (GetDriveTypeW(Wide(drive).c_str())) {
    case DRIVE_NO_ROOT_DIR:
        return DriveType::NoRootDir;
    case DRIVE_REMOVABLE:
        return DriveType::Removable;
    case DRIVE_FIXED:
        return DriveType::Fixed;
    case DRIVE_REMOTE:
        return DriveType::Remote;
    case DRIVE_CDROM:
        return DriveType::CdRom;
    case DRIVE_RAMDISK:
        return DriveType::RamDisk;
    default:
        return DriveType::Unknown;
    }
}

std::vector<std::string> SwitchableDrives() {
    return FixedAndNetworkDrives();
}

bool SwitchDrivePrefix(std::string& path, std::string_view from, std::string_view to) {
    return SwitchDriveLetterPrefix(path, from, to);
}

} // namespace platform
