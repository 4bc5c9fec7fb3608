#include "core/ConfigLocation.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

namespace {

std::string Native(std::string path) {
    for (char& c : path) {
        if (c == '\\') {
            c = platform::PathSeparator();
        }
    }
    return path;
}

TEST(ConfigLocation, FolderAndFileFollowTheProgramName) {
    const std::string folder = core::ConfigFolderFor(Native("C:\\Users\\u\\AppData\\Roaming\\"),
                                                     Native("C:\\Tools\\Runner.exe"));
    EXPECT_EQ(folder, Native("C:\\Users\\u\\AppData\\Roaming\\Orvanta\\Runner\\"));
    EXPECT_EQ(core::IniPathFor(folder, Native("C:\\Tools\\Runner.exe")), folder + "Runner.ini");

    const std::string dotted = core::ConfigFolderFor(Native("\\data"), Native("\\x\\my.tool.exe"));
    EXPECT_EQ(dotted, Native("\\data\\Orvanta\\my.tool\\"));
    EXPECT_EQ(core::IniPathFor(dotted, Native("\\x\\my.tool.exe")), dotted + "my.tool.ini");
    EXPECT_EQ(core::ConfigFolderFor("", Native("\\x\\Tippomat")), Native("\\Orvanta\\Tippomat\\"));
}

TEST(ConfigLocation, RunningProgramsFolderIsCreated) {
    // The Windows suite runs in a private prefix; Linux has its own test of the exact folder.
    testing_support::TestFolder home;
    testing_support::SetEnvironment("XDG_CONFIG_HOME", home.Path());
    const core::ConfigLocation location = core::ResolveConfigLocation();
    EXPECT_TRUE(platform::DirectoryExists(location.ConfigFolder));
    EXPECT_EQ(platform::FileNameOf(location.IniPath),
              platform::BaseNameOf(location.ProgramPath) + ".ini");
    EXPECT_NE(location.ConfigFolder.find("Orvanta"), std::string::npos);
}

} // namespace
