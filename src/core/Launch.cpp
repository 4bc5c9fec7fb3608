#include "core/Launch.h"

#include "config/LaunchTable.h"
#include "core/Starter.h"
#include "platform/Drive.h"
#include "platform/ErrorMode.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/VersionInfo.h"

namespace core {

namespace {

bool Start(const std::string& file, const std::string& directory, const std::string& params,
           const LaunchSettings& settings) {
    return StartProgram({file, params, directory, settings.AdminMode, settings.AdminUserName,
                         settings.AdminPassword});
}

// Tries the path on every fixed and network drive from A to Z; the first start that works ends
// the search.
LaunchOutcome SearchDrives(const std::string& path, const std::string& directory,
                           const std::string& params, const LaunchSettings& settings) {
    const platform::ScopedCriticalErrorsOff noDriveDialogs;
    const size_t colon = path.find(':');
    for (const std::string& drive : platform::FixedAndNetworkDrives()) {
        const std::string candidate =
            colon == std::string::npos ? path : drive + path.substr(colon + 1);
        if (platform::FileExists(candidate) && Start(candidate, directory, params, settings)) {
            return {true, candidate};
        }
    }
    return {};
}

} // namespace

LaunchOutcome LaunchPath(std::string path, std::string workDir, const std::string& params,
                         const LaunchSettings& settings, const std::string& programPath) {
    if (platform::Trim(path).empty()) {
        return {};
    }
    const std::string own = platform::DriveText(programPath);
    if (platform::DriveText(path).empty()) {
        path = own + path;
    }
    if (!workDir.empty() && platform::DriveText(workDir).empty()) {
        workDir = own + workDir;
    }
    // Run from a share, the program has no drive letter to put in: the share would replace
    // the path's first characters and no binding would start.
    if (settings.DriveMode == kDriveModeProgramDrive && platform::IsDriveLetter(own)) {
        config::ReplaceDrivePrefix(path, own);
    }
    if (platform::DirectoryExists(path) || platform::FileExists(path)) {
        // A start that fails is no start: the popup stays up and tells nothing.
        return {Start(path, workDir, params, settings), path};
    }
    if (settings.DriveMode == kDriveModeSearch) {
        return SearchDrives(path, workDir, params, settings);
    }
    return {};
}

std::string GetProductName(const std::string& file) {
    if (!platform::FileExists(file)) {
        throw ProductNameError("The file " + file + " does not exist");
    }
    const auto strings = platform::ReadVersionStrings(file);
    if (!strings) {
        throw ProductNameError("File contains no version information");
    }
    return strings->productName;
}

// The ".exe" test comes first, so a folder named "x.exe" is told as a started program.
std::string StartNotice(const std::string& storedPath, const std::string& startedPath) {
    if (platform::ExtensionOf(storedPath) == ".exe") {
        try {
            return "Gestartet: " + GetProductName(storedPath);
        } catch (const ProductNameError&) {
            return "Gestartet: " + startedPath;
        }
    }
    if (platform::DirectoryExists(storedPath)) {
        return "Geöffnet: " + storedPath;
    }
    return "Gestartet: " + storedPath;
}

} // namespace core
