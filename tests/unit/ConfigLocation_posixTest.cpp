// Linux takes the application-data folder from XDG_CONFIG_HOME, else from the home folder.
#include "core/ConfigLocation.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(PosixConfigLocation, FolderIsUnderTheUsersConfigHome) {
    testing_support::TestFolder home;
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = savedConfig != nullptr ? savedConfig : "";
    const std::string base = platform::BaseNameOf(platform::ProgramFilePath());

    testing_support::SetEnvironment("XDG_CONFIG_HOME", home.Path("konfig"));
    core::ConfigLocation location = core::ResolveConfigLocation();
    EXPECT_EQ(location.ConfigFolder, home.Path("konfig/Orvanta/" + base) + "/");
    EXPECT_EQ(location.IniPath, home.Path("konfig/Orvanta/" + base + "/" + base + ".ini"));
    EXPECT_TRUE(platform::DirectoryExists(location.ConfigFolder));

    // A relative value is no valid base directory: the home folder's .config serves.
    const char* savedHome = std::getenv("HOME");
    const std::string home_ = savedHome != nullptr ? savedHome : "";
    testing_support::SetEnvironment("XDG_CONFIG_HOME", "relativ");
    testing_support::SetEnvironment("HOME", home.Path());
    location = core::ResolveConfigLocation();
    EXPECT_EQ(location.ConfigFolder, home.Path(".config/Orvanta/" + base) + "/");

    testing_support::SetEnvironment("HOME", home_);
    testing_support::SetEnvironment("XDG_CONFIG_HOME", saved);
}

} // namespace
