#include "core/ConfigLocation.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/SpecialFolder.h"

namespace core {

using platform::WithTrailingSeparator;

std::string ConfigFolderFor(const std::string& appDataFolder, const std::string& programPath) {
    return WithTrailingSeparator(appDataFolder) + "Orvanta" + platform::PathSeparator() +
           platform::BaseNameOf(programPath) + platform::PathSeparator();
}

std::string IniPathFor(const std::string& configFolder, const std::string& programPath) {
    return WithTrailingSeparator(configFolder) +
           platform::ChangeExtension(platform::FileNameOf(programPath), ".ini");
}

std::string BuildConfigFolder() {
    const std::string folder = ConfigFolderFor(platform::GetSpecialFolder(platform::kCsidlAppData),
                                               platform::ProgramFilePath());
    if (!platform::DirectoryExists(folder)) {
        platform::CreateDirectories(folder.substr(0, folder.size() - 1));
    }
    return folder;
}

ConfigLocation ResolveConfigLocation() {
    ConfigLocation location;
    location.ProgramPath = platform::ProgramFilePath();
    location.ConfigFolder = BuildConfigFolder();
    location.IniPath = IniPathFor(location.ConfigFolder, location.ProgramPath);
    return location;
}

} // namespace core
