// Drive letters and drive types, a Windows notion: on Linux every path has an empty drive text.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// "C:" for C:\Data, "\\server\share" for \\server\share\folder, otherwise empty; this is the
// rule on Windows, where DriveText applies it.
std::string WindowsDriveText(std::string_view path);

// The drive part of a path under the rules of the running platform.
std::string DriveText(std::string_view path);

enum class DriveType { Unknown, NoRootDir, Removable, Fixed, Remote, CdRom, RamDisk };

// The type of the drive of a drive text such as "C:".
DriveType DriveTypeOf(const std::string& drive);

} // namespace platform
