// A save keeps what the user set on the file; links count as what they point to.
#include "config/IniFile.h"
#include "platform/FileSystem.h"
#include "platform/WinText.h"
#include "unit/TestFolder.h"

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

} // namespace
