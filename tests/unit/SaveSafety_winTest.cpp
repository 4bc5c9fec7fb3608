// A save keeps what the user set on the file; links count as what they point to.
#include "config/IniFile.h"
#include "platform/FileSystem.h"
#include "platform/WinText.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

using testing_support::TestFolder;
using testing_support::WriteBytes;

namespace {

TEST(SaveSafetyWin, SaveKeepsTheHiddenAttribute) {
    TestFolder folder;
    const std::string path = folder.Path("Runner.ini");
    WriteBytes(path, "[S]\r\nk=1\r\n");
    ASSERT_TRUE(SetFileAttributesW(platform::Wide(path).c_str(), FILE_ATTRIBUTE_HIDDEN));
    config::IniFile ini(path);
    ini.WriteInteger("S", "k", 2);
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_TRUE(GetFileAttributesW(platform::Wide(path).c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(config::IniFile(path).ReadInteger("S", "k", 0), 2);
}

// Wine 8 reports success for a symbolic link and makes none: these run where links exist.
bool MakeLink(const std::string& link, const std::string& target) {
    CreateSymbolicLinkW(platform::Wide(link).c_str(), platform::Wide(target).c_str(),
                        SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
    return GetFileAttributesW(platform::Wide(link).c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(SaveSafetyWin, LinksCountAsWhatTheyNameAndAreWrittenThrough) {
    TestFolder folder;
    const std::string dangling = folder.Path("dangling.ini");
    if (!MakeLink(dangling, folder.Path("nothing.ini"))) {
        GTEST_SKIP() << "this system makes no symbolic links";
    }
    EXPECT_FALSE(platform::FileExists(dangling));
    EXPECT_FALSE(platform::DirectoryExists(dangling));

    const std::string target = folder.Path("target.ini");
    const std::string link = folder.Path("Runner.ini");
    WriteBytes(target, "[S]\r\nk=1\r\n");
    ASSERT_TRUE(MakeLink(link, target));
    EXPECT_TRUE(platform::FileExists(link));
    config::IniFile ini(link);
    ini.WriteInteger("S", "k", 2);
    ASSERT_TRUE(ini.UpdateFile());
    EXPECT_TRUE(GetFileAttributesW(platform::Wide(link).c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);
    EXPECT_EQ(config::IniFile(target).ReadInteger("S", "k", 0), 2);
}

} // namespace
