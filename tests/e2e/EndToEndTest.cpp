// The program as a user meets it on an X desktop: start, hotkeys, keys, second starts and
// command-line options, other programs holding its keys, and how it ends.
#include "e2e/EndToEndFixture.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <sys/stat.h>

using testing_support::ChildProcess;
using testing_support::CommandOutput;
using testing_support::EndToEndTest;
using testing_support::Eventually;
using testing_support::PressXKeys;
using testing_support::TestFolder;
using testing_support::VisibleWindowNamed;
using testing_support::WaitForContent;

namespace {

TEST_F(EndToEndTest, StartupShowsOnlyTheTrayIcon) {
    Start();
    // Docking the icon in the tray host maps its window again; it comes back alone.
    EXPECT_TRUE(Eventually([] {
        return CommandOutput("xdotool search --onlyvisible --class Tippomat | wc -l") == "1\n";
    }));
    EXPECT_FALSE(VisibleWindowNamed("Start als"));
}

TEST_F(EndToEndTest, HotkeyAndOneKeyStartTheBinding) {
    Start();
    ShowPopup();
    PressXKeys("k");
    EXPECT_NE(
        WaitForContent(mark_, "k.sh").find("k.sh cwd=" + folder_.Path("Arbeit") + " args=-a b c\n"),
        std::string::npos);
    EXPECT_TRUE(Eventually([] { return !VisibleWindowNamed("Start als"); }));
    EXPECT_TRUE(
        Eventually([&] { return VisibleWindowNamed("Gestartet: " + folder_.Path("k.sh")); }));

    ShowPopup();
    PressXKeys("shift+k");
    EXPECT_NE(WaitForContent(mark_, "k.sh cwd=" + folder_.Path("Arbeit") + " args=-a b c\nk.sh")
                  .find("\nk.sh"),
              std::string::npos)
        << "K starts the same slot";
    EXPECT_TRUE(Eventually([] { return !VisibleWindowNamed("Start als"); }));

    ShowPopup();
    PressXKeys("F1");
    EXPECT_NE(WaitForContent(mark_, "f1.sh")
                  .find("f1.sh cwd=" + std::filesystem::current_path().string() + " args=eins"),
              std::string::npos)
        << "an empty working directory is the launcher's own";
}

TEST_F(EndToEndTest, UnboundKeyKeepsThePopupAndEscapeHidesIt) {
    Start();
    ShowPopup();
    PressXKeys("q");
    PressXKeys("F1"); // reaches the popup only if it is still shown and takes the keys
    EXPECT_EQ(WaitForContent(mark_, "f1.sh").rfind("f1.sh", 0), 0u) << "q started nothing";
    EXPECT_TRUE(Eventually([] { return !VisibleWindowNamed("Start als"); }));
    ShowPopup();
    PressXKeys("Escape");
    EXPECT_TRUE(Eventually([] { return !VisibleWindowNamed("Start als"); }));
}

TEST_F(EndToEndTest, HotkeyPressedWhileThePopupIsShownIsNoKey) {
    Start();
    ShowPopup();
    PressXKeys("alt+F12");
    ShowPopup("alt+F11", "Start als Admin");
    ShowPopup("alt+F12", "Start als User");
    PressXKeys("k"); // the popup still takes keys; whatever the hotkeys started came before
    const std::string mark = WaitForContent(mark_, "k.sh");
    EXPECT_EQ(mark.find("f11.sh cwd"), std::string::npos) << "F11 is bound, yet must not run";
    EXPECT_EQ(mark.find("f12.sh cwd"), std::string::npos) << "F12 is bound, yet must not run";
}

// The admin popup's key goes through pkexec by its full path, never to a pkexec found on PATH
// nor straight to the program: without polkit the start fails, and the popup stays up.
TEST_F(EndToEndTest, AdminKeyNeverStartsTheBindingWithTheUsersRights) {
    Recorder("bin/pkexec");
    Start();
    ShowPopup("alt+F11", "Start als Admin");
    PressXKeys("k Escape");
    ShowPopup();
    PressXKeys("F1");
    const std::string mark = WaitForContent(mark_, "f1.sh");
    EXPECT_EQ(mark.find("bin/pkexec"), std::string::npos) << mark;
    EXPECT_TRUE(mark.rfind("k.sh", 0) != 0 && mark.find("\nk.sh") == std::string::npos) << mark;
}

TEST_F(EndToEndTest, SecondStartEndsAndBringsTheFirstToFront) {
    Start();
    ChildProcess second(TIPPOMAT_PROGRAM, {"--zweite", "Kopie"});
    EXPECT_EQ(second.Wait(), 0);
    EXPECT_TRUE(Eventually([] {
        return CommandOutput("xdotool search --onlyvisible --class Tippomat | wc -l") == "2\n";
    })) << "the popup comes up beside the tray icon";
    EXPECT_EQ(CommandOutput("xdotool search --class Tippomat | wc -l"), "2\n")
        << "the second copy made no window";
}

TEST_F(EndToEndTest, PopupOptionShowsTheRunningCopysPopupForTheNextKey) {
    Start();
    ChildProcess second(TIPPOMAT_PROGRAM, {"--popup"});
    EXPECT_EQ(second.Wait(), 0);
    ASSERT_TRUE(Eventually([] { return VisibleWindowNamed("Start als User"); }));
    PressXKeys("k");
    EXPECT_NE(WaitForContent(mark_, "k.sh").find("k.sh cwd="), std::string::npos);
}

TEST_F(EndToEndTest, AdminPopupOptionShowsTheAdminPopup) {
    Start();
    ChildProcess second(TIPPOMAT_PROGRAM, {"--admin-popup"});
    EXPECT_EQ(second.Wait(), 0);
    EXPECT_TRUE(Eventually([] { return VisibleWindowNamed("Start als Admin"); }));
}

TEST_F(EndToEndTest, PopupOptionOfTheFirstCopyShowsThePopupOnceItIsUp) {
    Start({"--popup"});
    ASSERT_TRUE(Eventually([] { return VisibleWindowNamed("Start als User"); }));
    PressXKeys("k");
    EXPECT_NE(WaitForContent(mark_, "k.sh").find("k.sh cwd="), std::string::npos);
}

TEST_F(EndToEndTest, UnknownOptionIsToldOnStandardErrorAndTouchesNoFile) {
    Start();
    const std::string ini = folder_.Path(".config/Orvanta/Tippomat/Tippomat.ini");
    const std::string before = testing_support::ReadBytes(ini);
    EXPECT_EQ(
        CommandOutput(std::string(TIPPOMAT_PROGRAM) + " --unbekannt 2>&1 >/dev/null; echo $?"),
        "Tippomat: unbekannte Option --unbekannt (bekannt sind --popup und --admin-popup)\n"
        "0\n");
    EXPECT_EQ(testing_support::ReadBytes(ini), before);
}

TEST_F(EndToEndTest, HotkeyThatAnotherProgramHoldsIsToldAndTheOtherWorks) {
    const std::string ready = folder_.Path("holder.ready");
    ChildProcess holder(TIPPOMAT_GRAB_KEY, {ready});
    ASSERT_EQ(WaitForContent(ready, "ready"), "ready\n") << "the other program holds no key";
    Start();
    // The name is a pattern to xdotool, hence the backslashes.
    EXPECT_TRUE(Eventually([] {
        return VisibleWindowNamed(
            "^Der Shortcut Alt\\+F12 ist von einem anderen Programm belegt\\.$");
    }));
    ShowPopup("alt+F11", "Start als Admin");
}

TEST_F(EndToEndTest, HotkeyWhoseKeyTheLayoutLacksIsTold) {
    const std::string ini = folder_.Path(".config/Orvanta/Tippomat/Tippomat.ini");
    testing_support::WriteBytes(ini,
                                testing_support::ReadBytes(ini) +
                                    "[Hauptformular]\r\nSektionVorhanden=1\r\nkuerzel=Alt+Ü\r\n");
    program_ = std::make_unique<ChildProcess>(TIPPOMAT_PROGRAM, std::vector<std::string>{});
    EXPECT_TRUE(Eventually([] {
        return VisibleWindowNamed(
            "^Der Shortcut Alt\\+Ü ist auf dieser Tastatur nicht verfügbar\\.$");
    })) << "the X server's layout (us) has no Ü key";
}

// The guard's socket in the runtime folder, if there is one.
bool GuardSocketIn(const std::string& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_socket()) {
            return true;
        }
    }
    return false;
}

// Qt's offscreen platform reports X11 without a connection.
TEST_F(EndToEndTest, RunsOnAPlatformWithoutAnXConnection) {
    const std::vector<std::string> offscreen{"-platform", "offscreen"};
    program_ = std::make_unique<ChildProcess>(TIPPOMAT_PROGRAM, offscreen);
    ASSERT_TRUE(Eventually([&] { return GuardSocketIn(folder_.Path("run")); }));
    ChildProcess second(TIPPOMAT_PROGRAM, offscreen);
    EXPECT_EQ(second.Wait(), 0) << "the first copy answered from its event loop";
    ::kill(static_cast<pid_t>(program_->Id()), SIGTERM);
    EXPECT_EQ(program_->Wait(10), 0);
}

TEST_F(EndToEndTest, TerminationSignalEndsAsBeendenDoes) {
    Start();
    ASSERT_TRUE(GuardSocketIn(folder_.Path("run")));
    ::kill(static_cast<pid_t>(program_->Id()), SIGTERM);
    EXPECT_EQ(program_->Wait(10), 0);
    EXPECT_NE(testing_support::ReadBytes(folder_.Path(".config/Orvanta/Tippomat/Tippomat.ini"))
                  .find("[main]\r\nWidth="),
              std::string::npos);
    EXPECT_FALSE(GuardSocketIn(folder_.Path("run"))) << "the guard socket is removed";
}

} // namespace
