// Drive letters and drive types, a Windows notion: on Linux every path has an empty drive text,
// and the drives the user may switch between are mount points.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// "C:" for C:\Data, "\\server\share" for \\server\share\folder, otherwise empty; this is the
// rule on Windows, where DriveText applies it.
std::string WindowsDriveText(std::string_view path);

// Only a drive letter can stand in for another; other drive texts would cut paths apart.
bool IsDriveLetter(std::string_view drive);

// The drive part of a path under the rules of the running platform.
std::string DriveText(std::string_view path);

enum class DriveType { Unknown, NoRootDir, Removable, Fixed, Remote, CdRom, RamDisk };

// The type of the drive of a drive text such as "C:".
DriveType DriveTypeOf(const std::string& drive);

// The fixed and network drive letters from A: to Z:, probed without system dialogs for drives
// without medium; none on Linux.
std::vector<std::string> FixedAndNetworkDrives();

// The drives a user may move bindings between: on Windows the fixed and network drive letters,
// on Linux the mount points of local disks, removable media and network file systems.
std::vector<std::string> SwitchableDrives();

// Puts to in place of the leading from of path, under the rules of the running platform; false,
// with path unchanged, when path does not begin with from.
bool SwitchDrivePrefix(std::string& path, std::string_view from, std::string_view to);

// Windows: the first as many characters as from has, compared exactly (c: is not C:).
bool SwitchDriveLetterPrefix(std::string& path, std::string_view from, std::string_view to);
// Linux: a mount point matches only up to a path-component boundary (/media/a is no prefix of
// /media/ab).
bool SwitchMountPointPrefix(std::string& path, std::string_view from, std::string_view to);

} // namespace platform
