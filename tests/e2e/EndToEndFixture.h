// The real program under Xvfb with a window manager and a tray host: a temporary home, bindings
// to scripts that leave a mark, and the program started, its popup and tray menu brought up by
// real key events and clicks through XTEST (xdotool).
#pragma once

#include "support/ChildProcess.h"
#include "support/TestFolder.h"
#include "support/Wait.h"
#include "support/XdoTool_x11.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/stat.h>

namespace testing_support {

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
        Eventually(
            [] { return CommandOutput("xdotool search --class Tippomat 2>/dev/null").empty(); });
        testing_support::SetEnvironment("HOME", savedHome_);
        testing_support::SetEnvironment("PATH", savedPath_);
        testing_support::SetEnvironment("XDG_RUNTIME_DIR", savedRuntime_);
    }

    void Recorder(const std::string& name) {
        const std::string path = folder_.Path(name);
        // pkexec names the caller in PKEXEC_UID: a start with raised rights says so.
        testing_support::WriteBytes(path, "#!/bin/sh\necho \"${PKEXEC_UID:+elevated }" + name +
                                              " cwd=$PWD args=$*\" >> '" + mark_ + "'\n");
        ::chmod(path.c_str(), 0755);
    }

    // Starts the program and waits for its tray icon.
    void Start(const std::vector<std::string>& arguments = {}) {
        program_ = std::make_unique<ChildProcess>(TIPPOMAT_PROGRAM, arguments);
        ASSERT_TRUE(Eventually([] {
            return !CommandOutput("xdotool search --onlyvisible --class Tippomat 2>/dev/null")
                        .empty();
        })) << "no tray icon";
    }

    // Presses the hotkey until the popup shows: the tray icon may come up a moment before the
    // hotkeys are grabbed, and a press before that is lost. A press while it shows does no harm.
    void ShowPopup(const std::string& hotkey = "alt+F12",
                   const std::string& caption = "Start als User") {
        const auto shown = [&] { return VisibleWindowNamed(caption); };
        ASSERT_TRUE(Eventually([&] {
            PressXKeys(hotkey);
            return Eventually(shown, 2);
        })) << hotkey;
    }

    // The right button on the tray icon; whether its menu shows within the seconds.
    static bool TrayMenuOpened(int seconds = 30) {
        const std::string icon =
            CommandOutput("xdotool search --onlyvisible --class Tippomat | head -1");
        CommandOutput("xdotool mousemove --window " + icon.substr(0, icon.size() - 1) +
                      " 4 4 click 3 2>/dev/null");
        return Eventually(
            [] {
                return !CommandOutput("xdotool search --onlyvisible --class Tippomat | sed -n 2p")
                            .empty();
            },
            seconds);
    }
    void OpenTrayMenu() { ASSERT_TRUE(TrayMenuOpened()) << "no menu"; }

    // The list editor from the tray menu, with the keyboard. The icon's window may still be
    // replaced while the tray host docks it, and keys may reach the menu before it holds the
    // keyboard: tried until the list comes up.
    static void OpenList() {
        ASSERT_TRUE(Eventually([] {
            if (!TrayMenuOpened(2)) {
                return false;
            }
            // "Einstellungen", its submenu, over "Einstellungsdialog" to "Editieren".
            PressXKeys("Up Up Right Down Return");
            if (Eventually([] { return VisibleWindowNamed("^Einstellungen$"); }, 3)) {
                return true;
            }
            PressXKeys("Escape Escape");
            return false;
        })) << "no list";
        ASSERT_TRUE(Eventually([] { return FocusedWindowNamed("^Einstellungen$"); }));
    }
    // The list editor's OK, clicked with the mouse: the keys of the dialogs are their own.
    static void ConfirmList() {
        const std::string list =
            CommandOutput("xdotool search --onlyvisible --name '^Einstellungen$' | head -1");
        CommandOutput("xdotool mousemove --window " + list.substr(0, list.size() - 1) +
                      " 66 256 click 1");
        ASSERT_TRUE(Eventually([] { return !VisibleWindowNamed("^Einstellungen$"); }));
    }

    TestFolder folder_;
    std::string mark_ = folder_.Path("mark.txt");
    std::unique_ptr<ChildProcess> program_;
    std::string savedHome_;
    std::string savedPath_;
    std::string savedRuntime_;
};

} // namespace testing_support
