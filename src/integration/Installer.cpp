#include "integration/Installer.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace integration {

namespace shortcut_rules {

std::string LinkName(const std::string& target) {
    return platform::ChangeExtension(platform::FileNameOf(target), kLinkExtension);
}

std::string LinkPath(const std::string& folder, ShortcutLocation location,
                     const std::string& subFolder, const std::string& linkName) {
    const char separator = platform::PathSeparator();
    if (!subFolder.empty() && location != slFolder) {
        return folder + separator + subFolder + separator + linkName;
    }
    return folder + separator + linkName;
}

std::string WorkingDirectory(const std::string& target, const std::string& workDir) {
    if (!workDir.empty()) {
        return workDir;
    }
    const std::string name = platform::FileNameOf(target);
    return target.substr(0, target.size() - name.size());
}

} // namespace shortcut_rules

// A missing Startup folder or a refused save would otherwise be reported as success.
void InstallAutostart(const std::string& Title, const std::string& ExeName) {
    std::string linkPath;
    const bool saved = CreateShortcut(ExeName, slStartup, "", "", "", Title, linkPath);
    if (!saved || !platform::FileExists(linkPath)) {
        throw InstallerError("the autostart shortcut was not written");
    }
}

} // namespace integration
