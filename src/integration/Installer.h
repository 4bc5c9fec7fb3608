// Shortcuts to a program: a shell link (.lnk) on Windows, a desktop entry on Linux; and the
// autostart entry of the running program.
#pragma once

#include <stdexcept>
#include <string>

namespace integration {

// Where a shortcut goes. On Linux only slStartup (the user's autostart folder) and slFolder
// name a folder.
enum ShortcutLocation : unsigned char {
    slDesktop = 0,
    slQuickLaunch = 1,
    slSendTo = 2,
    slStartMenu = 3,
    slFolder = 4, // SubFolder is the folder itself
    slStartup = 5,
};

class InstallerError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Creates the shortcut and sets LinkPath to its file; when the location names no folder,
// nothing is created and LinkPath stays as it was. True when the shortcut file was written.
// Throws InstallerError only when the system's shortcut object cannot be made.
bool CreateShortcut(const std::string& Target, ShortcutLocation Location,
                    const std::string& SubFolder, const std::string& WorkDir,
                    const std::string& Arguments, const std::string& Description,
                    std::string& LinkPath);

// A shortcut to ExeName in the user's Startup (autostart) folder, described by Title. Throws
// InstallerError unless the shortcut file is there afterwards.
void InstallAutostart(const std::string& Title, const std::string& ExeName);

// The rules both platforms share.
namespace shortcut_rules {

// The platform's extension for a shortcut file: ".lnk" or ".desktop".
extern const char* const kLinkExtension;

// The target's file name with its extension replaced by the platform's link extension.
std::string LinkName(const std::string& target);
// Folder + SubFolder + link name, the subfolder only outside slFolder.
std::string LinkPath(const std::string& folder, ShortcutLocation location,
                     const std::string& subFolder, const std::string& linkName);
// WorkDir, or else the target's folder with its trailing separator.
std::string WorkingDirectory(const std::string& target, const std::string& workDir);

} // namespace shortcut_rules

} // namespace integration
