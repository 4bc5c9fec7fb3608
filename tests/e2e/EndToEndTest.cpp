// The real program under Xvfb with a window manager and a tray host: real key events through
// XTEST (xdotool), a temporary home, and bindings to scripts that leave a mark.
#include "unit/ChildProcess.h"
#include "unit/TestFolder.h"
#include "unit/Wait.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <sys/stat.h>

using testing_support::ChildProcess;
using testing_support::Eventually;
using testing_support::TestFolder;
using testing_support::WaitForContent;

namespace {

std::string Output(const std::string& command) {
    std::string text;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            text.append(buffer, got);
        }
        ::pclose(pipe);
    }
    return text;
}

void Keys(const std::string& keys) {
    Output("xdotool key --delay 30 " + keys);
}

bool VisibleWindowNamed(const std::string& name) {
    return !Output("xdotool search --onlyvisible --name '" + name + "' 2>/dev/null").empty();
}

class EndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr);
        const std::string config = folder_.Path(".config/Orvanta/Tippomat");
        std::filesystem::create_directories(config);
        std::filesystem::create_directories(folder_.Path("bin"));
        std::filesystem::create_directories(folder_.Path("Arbeit"));
        savedHome_ = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
        savedPath_ = std::getenv("PATH");
        savedRuntime_ =
            std::getenv("XDG_RUNTIME_DIR") != nullptr ? std::getenv("XDG_RUNTIME_DIR") : "";
        ::mkdir(folder_.Path("run").c_str(), 0700);
        testing_support::SetEnvironment("XDG_RUNTIME_DIR", folder_.Path("run"));
        testing_support::SetEnvironment("HOME", folder_.Path());
        testing_support::SetEnvironment("XDG_CONFIG_HOME", folder_.Path(".config"));
        testing_support::SetEnvironment("PATH", folder_.Path("bin") + ":" + savedPath_);
        Recorder("k.sh");
        Recorder("f1.sh");
        Recorder("f11.sh");
        Recorder("f12.sh");
        testing_support::WriteBytes(
            config + "/Tippomat.ini",
            "[Buchstaben]\r\nK=" + folder_.Path("k.sh") + "\r\nVK=" + folder_.Path("Arbeit") +
                "\r\nPK=-a \"b c\"\r\n[Funktionstasten]\r\nF1=" + folder_.Path("f1.sh") +
                "\r\nP1=eins\r\nF11=" + folder_.Path("f11.sh") +
                "\r\nF12=" + folder_.Path("f12.sh") + "\r\n");
    }

    void TearDown() override {
        program_.reset();
        // The X server drops a dead client's hotkey grabs when it sees the connection close; the
        // next test's program could not grab them before.
        Eventually([] { return Output("xdotool search --class Tippomat 2>/dev/null").empty(); });
        testing_support::SetEnvironment("HOME", savedHome_);
        testing_support::SetEnvironment("PATH", savedPath_);
        testing_support::SetEnvironment("XDG_RUNTIME_DIR", savedRuntime_);
    }

    void Recorder(const std::string& name) {
        const std::string path = folder_.Path(name);
        // The test build's pkexec names the caller in PKEXEC_UID, as pkexec does.
        testing_support::WriteBytes(path, "#!/bin/sh\necho \"${PKEXEC_UID:+elevated }" + name +
                                              " cwd=$PWD args=$*\" >> '" + mark_ + "'\n");
        ::chmod(path.c_str(), 0755);
    }

    // Starts the program and waits for its tray icon.
    void Start(const std::vector<std::string>& arguments = {}) {
        program_ = std::make_unique<ChildProcess>(TIPPOMAT_PROGRAM, arguments);
        ASSERT_TRUE(Eventually([] {
            return !Output("xdotool search --onlyvisible --class Tippomat 2>/dev/null").empty();
        })) << "no tray icon";
    }

    // Presses the hotkey until the popup shows: the tray icon may come up a moment before the
    // hotkeys are grabbed, and a press before that is lost. A press while it shows does no harm.
    void ShowPopup(const std::string& hotkey = "alt+F12",
                   const std::string& caption = "Start als User") {
        const auto shown = [&] { return VisibleWindowNamed(caption); };
        ASSERT_TRUE(Eventually([&] {
            Keys(hotkey);
            return Eventually(shown, 2);
        })) << hotkey;
    }

    // The right button on the tray icon; whether its menu shows within the seconds.
    static bool TrayMenuOpened(int seconds = 30) {
        const std::string icon = Output("xdotool search --onlyvisible --class Tippomat | head -1");
        Output("xdotool mousemove --window " + icon.substr(0, icon.size() - 1) +
               " 4 4 click 3 2>/dev/null");
        return Eventually(
            [] {
                return !Output("xdotool search --onlyvisible --class Tippomat | sed -n 2p").empty();
            },
            seconds);
    }
    void OpenTrayMenu() { ASSERT_TRUE(TrayMenuOpened()) << "no menu"; }

    TestFolder folder_;
    std::string mark_ = folder_.Path("mark.txt");
    std::unique_ptr<ChildProcess> program_;
    std::string savedHome_;
    std::string savedPath_;
    std::string savedRuntime_;
};

TEST_F(EndToEndTest, StartupShowsOnlyTheTrayIcon) {
    Start();
    // Docking the icon in the tray host maps its window again; it comes back alone.
    EXPECT_TRUE(Eventually(
        [] { return Output("xdotool search --onlyvisible --class Tippomat | wc -l") == "1\n"; }));
    EXPECT_FALSE(VisibleWindowNamed("Start als"));
}

TEST_F(EndToEndTest, HotkeyAndOneKeyStartTheBinding) {
    Start();
    ShowPopup();
    Keys("k");
    EXPECT_NE(
        WaitForContent(mark_, "k.sh").find("k.sh cwd=" + folder_.Path("Arbeit") + " args=-a b c\n"),
        std::string::npos);
    EXPECT_TRUE(Eventually([] { return !VisibleWindowNamed("Start als"); }));
    EXPECT_TRUE(
        Eventually([&] { return VisibleWindowNamed("Gestartet: " + folder_.Path("k.sh")); }));

    ShowPopup();
    Keys("shift+k");
    EXPECT_NE(WaitForContent(mark_, "k.sh cwd=" + folder_.Path("Arbeit") + " args=-a b c\nk.sh")
                  .find("\nk.sh"),
              std::string::npos)
        << "K starts the same slot";
    EXPECT_TRUE(Eventually([] { return !VisibleWindowNamed("Start als"); }));

    ShowPopup();
    Keys("F1");
    EXPECT_NE(WaitForContent(mark_, "f1.sh")
                  .find("f1.sh cwd=" + std::filesystem::current_path().string() + " args=eins"),
              std::string::npos)
        << "an empty working directory is the launcher's own";
}

TEST_F(EndToEndTest, UnboundKeyKeepsThePopupAndEscapeHidesIt) {
    Start();
    ShowPopup();
    Keys("q");
    Keys("F1"); // reaches the popup only if it is still shown and takes the keys
    EXPECT_EQ(WaitForContent(mark_, "f1.sh").rfind("f1.sh", 0), 0u) << "q started nothing";
    EXPECT_TRUE(Eventually([] { return !VisibleWindowNamed("Start als"); }));
    ShowPopup();
    Keys("Escape");
    EXPECT_TRUE(Eventually([] { return !VisibleWindowNamed("Start als"); }));
}

TEST_F(EndToEndTest, HotkeyPressedWhileThePopupIsShownIsNoKey) {
    Start();
    ShowPopup();
    Keys("alt+F12");
    ShowPopup("alt+F11", "Start als Admin");
    Keys("k"); // the popup still takes keys; whatever the hotkeys started came before
    const std::string mark = WaitForContent(mark_, "elevated");
    EXPECT_EQ(mark.find("f11.sh cwd"), std::string::npos) << "F11 is bound, yet must not run";
    EXPECT_EQ(mark.find("f12.sh cwd"), std::string::npos) << "F12 is bound, yet must not run";
}

TEST_F(EndToEndTest, AdminHotkeyStartsThroughTheElevationTool) {
    Start();
    ShowPopup("alt+F11", "Start als Admin");
    Keys("k");
    const std::string mark = WaitForContent(mark_, "elevated");
    EXPECT_NE(mark.find("elevated k.sh cwd=" + folder_.Path("Arbeit") + " args=-a b c\n"),
              std::string::npos)
        << mark;
}

TEST_F(EndToEndTest, SecondStartEndsAndBringsTheFirstToFront) {
    Start();
    ChildProcess second(TIPPOMAT_PROGRAM, {"--zweite", "Kopie"});
    EXPECT_EQ(second.Wait(), 0);
    EXPECT_TRUE(Eventually([] {
        return Output("xdotool search --onlyvisible --class Tippomat | wc -l") == "2\n";
    })) << "the popup comes up beside the tray icon";
    EXPECT_EQ(Output("xdotool search --class Tippomat | wc -l"), "2\n")
        << "the second copy made no window";
}

TEST_F(EndToEndTest, PopupOptionShowsTheRunningCopysPopupForTheNextKey) {
    Start();
    ChildProcess second(TIPPOMAT_PROGRAM, {"--popup"});
    EXPECT_EQ(second.Wait(), 0);
    ASSERT_TRUE(Eventually([] { return VisibleWindowNamed("Start als User"); }));
    Keys("k");
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
    Keys("k");
    EXPECT_NE(WaitForContent(mark_, "k.sh").find("k.sh cwd="), std::string::npos);
}

TEST_F(EndToEndTest, UnknownOptionIsToldOnStandardErrorAndTouchesNoFile) {
    Start();
    const std::string ini = folder_.Path(".config/Orvanta/Tippomat/Tippomat.ini");
    const std::string before = testing_support::ReadBytes(ini);
    EXPECT_EQ(Output(std::string(TIPPOMAT_PROGRAM) + " --unbekannt 2>&1 >/dev/null; echo $?"),
              "Tippomat: unbekannte Option --unbekannt (bekannt sind --popup und --admin-popup)\n"
              "0\n");
    EXPECT_EQ(testing_support::ReadBytes(ini), before);
}

TEST_F(EndToEndTest, BeendenEndsTheProgramAndStoresItsBounds) {
    Start();
    OpenTrayMenu();
    Keys("Up Return");
    EXPECT_EQ(program_->Wait(10), 0);
    EXPECT_NE(testing_support::ReadBytes(folder_.Path(".config/Orvanta/Tippomat/Tippomat.ini"))
                  .find("[main]\r\nWidth="),
              std::string::npos);
}

TEST_F(EndToEndTest, AppearanceDialogFromTheMenuResizesThePopupAtOnce) {
    Start();
    OpenTrayMenu();
    // "Einstellungen", its submenu, over "Editieren" to "Aussehen".
    Keys("Up Up Right Down Down Return");
    ASSERT_TRUE(Eventually([] { return VisibleWindowNamed("Einstellung Popupfenster"); }));
    Keys("Tab ctrl+a 1 5 0 Tab ctrl+a 9 0 Return");
    ASSERT_TRUE(Eventually([] { return !VisibleWindowNamed("Einstellung Popupfenster"); }));
    const std::string ini =
        testing_support::ReadBytes(folder_.Path(".config/Orvanta/Tippomat/Tippomat.ini"));
    EXPECT_NE(ini.find("breite=150\r\nhoehe=90\r\n"), std::string::npos) << ini;
    ShowPopup();
    const std::string popup =
        Output("xdotool search --onlyvisible --name 'Start als User' | head -1");
    EXPECT_NE(Output("xdotool getwindowgeometry " + popup).find("Geometry: 150x90"),
              std::string::npos);
}

TEST_F(EndToEndTest, InstallierenFromTheTrayMenuWritesAValidAutostartEntryAndTellsIt) {
    Start();
    // "Einstellungen", its submenu, over "Editieren" and "Aussehen" to "Installieren".
    OpenTrayMenu();
    Keys("Up Up Right Down Down Down Return");
    const std::string entry = folder_.Path(".config/autostart/Tippomat.desktop");
    ASSERT_TRUE(Eventually([&] { return std::filesystem::exists(entry); })) << "no entry";
    EXPECT_NE(testing_support::ReadBytes(entry).find("\nExec=" TIPPOMAT_PROGRAM "\n"),
              std::string::npos);
    EXPECT_EQ(Output("desktop-file-validate '" + entry + "' 2>&1 | grep -c error:"), "0\n");
    // The message box beside the tray icon, closed with Enter.
    ASSERT_TRUE(Eventually([] {
        return Output("xdotool search --onlyvisible --class Tippomat | wc -l") == "2\n";
    })) << "no message";
    Keys("Return");
    EXPECT_TRUE(Eventually(
        [] { return Output("xdotool search --onlyvisible --class Tippomat | wc -l") == "1\n"; }));
}

TEST_F(EndToEndTest, InformationFromTheTrayMenuShowsTheInfoDialogUntilOk) {
    Start();
    // "Einstellungen", its submenu, from its last entry "Hilfe" up to "Information".
    OpenTrayMenu();
    Keys("Up Up Right Up Up Return");
    ASSERT_TRUE(Eventually([] { return VisibleWindowNamed("Info "); })) << "no info dialog";
    Keys("Return");
    EXPECT_TRUE(Eventually([] { return !VisibleWindowNamed("Info "); }));
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

// Whether the window of that name has the keyboard: keys sent before then go elsewhere.
bool FocusedWindowNamed(const std::string& name) {
    const std::string window =
        Output("xdotool search --onlyvisible --name '" + name + "' | head -1");
    return !window.empty() && Output("xdotool getwindowfocus") == window;
}

// A binding added through the list and the binding editor and confirmed with OK is in the file
// and starts; one deleted there no longer does. The list is opened from the tray menu and its
// OK clicked with the mouse: the keys of the dialogs are their own.
TEST_F(EndToEndTest, BindingAddedAndDeletedInTheListEditor) {
    const std::string ini = folder_.Path(".config/Orvanta/Tippomat/Tippomat.ini");
    const std::string script = folder_.Path("d.sh");
    Recorder("d.sh");
    Start();
    // The icon's window may still be replaced while the tray host docks it, and keys may reach
    // the menu before it holds the keyboard: tried until the list comes up.
    const auto openList = [] {
        ASSERT_TRUE(Eventually([] {
            if (!TrayMenuOpened(2)) {
                return false;
            }
            // "Einstellungen", its submenu, over "Einstellungsdialog" to "Editieren".
            Keys("Up Up Right Down Return");
            if (Eventually([] { return VisibleWindowNamed("^Einstellungen$"); }, 3)) {
                return true;
            }
            Keys("Escape Escape");
            return false;
        })) << "no list";
        ASSERT_TRUE(Eventually([] { return FocusedWindowNamed("^Einstellungen$"); }));
    };
    const auto confirmList = [] {
        const std::string list =
            Output("xdotool search --onlyvisible --name '^Einstellungen$' | head -1");
        Output("xdotool mousemove --window " + list.substr(0, list.size() - 1) + " 66 256 click 1");
        ASSERT_TRUE(Eventually([] { return !VisibleWindowNamed("^Einstellungen$"); }));
    };

    ASSERT_NO_FATAL_FAILURE(openList());
    Keys("alt+a");
    ASSERT_TRUE(Eventually([] { return FocusedWindowNamed("^Einstellungen für den Aufruf$"); }));
    // The key D, past "Verzeichnis" into the program field; Enter is OK.
    Keys("d Tab Tab");
    Output("xdotool type --delay 20 '" + script + "'");
    Keys("Return");
    ASSERT_TRUE(Eventually([] { return !VisibleWindowNamed("^Einstellungen für den Aufruf$"); }));
    ASSERT_NO_FATAL_FAILURE(confirmList());
    EXPECT_NE(testing_support::ReadBytes(ini).find("\r\nD=" + script + "\r\n"), std::string::npos);
    ShowPopup();
    Keys("d");
    EXPECT_NE(WaitForContent(mark_, "d.sh").find("d.sh cwd="), std::string::npos);

    // The row of K chosen by typing its key in the grid, which comes after the buttons, and
    // "&Löschen" pressed from the keyboard.
    ASSERT_NO_FATAL_FAILURE(openList());
    Keys("shift+Tab k Tab Tab space");
    ASSERT_NO_FATAL_FAILURE(confirmList());
    EXPECT_NE(testing_support::ReadBytes(ini).find("\r\nK=\r\n"), std::string::npos)
        << testing_support::ReadBytes(ini);
    // K starts nothing and keeps the popup up, so the D after it starts once more.
    ShowPopup();
    Keys("k d");
    EXPECT_TRUE(Eventually([&] {
        const std::string mark = testing_support::ReadBytes(mark_);
        return mark.find("d.sh", mark.find("d.sh") + 1) != std::string::npos;
    }));
    EXPECT_EQ(testing_support::ReadBytes(mark_).find("k.sh"), std::string::npos);
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
