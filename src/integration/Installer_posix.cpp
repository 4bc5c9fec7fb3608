#include "integration/Installer.h"

#include "integration/DesktopEntry.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/ShellWords.h"
#include "platform/UserFolders_posix.h"

namespace integration {

const char* const shortcut_rules::kLinkExtension = ".desktop";

namespace {

// The desktop knows no desktop, quick-launch, send-to or start-menu folder of this kind.
std::string ShortcutFolder(ShortcutLocation location, const std::string& subFolder) {
    if (location == slFolder) {
        return subFolder;
    }
    if (location != slStartup || platform::ConfigHome().empty()) {
        return {};
    }
    const std::string autostart = platform::ConfigHome() + "/autostart";
    platform::CreateDirectories(autostart);
    return autostart;
}

} // namespace

bool CreateShortcut(const std::string& Target, ShortcutLocation Location,
                    const std::string& SubFolder, const std::string& WorkDir,
                    const std::string& Arguments, const std::string& Description,
                    std::string& LinkPath) {
    const std::string folder = ShortcutFolder(Location, SubFolder);
    if (folder.empty()) {
        return false;
    }
    const std::string linkName = shortcut_rules::LinkName(Target);
    LinkPath = shortcut_rules::LinkPath(folder, Location, SubFolder, linkName);

    DesktopEntry entry;
    entry.name = platform::BaseNameOf(linkName);
    entry.comment = Description;
    entry.command = {Target};
    for (std::string& word : platform::SplitShellWords(Arguments)) {
        entry.command.push_back(std::move(word));
    }
    entry.workingDirectory = shortcut_rules::WorkingDirectory(Target, WorkDir);
    return platform::ReplaceFileContent(LinkPath, DesktopEntryText(entry),
                                        platform::FileAccess::Shared);
}

} // namespace integration
