// What a save must never do to the user's file, on every platform.
#include "config/IniFile.h"
#include "config/LaunchTable.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using config::IniFile;
using config::LaunchFile;
using config::LaunchTable;
using testing_support::ReadBytes;
using testing_support::TestFolder;
using testing_support::WriteBytes;

namespace {

namespace fs = std::filesystem;

class SaveSafetyTest : public ::testing::Test {
  protected:
    TestFolder folder_;
    std::string path_ = folder_.Path("Runner.ini");
};

TEST_F(SaveSafetyTest, ReadOnlyFileIsNotReplacedAndTheSaveFails) {
    const std::string original = "[Buchstaben]\r\nA=C:\\old.exe\r\n\r\n";
    WriteBytes(path_, original);
    fs::permissions(fs::u8path(path_),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);

    IniFile ini(path_);
    ini.WriteString("Buchstaben", "A", "C:\\new.exe");
    EXPECT_FALSE(ini.UpdateFile());
    LaunchTable table;
    table.SetSlot(0, "C:\\new.exe", "", "");
    EXPECT_FALSE(config::SaveLaunchTable(table, LaunchFile{path_, ""}));
    EXPECT_EQ(ReadBytes(path_), original);
    fs::permissions(fs::u8path(path_), fs::perms::owner_write, fs::perm_options::add);
}

// An unreadable file is an error of its own: a save would otherwise drop what it holds.
TEST_F(SaveSafetyTest, UnreadableFileReachesTheCallerOfASave) {
    EXPECT_THROW(config::SaveLaunchTable(LaunchTable(), LaunchFile{folder_.Path(), ""}),
                 config::IniFileError);
}

// Code-page text whose bytes happen to be UTF-8 ("Ã¤" is C3 A4) must not come back as "ä".
TEST_F(SaveSafetyTest, CodePageTextThatLooksLikeUtf8ReadsBackUnchanged) {
    const std::string value = "C:\\Ã¤rger.exe";
    for (const std::string& start : {"[S]\r\nk=plain\r\n", "[S]\r\nk=\xE4rger\r\n"}) {
        WriteBytes(path_, start);
        IniFile ini(path_);
        ASSERT_EQ(ini.Encoding(), platform::TextEncoding::Ansi);
        ini.WriteString("S", "k", value);
        ASSERT_TRUE(ini.UpdateFile());
        EXPECT_EQ(IniFile(path_).ReadString("S", "k", ""), value);
    }
}

} // namespace
