#include "config/FormStateFile.h"
#include "platform/FileSystem.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

using config::IniFile;
using config::WindowBounds;
using testing_support::ReadBytes;
using testing_support::TestFolder;
using testing_support::WriteBytes;

namespace {

class FormStateFileTest : public ::testing::Test {
  protected:
    TestFolder folder_;
    std::string ini_ = folder_.Path("Tippomat.ini");
    std::string backup_ = folder_.Path("Tippomat.bak");
};

TEST_F(FormStateFileTest, FirstStartHasNothingAndMakesNoBackup) {
    const config::FormStateSource source = config::OpenFormStateForLoad(ini_, "Hauptformular");
    EXPECT_FALSE(source.present);
    EXPECT_FALSE(platform::FileExists(backup_));
    EXPECT_FALSE(platform::FileExists(ini_));
}

TEST_F(FormStateFileTest, SaveMarksAndALoadRefreshesTheBackup) {
    IniFile ini = config::OpenFormStateForSave(ini_, "Hauptformular");
    ini.WriteString("Hauptformular", "kuerzel", "Alt+F12");
    ASSERT_TRUE(ini.UpdateFile());
    const std::string saved = ReadBytes(ini_);
    EXPECT_NE(saved.find("[Hauptformular]\r\nSektionVorhanden=1\r\nkuerzel=Alt+F12\r\n\r\n"
                         "[Check]\r\nWroteSuccesful=1\r\n\r\n"),
              std::string::npos);

    const config::FormStateSource source = config::OpenFormStateForLoad(ini_, "Hauptformular");
    EXPECT_TRUE(source.present);
    EXPECT_FALSE(config::OpenFormStateForLoad(ini_, "Admindata").present);
    EXPECT_EQ(ReadBytes(backup_), saved);
}

TEST_F(FormStateFileTest, UnmarkedFileIsReplacedByTheBackup) {
    WriteBytes(backup_, "[Check]\r\nWroteSuccesful=1\r\n\r\n[Admindata]\r\nSektionVorhanden=1\r\n"
                        "benutzername=admin\r\n\r\n");
    WriteBytes(ini_, "[Admindata]\r\nbenutzername=kaputt\r\n");
    const config::FormStateSource source = config::OpenFormStateForLoad(ini_, "Admindata");
    EXPECT_TRUE(source.present);
    EXPECT_EQ(source.ini.ReadString("Admindata", "benutzername", ""), "admin");
    EXPECT_EQ(ReadBytes(ini_), ReadBytes(backup_));
}

TEST_F(FormStateFileTest, UnmarkedFileWithoutBackupIsReadAsItIs) {
    WriteBytes(ini_, "[Admindata]\r\nSektionVorhanden=1\r\nbenutzername=x\r\n");
    const config::FormStateSource source = config::OpenFormStateForLoad(ini_, "Admindata");
    EXPECT_TRUE(source.present);
    EXPECT_EQ(source.ini.ReadString("Admindata", "benutzername", ""), "x");
}

TEST_F(FormStateFileTest, BoundsArePulledOntoThePrimaryScreen) {
    const WindowBounds current{219, 143, 6, 37};
    EXPECT_EQ(config::LoadWindowBounds(ini_, "main", current, 1920, 1080).left, 6);
    ASSERT_TRUE(config::SaveWindowBounds(ini_, "main", {5000, 10, -1200, 5000}));
    EXPECT_EQ(
        ReadBytes(ini_).find("[main]\r\nWidth=5000\r\nHeight=10\r\nLeft=-1200\r\nTop=5000\r\n"),
        ReadBytes(ini_).rfind("\xEF\xBB\xBF", 0) == 0 ? 3u : 0u);
    WindowBounds bounds = config::LoadWindowBounds(ini_, "main", current, 1920, 1080);
    EXPECT_EQ(bounds.width, 1888);
    EXPECT_EQ(bounds.height, 32);
    EXPECT_EQ(bounds.left, 0);
    EXPECT_EQ(bounds.top, 1048);
    ASSERT_TRUE(config::SaveWindowBounds(ini_, "main", {10, 100, 5000, -5}));
    bounds = config::LoadWindowBounds(ini_, "main", current, 1920, 60);
    EXPECT_EQ(bounds.width, 32);
    EXPECT_EQ(bounds.height, 28) << "a low screen wins over the minimum height";
    EXPECT_EQ(bounds.left, 1888);
    EXPECT_EQ(bounds.top, 0);
}

} // namespace
