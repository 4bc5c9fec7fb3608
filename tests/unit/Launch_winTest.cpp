// Starting programs through the Windows shell under Wine: verbs, parameters, working
// directory, the drive modes on mapped drive letters and version resources.
#include "core/Launch.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/WinText.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

using core::LaunchPath;
using core::LaunchSettings;
using testing_support::TestFolder;
using testing_support::WaitForContent;
using testing_support::WriteBytes;

namespace {

// Drives mapped by tests/wine/map-drives.sh: L: a CD-ROM drive, M: and N: fixed drives; each
// holds app\markprog.exe.
constexpr const char* kProgramOnM = "M:\\Tippomat\\Tippomat.exe";

void SetClassCommand(const std::wstring& key, const std::wstring& command) {
    HKEY handle = nullptr;
    RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                    nullptr);
    RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                   static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
}

class WindowsLaunchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing_support::SetEnvironment("TIPPOMAT_MARK", mark_);
        const std::wstring program = L"\"" + platform::Wide(TIPPOMAT_MARK_PROGRAM) + L"\"";
        SetClassCommand(L".tmk", L"tippomat.testfile");
        SetClassCommand(L"tippomat.testfile\\shell\\open\\command", program + L" open \"%1\"");
        SetClassCommand(L"tippomat.testfile\\shell\\runas\\command", program + L" runas \"%1\"");
        SetClassCommand(L"Folder\\shell\\open\\command", program + L" folder \"%1\"");
        // Wine opens folders through a DDE conversation with its explorer, which the mark
        // program does not answer: the start would be told as failed.
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Folder\\shell\\open\\ddeexec");
    }

    core::LaunchOutcome Launch(const std::string& path, int driveMode,
                               const std::string& workDir = "", const std::string& params = "",
                               bool admin = false) {
        LaunchSettings settings;
        settings.DriveMode = driveMode;
        settings.AdminMode = admin;
        return LaunchPath(path, workDir, params, settings, kProgramOnM);
    }

    std::string Mark(const std::string& needle = "") { return WaitForContent(mark_, needle); }

    TestFolder folder_;
    std::string mark_ = folder_.Path("mark.txt");
};

// A binding's start leaves the keyboard where it is; what the user asked to see comes up in
// front (SW_SHOWNA 8, SW_SHOW 5, SW_SHOWNORMAL 1).
TEST_F(WindowsLaunchTest, ShowCommandFollowsWhatTheStartIsFor) {
    const std::pair<platform::Showing, std::string> cases[] = {
        {platform::Showing::Unactivated, "show=8\n"},
        {platform::Showing::Activated, "show=5\n"},
        {platform::Showing::Normal, "show=1\n"},
    };
    for (const auto& [showing, mark] : cases) {
        ASSERT_TRUE(platform::ShellOpen(TIPPOMAT_MARK_PROGRAM, "", "", showing));
        EXPECT_NE(Mark(mark).find(mark), std::string::npos) << Mark();
    }
}

TEST_F(WindowsLaunchTest, ParametersAndWorkingDirectoryArePassedUnchanged) {
    const std::string folder = folder_.Path("Ordner mit Blanks ü");
    CreateDirectoryW(platform::Wide(folder).c_str(), nullptr);
    const std::string program = folder + "\\markprog.exe";
    CopyFileW(platform::Wide(TIPPOMAT_MARK_PROGRAM).c_str(), platform::Wide(program).c_str(),
              FALSE);
    const std::string params = "-a \"b c\"  ü 'd'";
    ASSERT_TRUE(Launch(program, 1, folder, params));
    const std::string mark = Mark();
    EXPECT_NE(mark.find("cwd=" + folder + "\n"), std::string::npos) << mark;
    EXPECT_NE(mark.find(" " + params + "\n"), std::string::npos) << mark;
}

// Run from a share there is no drive letter to put in: mode 0 leaves the path's drive alone.
TEST_F(WindowsLaunchTest, ModeZeroFromANetworkShareKeepsTheDrive) {
    LaunchSettings settings;
    settings.DriveMode = 0;
    ASSERT_TRUE(
        LaunchPath("M:\\app\\markprog.exe", "", "", settings, "\\\\server\\share\\Tippomat.exe"));
    EXPECT_NE(Mark().find("self=M:\\app\\markprog.exe"), std::string::npos);
}

TEST_F(WindowsLaunchTest, OpenVerbForDocumentsAndFoldersRunasInAdminMode) {
    const std::string document = folder_.Path("brief.tmk");
    WriteBytes(document, "x");
    ASSERT_TRUE(Launch(document, 1));
    EXPECT_NE(Mark("open").find(" open \"" + document + "\""), std::string::npos);
    ASSERT_TRUE(Launch(folder_.Path(), 1));
    EXPECT_NE(Mark("folder").find(" folder \""), std::string::npos);
    ASSERT_TRUE(Launch(document, 1, "", "", true));
    EXPECT_NE(Mark("runas").find(" runas \"" + document + "\""), std::string::npos);
}

// Wine asks no one, so a document without a "runas" verb stands for the answer "No".
TEST_F(WindowsLaunchTest, RefusedElevationIsNoStart) {
    const std::string document = folder_.Path("ohne.tmq");
    WriteBytes(document, "x");
    EXPECT_FALSE(Launch(document, 1, "", "", true));
}

TEST_F(WindowsLaunchTest, ModeZeroPutsTheProgramDriveFirst) {
    ASSERT_TRUE(Launch("N:\\app\\markprog.exe", 0));
    EXPECT_NE(Mark().find("self=M:\\app\\markprog.exe"), std::string::npos);
    EXPECT_FALSE(Launch("N:\\nowhere-on-m\\markprog.exe", 0)) << "no search in mode 0";
    EXPECT_FALSE(Launch("\\\\srv\\share\\x.exe", 0)) << "becomes M:srv\\share\\x.exe";
}

TEST_F(WindowsLaunchTest, ModeOneUsesThePathAsStored) {
    const core::LaunchOutcome outcome = Launch("N:\\app\\markprog.exe", 1);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome.startedPath, "N:\\app\\markprog.exe");
    EXPECT_NE(Mark().find("self=N:\\app\\markprog.exe"), std::string::npos);
    EXPECT_FALSE(Launch("Q:\\app\\markprog.exe", 1)) << "a letter that names no drive";
    EXPECT_FALSE(Launch("Q:\\app\\markprog.exe", 7)) << "unknown modes act as mode 1";
}

TEST_F(WindowsLaunchTest, ModeTwoSearchesFixedDrivesInLetterOrderAndRestoresErrorMode) {
    SetErrorMode(SEM_NOGPFAULTERRORBOX);
    const core::LaunchOutcome outcome = Launch("Q:\\app\\markprog.exe", 2);
    EXPECT_EQ(GetErrorMode(), static_cast<UINT>(SEM_NOGPFAULTERRORBOX));
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome.startedPath, "M:\\app\\markprog.exe") << "L: is a CD-ROM drive";
    EXPECT_NE(Mark().find("self=M:\\app\\markprog.exe"), std::string::npos);
    EXPECT_FALSE(Launch("Q:\\app\\nothing.exe", 2));
    EXPECT_EQ(GetErrorMode(), static_cast<UINT>(SEM_NOGPFAULTERRORBOX));
    EXPECT_EQ(Launch("app\\markprog.exe", 1).startedPath, "M:app\\markprog.exe")
        << "a relative path gets the program's drive";
}

TEST_F(WindowsLaunchTest, ProductNameAndNotice) {
    EXPECT_EQ(core::GetProductName(TIPPOMAT_MARK_PROGRAM), "Tippomat Testprogramm");
    EXPECT_EQ(core::StartNotice(TIPPOMAT_MARK_PROGRAM, TIPPOMAT_MARK_PROGRAM),
              "Gestartet: Tippomat Testprogramm");
    EXPECT_THROW(core::GetProductName(platform::ProgramFilePath()), core::ProductNameError)
        << "the test program has no version information";
    const std::string copy = folder_.Path("plain.exe");
    CopyFileW(platform::Wide(platform::ProgramFilePath()).c_str(), platform::Wide(copy).c_str(),
              FALSE);
    EXPECT_EQ(core::StartNotice(copy, "M:\\started.exe"), "Gestartet: M:\\started.exe");
}

} // namespace
