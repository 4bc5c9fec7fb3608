// The user's download folder, as the desktop's user folders file names it.
#include "platform/DownloadFolder.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using testing_support::SetEnvironment;
using testing_support::TestFolder;
using testing_support::WriteBytes;

namespace {

TEST(DownloadFolder, IsTheNamedUserFolderWhileItExistsElseHome) {
    TestFolder home;
    const std::string savedHome = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string config = savedConfig != nullptr ? savedConfig : "";
    SetEnvironment("HOME", home.Path());
    SetEnvironment("XDG_CONFIG_HOME", home.Path("Einstellungen"));
    std::filesystem::create_directories(home.Path("Einstellungen"));
    EXPECT_EQ(platform::DownloadFolder(), home.Path() + "/") << "no user folders file";

    WriteBytes(home.Path("Einstellungen/user-dirs.dirs"),
               "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
               "XDG_DOWNLOAD_DIR=\"$HOME/Herunter geladen\"\n");
    EXPECT_EQ(platform::DownloadFolder(), home.Path() + "/") << "a missing folder";
    std::filesystem::create_directories(home.Path("Herunter geladen"));
    EXPECT_EQ(platform::DownloadFolder(), home.Path("Herunter geladen") + "/");

    WriteBytes(home.Path("Einstellungen/user-dirs.dirs"),
               "XDG_DOWNLOAD_DIR=\"" + home.Path("Einstellungen") + "\"\n");
    EXPECT_EQ(platform::DownloadFolder(), home.Path("Einstellungen") + "/") << "an absolute path";

    SetEnvironment("HOME", savedHome);
    SetEnvironment("XDG_CONFIG_HOME", config);
}

} // namespace
