// The admin dialog: account and admin shortcut, stored state, failures of the file.
#include "logic/LogicFixture.h"

#include <functional>
#include <utility>

using dialogs::TAdmindata;
using dialogs::THauptformular;

namespace {

class AdminLogicTest : public testing_support::LogicFixture {};

TEST_F(AdminLogicTest, StoresAccountAndShortcut) {
    auto start = NewStart();
    start->hub.Clicked(THauptformular::kAdmibutton);
    EXPECT_TRUE(start->adminView.shown);
    EXPECT_TRUE(NoHotkeyHeld()) << "keys must reach the field";
    start->adminView.SetText(TAdmindata::kBenutzername, "admin");
    start->adminView.SetText(TAdmindata::kPasswort, "geh3im!");
    start->admin.KeyDown(TAdmindata::kKuerzel, 0x74, {true, true, false});
    EXPECT_EQ(start->adminView.Text(TAdmindata::kKuerzel), "Umsch+Strg+F5");
    start->admin.Clicked(TAdmindata::kOkbut);
    EXPECT_FALSE(start->adminView.shown);
    EXPECT_EQ(start->state.adminhotkey.Key(), 0x6074);
    EXPECT_TRUE(BothHotkeysHeld(*start));
    EXPECT_EQ(start->state.launch.AdminUserName, "admin");
    EXPECT_EQ(start->state.launch.AdminPassword, "geh3im!");
    EXPECT_NE(IniText().find("[Admindata]\r\nSektionVorhanden=1\r\nbenutzername=admin\r\n"
                             "passwort=geh3im!\r\nkuerzel=Umsch+Strg+F5\r\n\r\n"),
              std::string::npos);
    start->admin.Clicked(TAdmindata::kHelpbut);
    EXPECT_EQ(start->adminView.helpTopics, std::vector<int>{700});
}

TEST_F(AdminLogicTest, EveryCloseRegistersBothHotkeysAgain) {
    const std::pair<const char*, std::function<void(dialogs::TAdmindata&)>> closes[] = {
        {"OK", [](dialogs::TAdmindata& admin) { admin.Clicked(TAdmindata::kOkbut); }},
        {"the close box, Escape or Alt+F4", [](dialogs::TAdmindata& admin) { admin.FormClose(); }},
    };
    for (const auto& [way, close] : closes) {
        auto start = NewStart();
        start->launcher.MenuClick(core::MenuItem::Adminmodus1);
        ASSERT_TRUE(NoHotkeyHeld()) << way;
        close(start->admin);
        EXPECT_TRUE(BothHotkeysHeld(*start)) << way;
        EXPECT_TRUE(testing_support::fake_hotkeys::Press(0x807A)) << way;
        EXPECT_EQ(start->main.caption, "Start als Admin... ") << way << ": the hotkey works again";
    }
}

TEST_F(AdminLogicTest, ClosingItWhileTheHubIsOpenEnablesBothHotkeys) {
    auto start = NewStart();
    start->hub.Show();
    start->hub.AdmibuttonClick();
    start->admin.FormClose();
    EXPECT_TRUE(BothHotkeysHeld(*start));
    EXPECT_TRUE(start->hubView.shown);
}

TEST_F(AdminLogicTest, EqualShortcutsAtStartLeaveTheAdminHotkeyWithoutKey) {
    WriteIni("[Admindata]\r\nSektionVorhanden=1\r\nkuerzel=Alt+F12\r\n"
             "[Check]\r\nWroteSuccesful=1\r\n");
    auto start = NewStart();
    ASSERT_EQ(start->adminView.messages.size(), 1u);
    EXPECT_EQ(start->adminView.messages[0].helpContext, 400);
    EXPECT_EQ(start->state.hotkey.Key(), 0x807B);
    EXPECT_EQ(start->state.adminhotkey.Key(), 0);
}

TEST_F(AdminLogicTest, UnreadableFileIsReportedAndTheProgramRunsOn) {
    location_.IniPath = folder_.Path(); // a folder cannot be read as a file
    auto start = NewStart();
    EXPECT_EQ(start->main.messages.size(), 1u);
    EXPECT_GE(start->hubView.messages.size(), 1u);
    EXPECT_EQ(start->adminView.messages.size(), 1u);
    EXPECT_EQ(start->hubView.Text(THauptformular::kKuerzel), "Alt+F12");
    EXPECT_EQ(start->state.hotkey.Key(), 0x807B);
    start->admin.Show();
    start->admin.FormClose();
    ASSERT_EQ(start->adminView.messages.size(), 2u) << "the failed save is reported";
    EXPECT_EQ(start->adminView.messages[1].kind, core::MessageKind::Error);
    EXPECT_TRUE(BothHotkeysHeld(*start));
}

TEST_F(AdminLogicTest, UnmarkedFileIsReplacedByTheBackupAtStart) {
    auto start = NewStart();
    start->adminView.SetText(TAdmindata::kBenutzername, "gesichert");
    start->admin.FormClose();
    Restart(start); // a start with a marked file refreshes the backup
    start.reset();
    WriteIni("[Admindata]\r\nSektionVorhanden=1\r\nbenutzername=kaputt\r\n");
    start = NewStart();
    EXPECT_EQ(start->adminView.Text(TAdmindata::kBenutzername), "gesichert");
}

} // namespace
