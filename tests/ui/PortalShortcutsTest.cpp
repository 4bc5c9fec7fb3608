// The hotkeys as the desktop portal's global shortcuts, on a private session bus: with a
// stand-in portal that records the calls, and with no portal at all.
#include "gui/qt/PortalShortcuts.h"
#include "dialogs/Program.h"
#include "gui/qt/Faces.h"
#include "portal/PrivateSessionBus.h"
#include "support/ChildProcess.h"
#include "support/Wait.h"
#include "ui/UiFixture.h"

#include <QCoreApplication>
#include <QDBusConnection>

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

    void StartPortal() {
        testing_support::SetEnvironment("DBUS_SESSION_BUS_ADDRESS", address_.toStdString());
        portal_ = std::make_unique<testing_support::ChildProcess>(
            TIPPOMAT_STAND_IN_PORTAL, std::vector<std::string>{record_});
        ASSERT_TRUE(RunEventsUntil([&] { return Record().find("ready") != std::string::npos; }));
    }

    // The windows of a start, with the portal carrying their hotkeys.
    struct PortalStart {
        PortalStart(const testing_support::TestFolder& folder, const QDBusConnection& bus,
                    std::vector<std::string>& told)
            : portal((state.location = {folder.Path("Tippomat"), folder.Path(),
                                        folder.Path("Tippomat.ini")},
                      bus),
                     state, [&told](const std::string& text) { told.push_back(text); }),
              program(state, faces) {}
        core::ProgramState state;
        qtface::PortalShortcuts portal;
        qtface::Faces faces;
        qtface::MainWindow& main = faces.main;
        dialogs::Program program;
    };

    void Begin() { start_ = std::make_unique<PortalStart>(folder_, *bus_, told_); }

    std::string Record() const { return ReadBytes(record_); }

    // The stand-in emits Activated for its last session.
    void Activate(const std::string& id) {
        const std::string command =
            "dbus-send --session --print-reply=literal --dest=org.freedesktop.portal.Desktop "
            "--type=method_call "
            "/org/freedesktop/portal/desktop org.tippomat.StandIn.Activate string:" +
            id + " string:token-1";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }

    testing_support::PrivateSessionBus sessionBus_;
    QString address_;
    std::optional<QDBusConnection> bus_;
    std::string record_ = folder_.Path("portal.txt");
    std::unique_ptr<testing_support::ChildProcess> portal_;
    std::unique_ptr<PortalStart> start_;
    std::vector<std::string> told_;
};

TEST_F(PortalShortcutsTest, BindsBothStoredShortcutsAndShowsThePopupOnActivated) {
    StartPortal();
    Begin();
    ASSERT_TRUE(RunEventsUntil([&] { return start_->state.hotkey.Registered(); })) << Record();
    EXPECT_NE(Record().find("ready\nCreateSession\nBindShortcuts popup=ALT+F12 "
                            "admin-popup=ALT+F11\n"),
              std::string::npos)
        << Record();
    Activate("admin-popup");
    ASSERT_TRUE(RunEventsUntil([&] { return start_->main.isVisible(); }));
    EXPECT_EQ(start_->main.windowTitle(), "Start als Admin... ");
    EXPECT_EQ(qgetenv("XDG_ACTIVATION_TOKEN"), "token-1") << "for the popup to take the keyboard";
    EXPECT_TRUE(told_.empty());
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
    ASSERT_TRUE(RunEventsUntil([&] { return !told_.empty(); }));
    EXPECT_NE(told_.front().find(folder_.Path("Tippomat") + " --popup"), std::string::npos)
        << told_.front();
    start_->program.hauptformular.Show();
    start_->program.hauptformular.OkbutClick();
    QCoreApplication::processEvents();
    EXPECT_EQ(told_.size(), 1u);
    EXPECT_FALSE(start_->state.hotkey.Registered());
    EXPECT_TRUE(start_->main.LastNotice().isEmpty()) << "no hotkey is told as held elsewhere";
}

} // namespace
