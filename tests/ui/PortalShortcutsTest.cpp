// The hotkeys as the desktop portal's global shortcuts, on a private session bus: with a
// stand-in portal that records the calls, with no portal at all, and with the real portal of
// KDE Plasma where this machine has it.
#include "gui/qt/PortalShortcuts.h"
#include "dialogs/Program.h"
#include "gui/qt/Faces.h"
#include "portal/KdeShortcutStack.h"
#include "portal/PrivateSessionBus.h"
#include "support/ChildProcess.h"
#include "support/Wait.h"
#include "ui/UiFixture.h"

#include <QCoreApplication>
#include <QDBusConnection>

#include <filesystem>
#include <functional>
#include <optional>

namespace {

using testing_support::ReadBytes;

// Runs the event loop until the condition holds: the portal answers through it.
bool RunEventsUntil(const std::function<bool()>& condition) {
    return testing_support::Eventually(condition, 30, [] {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    });
}

class PortalShortcutsTest : public testing_support::UiFixture {
  protected:
    void SetUp() override {
        ASSERT_FALSE(sessionBus_.Address().empty()) << "no dbus-daemon";
        address_ = QString::fromStdString(sessionBus_.Address());
        bus_.emplace(QDBusConnection::connectToBus(address_, "portal-test"));
        ASSERT_TRUE(bus_->isConnected());
    }
    void TearDown() override {
        start_.reset();
        portal_.reset();
        bus_.reset();
        QDBusConnection::disconnectFromBus("portal-test");
    }

    void StartPortal(std::vector<std::string> options = {}) {
        testing_support::SetEnvironment("DBUS_SESSION_BUS_ADDRESS", address_.toStdString());
        options.insert(options.begin(), record_);
        portal_ =
            std::make_unique<testing_support::ChildProcess>(TIPPOMAT_STAND_IN_PORTAL, options);
        ASSERT_TRUE(RunEventsUntil([&] { return Record().find("ready") != std::string::npos; }));
    }

    // The windows of a start, with the portal carrying their hotkeys.
    struct PortalStart {
        PortalStart(const testing_support::TestFolder& folder, const QDBusConnection& bus)
            : portal((state.location = {folder.Path("Tippomat"), folder.Path(),
                                        folder.Path("Tippomat.ini")},
                      bus),
                     state),
              program(state, faces) {}
        core::ProgramState state;
        qtface::PortalShortcuts portal;
        qtface::Faces faces;
        qtface::MainWindow& main = faces.main;
        dialogs::Program program;
    };

    void Begin() { start_ = std::make_unique<PortalStart>(folder_, *bus_); }

    std::string Record() const { return ReadBytes(record_); }

    // A call of the stand-in about its last session: Activate (id, activation token) or
    // Assign (id, trigger).
    void CallStandIn(const std::string& method, const std::string& id, const std::string& value) {
        const std::string command =
            "dbus-send --session --print-reply=literal --dest=org.freedesktop.portal.Desktop "
            "--type=method_call /org/freedesktop/portal/desktop org.tippomat.StandIn." +
            method + " string:" + id + " string:" + value;
        ASSERT_EQ(std::system(command.c_str()), 0);
    }

    // What the program told the user: in messages, or in a tray notice where there is a tray.
    std::vector<std::string> Told() const {
        std::vector<std::string> told;
        for (const dialogs::MessageQuestion& message : answers_.messages) {
            told.push_back(message.text);
        }
        if (!start_->main.LastNotice().isEmpty()) {
            told.push_back(start_->main.LastNotice().toStdString());
        }
        return told;
    }

    testing_support::PrivateSessionBus sessionBus_;
    QString address_;
    std::optional<QDBusConnection> bus_;
    std::string record_ = folder_.Path("portal.txt");
    std::unique_ptr<testing_support::ChildProcess> portal_;
    std::unique_ptr<PortalStart> start_;
};

TEST_F(PortalShortcutsTest, BindsBothStoredShortcutsAndShowsThePopupOnActivated) {
    StartPortal();
    Begin();
    ASSERT_TRUE(RunEventsUntil([&] { return start_->state.hotkey.Registered(); })) << Record();
    EXPECT_NE(Record().find("ready\nCreateSession\nBindShortcuts popup=ALT+F12 "
                            "admin-popup=ALT+F11\n"),
              std::string::npos)
        << Record();
    CallStandIn("Activate", "admin-popup", "token-1");
    ASSERT_TRUE(RunEventsUntil([&] { return start_->main.isVisible(); }));
    EXPECT_EQ(start_->main.windowTitle(), "Start als Admin... ");
    EXPECT_EQ(qgetenv("XDG_ACTIVATION_TOKEN"), "token-1") << "for the popup to take the keyboard";
    EXPECT_TRUE(Told().empty());
}

TEST_F(PortalShortcutsTest, ChangedShortcutIsBoundInANewSession) {
    StartPortal();
    Begin();
    ASSERT_TRUE(RunEventsUntil([&] { return start_->state.hotkey.Registered(); }));
    start_->state.hotkey.SetEnabled(false);
    start_->state.hotkey.SetKey(0xC000 | 'K'); // Strg+Alt+K
    start_->state.hotkey.SetEnabled(true);
    ASSERT_TRUE(RunEventsUntil([&] {
        return Record().find("popup=CTRL+ALT+k") != std::string::npos;
    })) << Record();
    EXPECT_NE(Record().find("Close "), std::string::npos) << "the old session ends";
    EXPECT_TRUE(RunEventsUntil([&] { return start_->state.hotkey.Registered(); }));
}

TEST_F(PortalShortcutsTest, WithoutAPortalTheUserIsToldOnceHowToBindTheCommand) {
    Begin();
    ASSERT_TRUE(RunEventsUntil([&] { return !Told().empty(); }));
    EXPECT_NE(Told().front().find(folder_.Path("Tippomat") + " --popup"), std::string::npos)
        << Told().front();
    start_->program.hauptformular.Show();
    start_->program.hauptformular.OkbutClick();
    QCoreApplication::processEvents();
    EXPECT_EQ(Told().size(), 1u);
    EXPECT_FALSE(start_->state.hotkey.Registered());
    EXPECT_EQ(start_->main.LastNotice().indexOf("belegt"), -1)
        << "no hotkey is told as held elsewhere";
}

TEST_F(PortalShortcutsTest, ShortcutWithoutATriggerIsToldOnceAndBoundWhenTheDesktopGivesAKey) {
    StartPortal({"unassigned"});
    Begin();
    ASSERT_TRUE(RunEventsUntil([&] { return !Told().empty(); })) << Record();
    EXPECT_NE(Told().front().find("Alt+F12"), std::string::npos) << Told().front();
    EXPECT_NE(Told().front().find(folder_.Path("Tippomat") + " --popup"), std::string::npos);
    EXPECT_FALSE(start_->state.hotkey.Registered());
    CallStandIn("Assign", "popup", "Alt+F12");
    EXPECT_TRUE(RunEventsUntil([&] { return start_->state.hotkey.Registered(); }));
    EXPECT_EQ(Told().size(), 1u);
}

// KDE Plasma 5.27: the portal's shortcuts go to its shortcut daemon, which grabs the keys on
// the X server; the user's settings there say which key each shortcut has.
class RealPortalTest : public PortalShortcutsTest {
  protected:
    void SetUp() override {
        const std::string missing = testing_support::KdeShortcutStack::Missing();
        if (!missing.empty()) {
            GTEST_SKIP() << "no " << missing
                         << " (xdg-desktop-portal, xdg-desktop-portal-kde, libkf5globalaccel-bin)";
        }
        PortalShortcutsTest::SetUp();
    }
    void TearDown() override {
        PortalShortcutsTest::TearDown();
        stack_.reset();
    }

    // The daemon names the component after the program's first session.
    static constexpr const char* kComponent = "tippomat1";
    static constexpr int kAltF12 = 0x08000000 | 0x0100003b; // Qt::ALT | Qt::Key_F12

    std::unique_ptr<testing_support::KdeShortcutStack> stack_;
};

TEST_F(RealPortalTest, KeyTakenAwayInTheSettingsIsToldAndTheKeyGivenBackShowsThePopup) {
    std::filesystem::create_directories(folder_.Path(".config"));
    testing_support::WriteBytes(folder_.Path(".config/kglobalshortcutsrc"),
                                std::string("[") + kComponent +
                                    "]\npopup=none,Alt+F12,Tippomat-Fenster zeigen\n");
    stack_ = std::make_unique<testing_support::KdeShortcutStack>(address_.toStdString(), folder_);
    ASSERT_TRUE(stack_->Running()) << stack_->Log();
    Begin();
    ASSERT_TRUE(RunEventsUntil([&] { return !Told().empty(); })) << stack_->Log();
    EXPECT_NE(Told().front().find("Alt+F12"), std::string::npos) << Told().front();
    EXPECT_TRUE(start_->state.adminhotkey.Registered()) << "Alt+F11 is free";
    EXPECT_FALSE(start_->state.hotkey.Registered());
    stack_->Assign(kComponent, "popup", kAltF12);
    ASSERT_TRUE(RunEventsUntil([&] { return start_->state.hotkey.Registered(); })) << stack_->Log();
    stack_->Press("alt+F12");
    EXPECT_TRUE(RunEventsUntil([&] { return start_->main.isVisible(); })) << stack_->Log();
    EXPECT_EQ(start_->main.windowTitle(), "Start als User... ");
    EXPECT_EQ(Told().size(), 1u);
}

} // namespace
