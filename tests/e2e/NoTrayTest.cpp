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
        int display = 120;
        while (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(display)) ||
               std::filesystem::exists("/tmp/.X" + std::to_string(display) + "-lock")) {
            ++display;
        }
        for (const char* name : {"DISPLAY", "HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"}) {
            saved_.emplace_back(name, std::getenv(name) != nullptr ? std::getenv(name) : "");
        }
        const std::string name = ":" + std::to_string(display);
        x_ = std::make_unique<ChildProcess>(
            "/usr/bin/Xvfb",
            std::vector<std::string>{name, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        ::mkdir(folder_.Path("run").c_str(), 0700);
        testing_support::SetEnvironment("DISPLAY", name);
        testing_support::SetEnvironment("HOME", folder_.Path());
        testing_support::SetEnvironment("XDG_CONFIG_HOME", folder_.Path(".config"));
        testing_support::SetEnvironment("XDG_RUNTIME_DIR", folder_.Path("run"));
        ASSERT_TRUE(Eventually(
            [] { return CommandOutput("xdpyinfo >/dev/null 2>&1 && echo up") == "up\n"; }));
        windowManager_ =
            std::make_unique<ChildProcess>("/usr/bin/openbox", std::vector<std::string>{});
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
    ASSERT_TRUE(Eventually([] { return WindowsNamedTippomat() == "2\n"; })) << "no hub and message";
    // Enter answers the message; the hub stays, and its "Schließen" ends the program.
    PressXKeys("Return");
    ASSERT_TRUE(Eventually([] { return WindowsNamedTippomat() == "1\n"; })) << "no hub";
    PressXKeys("alt+s");
    EXPECT_EQ(program_->Wait(), 0);
}

} // namespace
