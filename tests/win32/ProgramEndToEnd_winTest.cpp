// Tippomat.exe as a user meets it, under Wine: the hotkey and a key start a binding; a second
// start ends at once; the tray menu's "Beenden" and the end of the session end it with its
// bounds saved; the stored drive mode holds from the start.
#include "win32/ProgramFixture_win.h"

#include "gui/win32/PopupMenu.h"
#include "platform/WinText.h"
#include "support/KeyInput_win.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <psapi.h>

using testing_support::ChildProcess;
using testing_support::Eventually;
using testing_support::PressKeys;
using testing_support::ProgramEndToEndTest;
using testing_support::ReadBytes;
using testing_support::WaitForContent;

namespace {

// The full path of a DLL of that name loaded in a process; empty while there is none.
std::string LoadedModule(std::uint32_t processId, const wchar_t* name) {
    const HANDLE process =
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    HMODULE modules[512] = {};
    DWORD bytes = 0;
    std::string found;
    if (process != nullptr && K32EnumProcessModules(process, modules, sizeof modules, &bytes)) {
        for (DWORD i = 0; i < bytes / sizeof(HMODULE) && found.empty(); ++i) {
            wchar_t path[MAX_PATH] = {};
            K32GetModuleFileNameExW(process, modules[i], path, MAX_PATH);
            const wchar_t* base = wcsrchr(path, L'\\');
            if (base != nullptr && _wcsicmp(base + 1, name) == 0) {
                found = platform::Narrow(path);
            }
        }
    }
    if (process != nullptr) {
        CloseHandle(process);
    }
    return found;
}

TEST_F(ProgramEndToEndTest, HotkeyAndKeyStartTheBindingSecondStartEndsMenuEndsAndSaves) {
    std::unique_ptr<ChildProcess> first;
    const HWND window = Start(first);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window)) << "a start shows only the tray icon";

    ASSERT_NO_FATAL_FAILURE(ShowPopup(window));
    PressKeys({'K'});
    std::string mark = WaitForContent(mark_, "cmd=");
    EXPECT_NE(mark.find("cwd=" + workDir_ + "\n"), std::string::npos) << mark;
    EXPECT_NE(mark.find(" -a \"b c\"  d\n"), std::string::npos) << mark;
    EXPECT_TRUE(Eventually([&] { return !IsWindowVisible(window); })) << "hidden after a start";

    ASSERT_NO_FATAL_FAILURE(ShowPopup(window));
    PressKeys({VK_F1});
    mark = WaitForContent(mark_, "zwei drei");
    EXPECT_NE(mark.find(" eins \"zwei drei\"\n"), std::string::npos) << mark;

    ChildProcess second(program_, {});
    EXPECT_EQ(second.Wait(3), 0) << "a second copy hands over and ends";
    EXPECT_EQ(first->Wait(0), -1) << "the first copy runs on";

    // Its last entry is "Beenden".
    ASSERT_NO_FATAL_FAILURE(OpenTrayMenu(window));
    PressKeys({VK_UP});
    PressKeys({VK_RETURN});
    EXPECT_EQ(first->Wait(10), 0);
    const std::string ini = ReadBytes(ini_);
    EXPECT_NE(ini.find("[main]"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Width="), std::string::npos) << ini;
}

// A portable program runs from a download folder or a stick, where anyone may put a DLL. Wine
// takes its own DLLs first; told to take others first, it searches as Windows does.
TEST_F(ProgramEndToEndTest, HelpViewerBesideTheProgramIsNeverLoaded) {
    const wchar_t* overrides = L"Software\\Wine\\AppDefaults\\Tippomat.exe\\DllOverrides";
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, overrides, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegSetValueExW(key, L"hhctrl.ocx", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"native,builtin"),
                   sizeof L"native,builtin");
    RegCloseKey(key);
    CopyFileW(platform::Wide(TIPPOMAT_PLANTED_DLL).c_str(),
              platform::Wide(folder_.Path("Programme\\hhctrl.ocx")).c_str(), FALSE);
    testing_support::WriteBytes(folder_.Path("Programme\\TIPPOMAT.chm"), "");
    std::unique_ptr<ChildProcess> program;
    const HWND window = Start(program);
    ASSERT_NE(window, nullptr);
    const HWND info = OpenInfoDialog(window);
    ASSERT_NE(info, nullptr);
    ASSERT_TRUE(Eventually([&] { return GetForegroundWindow() == info; }));
    PressKeys({VK_F1}); // the first help request loads the viewer
    std::string viewer;
    EXPECT_TRUE(
        Eventually([&] { return !(viewer = LoadedModule(program->Id(), L"hhctrl.ocx")).empty(); }));
    EXPECT_EQ(viewer.find(folder_.Path("Programme")), std::string::npos) << viewer;
    PostMessageW(info, WM_CLOSE, 0, 0);
    EXPECT_TRUE(Eventually([&] { return !IsWindowVisible(info); }));
    PostMessageW(window, WM_COMMAND, win32face::PopupMenu::CommandId(core::MenuItem::Beenden1), 0);
    EXPECT_EQ(program->Wait(10), 0);
    RegDeleteTreeW(HKEY_CURRENT_USER, overrides);
}

TEST_F(ProgramEndToEndTest, PopupOptionsShowTheRunningCopysPopupInTheirMode) {
    std::unique_ptr<ChildProcess> first;
    const HWND window = Start(first);
    ASSERT_NE(window, nullptr);
    ChildProcess admin(program_, {"--admin-popup"});
    EXPECT_EQ(admin.Wait(10), 0);
    EXPECT_TRUE(Eventually([&] { return IsWindowVisible(window) != FALSE; }));
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    EXPECT_EQ(platform::Narrow(caption), "Start als Admin... ");

    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(Eventually([&] { return !IsWindowVisible(window); }));
    ChildProcess user(program_, {"--popup"});
    EXPECT_EQ(user.Wait(10), 0);
    ASSERT_TRUE(Eventually([&] { return GetForegroundWindow() == window; })) << "with the keyboard";
    PressKeys({'K'});
    EXPECT_NE(WaitForContent(mark_, "cmd=").find("cwd=" + workDir_ + "\n"), std::string::npos);
}

TEST_F(ProgramEndToEndTest, EndOfSessionSavesTheBoundsBeforeItReturns) {
    std::unique_ptr<ChildProcess> process;
    const HWND window = Start(process);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, 0), TRUE);
    SendMessageW(window, WM_ENDSESSION, TRUE, 0);
    EXPECT_NE(ReadBytes(ini_).find("[main]"), std::string::npos) << ReadBytes(ini_);
    EXPECT_EQ(process->Wait(10), 0);
}

// The drive mode chosen in the drive dialog holds from the start (M: and N: are fixed drives
// that hold app\markprog.exe; Q: does not exist; the program runs from Z:).
TEST_F(ProgramEndToEndTest, StoredDriveModeHoldsFromTheStart) {
    const auto startWithMode = [&](int mode, const std::string& binding) {
        testing_support::WriteBytes(ini_, "[Buchstaben]\r\nK=" + binding +
                                              "\r\n[laufwerksform]\r\nSektionVorhanden=1\r\n"
                                              "laufwerkmode=" +
                                              std::to_string(mode) +
                                              "\r\n[Check]\r\nWroteSuccesful=1\r\n");
        std::unique_ptr<ChildProcess> process;
        const HWND window = Start(process);
        ASSERT_NE(window, nullptr);
        ShowPopup(window);
        PressKeys({'K'});
        EXPECT_TRUE(Eventually([&] { return !IsWindowVisible(window); })) << mode;
        SendMessageW(window, WM_QUERYENDSESSION, 0, 0);
        SendMessageW(window, WM_ENDSESSION, TRUE, 0);
        EXPECT_EQ(process->Wait(10), 0);
    };
    startWithMode(2, "Q:\\app\\markprog.exe");
    EXPECT_NE(WaitForContent(mark_, "self=").find("self=M:\\app\\markprog.exe"), std::string::npos)
        << "found by the drive search";
    startWithMode(1, "N:\\app\\markprog.exe");
    EXPECT_NE(WaitForContent(mark_, "self=N:").find("self=N:\\app\\markprog.exe"),
              std::string::npos)
        << "started from its own drive";
}

} // namespace
