#include "config/LaunchTable.h"
#include "config/IniFile.h"
#include "platform/Drive.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

using config::LaunchFile;
using config::LaunchTable;
using testing_support::ReadBytes;
using testing_support::TestData;
using testing_support::TestFolder;
using testing_support::WriteBytes;

namespace {

constexpr const char* kHeader = "Drücke nun folgenden Buchstaben um das Programm zu starten:";

// The exact bytes of a saved table, built independently of the code under test.
std::string ExpectedSections(const std::string& pathA, const std::string& workDirA) {
    std::string text = "[Buchstaben]\r\n";
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string k(1, letter);
        const bool bound = letter == 'A';
        text += k + "=" + (bound ? pathA : "") + "\r\nV" + k + "=" + (bound ? workDirA : "") +
                "\r\nP" + k + "=\r\n";
    }
    text += "\r\n[Zahlen]\r\n";
    for (char digit = '0'; digit <= '9'; ++digit) {
        const std::string k(1, digit);
        text += k + "=\r\nV" + k + "=\r\nP" + k + "=\r\n";
    }
    text += "\r\n[Funktionstasten]\r\n";
    for (int n = 1; n <= 12; ++n) {
        const std::string k = std::to_string(n);
        text += "F" + k + "=\r\nV" + k + "=\r\nP" + k + "=\r\n";
    }
    return text + "\r\n";
}

LaunchTable Loaded(const LaunchFile& file) {
    LaunchTable table;
    config::LoadLaunchTable(table, file);
    return table;
}

class LaunchTableTest : public ::testing::Test {
  protected:
    TestFolder folder_;
    LaunchFile file_{folder_.Path("Runner.ini"), ""};
};

TEST_F(LaunchTableTest, SaveWritesAll144KeysInOrderAndLoadsBack) {
    WriteBytes(file_.path, "[Buchstaben]\r\nA=C:\\Tools\\editor.exe\r\nVA=C:\\Tools\r\n\r\n");
    LaunchTable table = Loaded(file_);
    ASSERT_TRUE(config::SaveLaunchTable(table, file_));
    const std::string bytes = ReadBytes(file_.path);
    const std::string mark = bytes.rfind("\xEF\xBB\xBF", 0) == 0 ? "\xEF\xBB\xBF" : "";
    EXPECT_EQ(bytes, mark + ExpectedSections("C:\\Tools\\editor.exe", "C:\\Tools"));

    table.SetSlot(47, "/bin/f12", "/tmp", "-a \"b c\"");
    ASSERT_TRUE(config::SaveLaunchTable(table, file_));
    const LaunchTable again = Loaded(file_);
    for (int i = 0; i < config::kSlotCount; ++i) {
        EXPECT_EQ(again.Slot(i).Path, table.Slot(i).Path) << i;
        EXPECT_EQ(again.Slot(i).WorkDir, table.Slot(i).WorkDir) << i;
        EXPECT_EQ(again.Slot(i).Params, table.Slot(i).Params) << i;
        EXPECT_EQ(again.Slot(i).Label, table.Slot(i).Label) << i;
    }
}

TEST_F(LaunchTableTest, OtherSectionsAreKeptInFront) {
    WriteBytes(file_.path, "[Zahlen]\r\n1=x\r\n\r\n[Hauptformular]\r\nkuerzel=Alt+F12\r\n\r\n"
                           "[Buchstaben]\r\nA=a\r\n\r\n[main]\r\nTop=5\r\n\r\n");
    ASSERT_TRUE(config::SaveLaunchTable(Loaded(file_), file_));
    const std::string bytes = ReadBytes(file_.path);
    EXPECT_EQ(bytes.find("[Hauptformular]\r\nkuerzel=Alt+F12\r\n\r\n[main]\r\nTop=5\r\n\r\n"
                         "[Buchstaben]\r\nA=a\r\n"),
              bytes.rfind("\xEF\xBB\xBF", 0) == 0 ? 3u : 0u);
}

TEST_F(LaunchTableTest, LabelsAndKeyListText) {
    LaunchTable table = Loaded(file_);
    EXPECT_EQ(table.KeyListText(), kHeader);
    EXPECT_EQ(table.Slot(0).Label, "A: ");
    EXPECT_EQ(table.Slot(31).Label, "5: ");
    EXPECT_EQ(table.Slot(47).Label, "F12: ");
    EXPECT_EQ(table.SlotIndexOfLabel("F1: "), 36);
    EXPECT_EQ(table.SlotIndexOfLabel("A:"), -1);
    EXPECT_EQ(table.SlotIndexOfLabel("a: "), -1);

    table.SetSlot(47, "C:\\f12.exe", "", "");
    table.BuildKeyListText();
    EXPECT_EQ(table.KeyListText(), std::string(kHeader) + "\r\nF12:  C:\\f12.exe");

    table.SetSlot(0, "C:\\Tools\\editor.exe", "", "");
    table.SetSlot(26, " \t ", "", "");
    table.SetSlot(27, " x ", "", "");
    table.BuildKeyListText();
    EXPECT_EQ(table.KeyListText(),
              std::string(kHeader) +
                  "\r\nA:  C:\\Tools\\editor.exe\r\n1:   x \r\nF12:  C:\\f12.exe");
}

TEST_F(LaunchTableTest, HandEditedFileLoadsWhateverTheCase) {
    const LaunchTable table = Loaded({TestData("hand-edited.ini"), ""});
    EXPECT_EQ(table.Slot(31).Path, "C:\\x.exe");
    EXPECT_EQ(table.Slot(31).WorkDir, "C:\\");
    EXPECT_EQ(table.Slot(0).Params, "-x") << "blanks around a value are lost";
    EXPECT_EQ(table.Slot(27).WorkDir, "") << "V1 of the function keys is not digit 1's";
    EXPECT_EQ(table.Slot(36).WorkDir, "C:\\f1");
    EXPECT_EQ(table.Slot(36).Params, "eins");
}

TEST_F(LaunchTableTest, GetSlotHidesMissingWorkingDirectoryOnly) {
    const std::string existing = folder_.Path();
    const std::string missing = folder_.Path("gone");
    LaunchTable table;
    table.SetSlot(3, "p", missing, "x");
    table.SetSlot(4, "q", existing, "");
    std::string path, workDir, params;
    table.GetSlot(3, path, workDir, params);
    EXPECT_EQ(path, "p");
    EXPECT_EQ(workDir, "");
    EXPECT_EQ(params, "x");
    EXPECT_EQ(table.Slot(3).WorkDir, missing);
    table.GetSlot(4, path, workDir, params);
    EXPECT_EQ(workDir, existing);
    for (int index : {-1, 48}) {
        table.GetSlot(index, path, workDir, params);
        EXPECT_TRUE(path.empty() && workDir.empty() && params.empty());
        table.SetSlot(index, "x", "y", "z");
    }
}

TEST_F(LaunchTableTest, LaunchDriveReplacesDriveLettersOnly) {
    WriteBytes(file_.path, "[Buchstaben]\r\nA=C:\\Tools\\editor.exe\r\nVA=C:\\Tools\r\n"
                           "B=\\\\srv\\share\\x.exe\r\n");
    const LaunchTable table = Loaded({file_.path, "E:"});
    EXPECT_EQ(table.Slot(0).Path, "E:\\Tools\\editor.exe");
    EXPECT_EQ(table.Slot(0).WorkDir, "E:\\Tools");
    EXPECT_EQ(table.Slot(1).Path, "\\\\srv\\share\\x.exe");
    EXPECT_EQ(table.Slot(2).Path, "");
    EXPECT_EQ(table.Slot(2).WorkDir, "");
}

TEST(ReplaceDrivePrefix, ReplacesWhateverStandsThere) {
    std::string path = "\\\\srv\\share\\x.exe";
    config::ReplaceDrivePrefix(path, "E:");
    EXPECT_EQ(path, "E:srv\\share\\x.exe");
    std::string shortPath = "C";
    config::ReplaceDrivePrefix(shortPath, "E:");
    EXPECT_EQ(shortPath, "E:");
    std::string unchanged = "C:\\x";
    config::ReplaceDrivePrefix(unchanged, "");
    EXPECT_EQ(unchanged, "C:\\x");
}

TEST_F(LaunchTableTest, FailedSaveLeavesFileAsItWas) {
    const LaunchFile nowhere{folder_.Path("missing-folder/x.ini"), ""};
    EXPECT_FALSE(config::SaveLaunchTable(LaunchTable(), nowhere));
    EXPECT_FALSE(platform::FileExists(nowhere.path));
}

// Portable mode uses the file beside the program and the drive the program runs from. The Wine
// suite also runs this from a mapped drive letter and names that drive in TIPPOMAT_EXPECT_DRIVE.
TEST(PortableMode, FileBesideProgramFollowsProgramDrive) {
    const std::string program = platform::ProgramFilePath();
    const LaunchFile file = config::LaunchFileFor(true, "unused.ini", program);
    EXPECT_EQ(file.path, platform::ChangeExtension(program, ".ini"));
    const char* expected = std::getenv("TIPPOMAT_EXPECT_DRIVE");
    EXPECT_EQ(file.launchDrive, expected != nullptr ? expected : platform::DriveText(program));
    EXPECT_EQ(config::LaunchFileFor(false, "user.ini", program).path, "user.ini");

    const std::string stored = "C:\\Tools\\editor.exe";
    WriteBytes(file.path, "[Buchstaben]\r\nA=" + stored + "\r\n");
    LaunchTable table = Loaded(file);
    EXPECT_EQ(table.Slot(0).Path,
              file.launchDrive.empty() ? stored : file.launchDrive + "\\Tools\\editor.exe");
    ASSERT_TRUE(config::SaveLaunchTable(table, file));
    EXPECT_EQ(config::IniFile(file.path).ReadString("Buchstaben", "A", ""), table.Slot(0).Path);
    std::remove(file.path.c_str());
}

} // namespace
