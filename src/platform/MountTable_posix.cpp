#include "platform/MountTable_posix.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace platform {

namespace {

constexpr std::array<std::string_view, 14> kNetworkFileSystems = {
    "nfs",  "nfs4", "cifs",      "smb3",  "smbfs",      "ncpfs",          "afs",
    "ceph", "9p",   "glusterfs", "davfs", "fuse.sshfs", "fuse.glusterfs", "fuse.rclone"};

// Snap and AppImage images are squashfs on loop devices: program files, not drives.
constexpr std::string_view kProgramImages = "squashfs";

bool IsOctal(char c) {
    return c >= '0' && c <= '7';
}

// The table writes blanks, tabs, newlines and backslashes as three octal digits (\040).
std::string Unescaped(const std::string& field) {
    std::string text;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field[i + 1]) &&
            IsOctal(field[i + 2]) && IsOctal(field[i + 3])) {
            text += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                      (field[i + 3] - '0'));
            i += 3;
        } else {
            text += field[i];
        }
    }
    return text;
}

bool IsSwitchable(const std::string& source, const std::string& type) {
    if (std::find(kNetworkFileSystems.begin(), kNetworkFileSystems.end(), type) !=
        kNetworkFileSystems.end()) {
        return true;
    }
    return source.rfind("/dev/", 0) == 0 && type != kProgramImages;
}

} // namespace

std::vector<std::string> SwitchableMountPoints(std::string_view mountTable) {
    std::vector<std::string> mountPoints;
    std::istringstream lines{std::string(mountTable)};
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string source, target, type;
        if (!(fields >> source >> target >> type) || !IsSwitchable(source, type)) {
            continue;
        }
        std::string mountPoint = Unescaped(target);
        if (std::find(mountPoints.begin(), mountPoints.end(), mountPoint) == mountPoints.end()) {
            mountPoints.push_back(std::move(mountPoint));
        }
    }
    return mountPoints;
}

} // namespace platform
