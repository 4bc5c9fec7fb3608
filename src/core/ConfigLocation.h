// Where the configuration lives: <application data>/Orvanta/<base name>/<base name>.ini.
#pragma once

#include <string>

namespace core {

// The configuration folder for a program file, from the application-data folder; an empty
// application-data folder gives a folder under the root of the current drive.
std::string ConfigFolderFor(const std::string& appDataFolder, const std::string& programPath);
std::string IniPathFor(const std::string& configFolder, const std::string& programPath);

// The running program's configuration folder, created with all missing parents. A folder that
// cannot be created is not reported: later writes fail where they happen.
std::string BuildConfigFolder();

struct ConfigLocation {
    std::string ProgramPath;
    std::string ConfigFolder;
    std::string IniPath;
};

ConfigLocation ResolveConfigLocation();

} // namespace core
