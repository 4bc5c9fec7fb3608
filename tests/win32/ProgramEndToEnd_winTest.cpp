// Tippomat.exe as a user meets it, under Wine: the hotkey and a key start a binding; a second
// start ends at once; the tray menu's "Beenden" and the end of the session end it with its
// bounds saved; the stored drive mode holds from the start.
#include "win32/ProgramFixture_win.h"

#include "platform/WinText.h"
#include "support/KeyInput_win.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

#include <windows.h>

using testing_support::ChildProcess;
using testing_support::Eventually;
using testing_support::PressKeys;
using testing_support::ProgramEndToEndTest;
using testing_support::ReadBytes;
using testing_support::WaitForContent;

namespace {

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
