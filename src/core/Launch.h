// Turning a binding into a started program or an opened folder.
#pragma once

#include <stdexcept>
#include <string>

namespace core {

// How drive letters are treated at launch.
enum DriveModes : int {
    kDriveModeProgramDrive = 0, // the path's drive is replaced by the program's drive
    kDriveModeAsStored = 1,     // unchanged (also every value not listed here)
    kDriveModeSearch = 2,       // unchanged, and if not found every fixed and network drive
};

// The values a start reads: written by the drive dialog, the launcher window's hotkeys and the
// admin dialog, read at every start. The program holds one set of them.
struct LaunchSettings {
    int DriveMode = kDriveModeProgramDrive;
    bool AdminMode = false;
    std::string AdminUserName;
    std::string AdminPassword;
};

struct LaunchOutcome {
    bool started = false;
    std::string startedPath; // the path that was found and started (after drive rules)
    explicit operator bool() const { return started; }
};

// Starts or opens a binding's path; started when the path exists and the start worked. A blank
// path starts nothing.
LaunchOutcome LaunchPath(std::string path, std::string workDir, const std::string& params,
                         const LaunchSettings& settings, const std::string& programPath);

class ProductNameError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// "ProductName" of the file's version information (empty when there is none); throws
// ProductNameError when the file is missing or has no version information.
std::string GetProductName(const std::string& file);

// The tray notice for a started binding: "Geöffnet: " and the folder, "Gestartet: " and the
// product name of an ".exe", or "Gestartet: " and the path. When the product name cannot be
// read, the path actually started is named: the start itself has worked.
std::string StartNotice(const std::string& storedPath, const std::string& startedPath);

} // namespace core
