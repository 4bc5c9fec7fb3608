// The real program as a Wayland client of a headless Weston: it starts there without an X
// server, and a start with --popup shows the running copy's popup. What the program says to
// the compositor is read from its Wayland protocol log (WAYLAND_DEBUG).
#include "portal/PrivateSessionBus.h"
#include "support/ChildProcess.h"
#include "support/TestFolder.h"
#include "support/Wait.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

using testing_support::ChildProcess;
using testing_support::Eventually;
using testing_support::TestFolder;

namespace {

constexpr const char* kWeston = "/usr/bin/weston";

class WaylandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(kWeston)) {
            GTEST_SKIP() << "no weston";
        }
        ::mkdir(folder_.Path("run").c_str(), 0700);
        std::filesystem::create_directories(folder_.Path(".config"));
        for (const char* name : {"DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS"}) {
            saved_.emplace_back(name, std::getenv(name) != nullptr ? std::getenv(name) : "");
            ::unsetenv(name);
        }
        for (const auto& [name, value] :
             {std::pair<const char*, std::string>{"XDG_RUNTIME_DIR", folder_.Path("run")},
              {"HOME", folder_.Path()},
              {"XDG_CONFIG_HOME", folder_.Path(".config")},
              {"XDG_SESSION_TYPE", "wayland"},
              {"WAYLAND_DISPLAY", "tippomat-test"}}) {
            saved_.emplace_back(name, std::getenv(name) != nullptr ? std::getenv(name) : "");
            testing_support::SetEnvironment(name, value);
        }
        weston_ = std::make_unique<ChildProcess>(
            kWeston, std::vector<std::string>{"--backend=headless-backend.so",
                                              "--socket=tippomat-test", "--idle-time=0"});
        ASSERT_TRUE(
            Eventually([&] { return std::filesystem::exists(folder_.Path("run/tippomat-test")); }));
    }

    void TearDown() override {
        program_.reset();
        services_.clear();
        weston_.reset();
        for (const auto& [name, value] : saved_) {
            if (value.empty()) {
                ::unsetenv(name.c_str());
            } else {
                testing_support::SetEnvironment(name, value);
            }
        }
    }

    // The program, its protocol log and its messages going to log_.
    void Start() {
        program_ = std::make_unique<ChildProcess>(
            "/bin/sh", std::vector<std::string>{"-c", "WAYLAND_DEBUG=client exec '" +
                                                          std::string(TIPPOMAT_PROGRAM) + "' 2>'" +
                                                          log_ + "'"});
        ASSERT_TRUE(Eventually([&] { return Log().find("xdg_wm_base") != std::string::npos; }))
            << Log();
    }

    std::string Log() const { return testing_support::ReadBytes(log_); }

    // A desktop service of tests/portal on a session bus of the test's own; it records to
    // record.
    void StartService(const std::string& script, const std::string& record) {
        ASSERT_FALSE(sessionBus_.Address().empty()) << "no dbus-daemon";
        testing_support::SetEnvironment("DBUS_SESSION_BUS_ADDRESS", sessionBus_.Address());
        services_.push_back(std::make_unique<ChildProcess>(
            std::string(TIPPOMAT_PORTALS) + "/" + script, std::vector<std::string>{record}));
        ASSERT_TRUE(Eventually(
            [&] { return testing_support::ReadBytes(record).find("ready") != std::string::npos; }));
    }

    TestFolder folder_;
    std::string log_ = folder_.Path("wayland.log");
    testing_support::PrivateSessionBus sessionBus_;
    std::vector<std::unique_ptr<ChildProcess>> services_;
    std::unique_ptr<ChildProcess> weston_;
    std::unique_ptr<ChildProcess> program_;
    std::vector<std::pair<std::string, std::string>> saved_;
};

TEST_F(WaylandTest, StartsAsAWaylandClientWithoutAnError) {
    StartService("stand_in_tray_host.py", folder_.Path("tray.txt"));
    Start();
    EXPECT_EQ(program_->Wait(1), -1) << "it runs on\n" << Log();
    EXPECT_EQ(Log().find("Could not"), std::string::npos) << Log();
    EXPECT_EQ(Log().find("get_toplevel"), std::string::npos) << "only the tray at start-up";
}

TEST_F(WaylandTest, PopupOptionShowsThePopup) {
    Start();
    ChildProcess second(TIPPOMAT_PROGRAM, {"--popup"});
    EXPECT_EQ(second.Wait(), 0);
    EXPECT_TRUE(Eventually([&] {
        return Log().find("set_title(\"Start als User... \")") != std::string::npos;
    })) << Log();
}

TEST_F(WaylandTest, TrayIconGoesToTheStatusNotifierHost) {
    const std::string record = folder_.Path("tray.txt");
    StartService("stand_in_tray_host.py", record);
    Start();
    EXPECT_TRUE(Eventually([&] {
        return testing_support::ReadBytes(record).find("item ") != std::string::npos;
    })) << Log();
}

TEST_F(WaylandTest, HotkeysAreThePortalsShortcuts) {
    const std::string record = folder_.Path("portal.txt");
    StartService("stand_in_portal.py", record);
    Start();
    EXPECT_TRUE(Eventually([&] {
        return testing_support::ReadBytes(record).find(
                   "BindShortcuts popup=ALT+F12 admin-popup=ALT+F11") != std::string::npos;
    })) << testing_support::ReadBytes(record);
}

} // namespace
