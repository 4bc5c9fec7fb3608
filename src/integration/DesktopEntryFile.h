// What an application's desktop entry (a .desktop file) starts: its command, working folder and
// icon, as a launcher reads them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace integration {

struct DesktopEntryLaunch {
    std::vector<std::string> command; // the program, then its arguments
    std::string workingDirectory;     // the Path key; empty when it has none
    std::string icon;                 // a theme icon's name or an icon file's path
};

// The "[Desktop Entry]" group of an application entry. The Exec line is split by the
// desktop-entry rules; its field codes (%f, %U, %i, ...) are left out, since a launcher hands
// the program no files. Nothing for another type of entry, a missing or malformed Exec line.
std::optional<DesktopEntryLaunch> ReadDesktopEntryLaunch(std::string_view text);

} // namespace integration
