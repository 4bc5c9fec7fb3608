#include "platform/DownloadFolder.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/UserFolders_posix.h"

#include <sstream>

namespace platform {

namespace {

// The line XDG_DOWNLOAD_DIR="$HOME/Downloads" of the user folders file, which xdg-user-dirs
// writes: an absolute path or one under $HOME; empty when the file names none.
std::string NamedDownloadFolder(const std::string& home) {
    const std::string config = ConfigHome();
    std::string text;
    if (config.empty() || ReadWholeFile(config + "/user-dirs.dirs", text) != ReadStatus::Ok) {
        return {};
    }
    std::istringstream lines(text);
    const std::string key = "XDG_DOWNLOAD_DIR=\"";
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(key, 0) != 0 || line.size() < key.size() + 1 || line.back() != '"') {
            continue;
        }
        const std::string value = line.substr(key.size(), line.size() - key.size() - 1);
        if (value.rfind("$HOME", 0) == 0) {
            return home + value.substr(5);
        }
        return value.rfind('/', 0) == 0 ? value : std::string();
    }
    return {};
}

} // namespace

std::string DownloadFolder() {
    const std::string home = HomeFolder();
    const std::string named = NamedDownloadFolder(home);
    const std::string folder = !named.empty() && DirectoryExists(named) ? named : home;
    return folder.empty() ? folder : WithTrailingSeparator(folder);
}

} // namespace platform
