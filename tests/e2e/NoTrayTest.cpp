// The real program on a desktop without a notification area: an X server of its own with a
// window manager but no tray host.
#include "support/ChildProcess.h"
#include "support/TestFolder.h"
#include "support/Wait.h"
#include "support/XdoTool_x11.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <utility>
#include <vector>

using testing_support::ChildProcess;
using testing_support::CommandOutput;
using testing_support::Eventually;
using testing_support::PressXKeys;
using testing_support::TestFolder;

namespace {

// Shown windows titled "Tippomat": the hub, and the message box over it.
std::string WindowsNamedTippomat() {
    return CommandOutput("xdotool search --onlyvisible --name '^Tippomat$' 2>/dev/null | wc -l");
}

// The program on an X server of its own with a window manager but no tray host, as on a desktop
// without a notification area.
class NoTrayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"DISPLAY", "HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"}) {
            saved_.emplace_back(name, std::getenv(name) != nullptr ? std::getenv(name) : "");
        }
        // The server picks a free display itself and names it: a number found free beforehand
        // may be taken by another test's server before this one starts. Without -noreset the
        // server starts anew whenever its last client goes, and refuses connections meanwhile:
        // a program started just then could not open the display and ended.
        const std::string named = folder_.Path("display");
        x_ = std::make_unique<ChildProcess>(
            "/bin/sh",
            std::vector<std::string>{"-c", "exec /usr/bin/Xvfb -displayfd 3 -noreset -screen 0 "
                                           "1024x768x24 -nolisten tcp 3>'" +
                                               named + "'"});
        std::string display;
        ASSERT_TRUE(Eventually([&] {
            display = testing_support::ReadBytes(named);
            return !display.empty() && display.back() == '\n';
        })) << "no X server";
        display.pop_back();
        ::mkdir(folder_.Path("run").c_str(), 0700);
        testing_support::SetEnvironment("DISPLAY", ":" + display);
        testing_support::SetEnvironment("HOME", folder_.Path());
        testing_support::SetEnvironment("XDG_CONFIG_HOME", folder_.Path(".config"));
        testing_support::SetEnvironment("XDG_RUNTIME_DIR", folder_.Path("run"));
        // A desktop's programs start once its window manager runs: openbox takes the root's
        // map requests a moment before it handles them, and a window mapped then never shows.
        const std::string ready = folder_.Path("window-manager-ready");
        windowManager_ = std::make_unique<ChildProcess>(
            "/usr/bin/openbox", std::vector<std::string>{"--startup", "/usr/bin/touch " + ready});
        ASSERT_TRUE(Eventually([&] { return std::filesystem::exists(ready); }))
            << "no window manager";
    }

    void TearDown() override {
        program_.reset();
        windowManager_.reset();
        x_.reset();
        for (const auto& [name, value] : saved_) {
            testing_support::SetEnvironment(name, value);
        }
    }

    TestFolder folder_;
    std::vector<std::pair<std::string, std::string>> saved_;
    std::unique_ptr<ChildProcess> x_;
    std::unique_ptr<ChildProcess> windowManager_;
    std::unique_ptr<ChildProcess> program_;
};

TEST_F(NoTrayTest, StartShowsTheHubWithTheMessageAndSchliessenEnds) {
    program_ = std::make_unique<ChildProcess>(TIPPOMAT_PROGRAM, std::vector<std::string>{});
    ASSERT_TRUE(Eventually([] { return WindowsNamedTippomat() == "2\n"; }))
        << "no hub and message: program " << program_->Wait(0) << ", windows named Tippomat "
        << WindowsNamedTippomat()
        << CommandOutput("xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null");
    // Enter answers the message; the hub stays, and its "Schließen" ends the program. Keys go
    // to the window that has the keyboard once the window manager gave it.
    const auto tippomatFocused = [] {
        return CommandOutput("xdotool getwindowfocus getwindowname 2>/dev/null") == "Tippomat\n";
    };
    ASSERT_TRUE(Eventually(tippomatFocused));
    PressXKeys("Return");
    ASSERT_TRUE(Eventually([] { return WindowsNamedTippomat() == "1\n"; })) << "no hub";
    ASSERT_TRUE(Eventually(tippomatFocused));
    PressXKeys("alt+s");
    EXPECT_EQ(program_->Wait(), 0);
}

TEST_F(NoTrayTest, ANotificationAreaThatComesLaterGetsTheIcon) {
    program_ = std::make_unique<ChildProcess>(TIPPOMAT_PROGRAM, std::vector<std::string>{});
    ASSERT_TRUE(Eventually([] { return WindowsNamedTippomat() == "2\n"; }));
    ChildProcess trayHost("/usr/bin/trayer", {"--edge", "top", "--align", "right"});
    EXPECT_TRUE(Eventually([] {
        return CommandOutput("for panel in $(xdotool search --name '^panel$' 2>/dev/null); do "
                             "xwininfo -tree -id $panel 2>/dev/null; done | grep -c "
                             "'\"Tippomat\": (\"Tippomat\"'") == "1\n";
    })) << "the icon is not in the notification area";
}

} // namespace
