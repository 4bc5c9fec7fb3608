// The launcher window's behaviour: keys to slots, hiding, notices, the look, the menu.
#include "components/InstanceCheck.h"
#include "logic/LogicFixture.h"
#include "platform/Locale.h"

#include <functional>
#include <utility>

using core::MenuItem;
namespace fake_starts = testing_support::fake_starts;
using dialogs::THauptformular;

namespace {

class LauncherLogicTest : public testing_support::LogicFixture {};

TEST_F(LauncherLogicTest, KeysStartTheirSlotsAndHideThePopup) {
    const std::string quiet = AProgram();
    auto start = NewStart();
    start->state.table.SetSlot(10, quiet, "", ""); // K
    start->state.table.SetSlot(31, quiet, "", ""); // 5
    start->state.table.SetSlot(47, quiet, "", ""); // F12
    core::Tmain& launcher = start->launcher;
    testing_support::FakeMainView& view = start->main;

    const auto expectStarts = [&](const char* key, auto press) {
        launcher.Hotkeyhotkey();
        ASSERT_TRUE(view.popupShown) << key;
        const size_t before = view.notices.size();
        press();
        EXPECT_EQ(view.notices.size(), before + 1) << key << " started nothing";
        EXPECT_FALSE(view.popupShown) << key << " left the popup shown";
    };
    expectStarts("k", [&] { launcher.Formkeypress(U'k'); });
    expectStarts("K", [&] { launcher.Formkeypress(U'K'); });
    expectStarts("5", [&] { launcher.Formkeypress(U'5'); });
    expectStarts("F12", [&] { launcher.Formkeydown(0x7B); });
    EXPECT_EQ(view.notices.back(), "Gestartet: " + quiet);
    EXPECT_EQ(fake_starts::Requests().size(), 4u);
    EXPECT_FALSE(start->state.launch.AdminMode);
    EXPECT_EQ(launcher.Caption(), "Start als User... ");

    // Unbound keys, other characters and Ctrl's control characters start nothing.
    launcher.Adminhotkeyhotkey();
    EXPECT_TRUE(start->state.launch.AdminMode);
    EXPECT_EQ(view.caption, "Start als Admin... ");
    for (char32_t key : {U'q', U'7', U'ä', U'\x0B', U' ', U'\x1B'}) {
        launcher.Formkeypress(key);
    }
    for (unsigned key : {0x70u, 0x41u, 0x7Cu}) { // F1 (unbound), A as a key, F13
        launcher.Formkeydown(key);
    }
    EXPECT_TRUE(view.popupShown);
    EXPECT_EQ(fake_starts::Requests().size(), 4u);
    EXPECT_TRUE(view.messages.empty());
    launcher.Formkeydown(0x1B);
    EXPECT_FALSE(view.popupShown);
    EXPECT_TRUE(view.trayIconShown);
    launcher.Formkeypress(U'k');
    EXPECT_EQ(fake_starts::Requests().size(), 4u)
        << "a character after its key hid the popup starts nothing";
}

TEST_F(LauncherLogicTest, StartsTheBindingAsStoredAndInAdminModeWithRaisedRights) {
    const std::string program = AProgram();
    auto start = NewStart();
    start->state.table.SetSlot(10, program, folder_.Path(), "-a \"b c\""); // K
    start->state.launch.AdminUserName = "Verwalter";
    start->state.launch.AdminPassword = "geheim";
    start->launcher.Hotkeyhotkey();
    start->launcher.Formkeypress(U'k');
    start->launcher.Adminhotkeyhotkey();
    start->launcher.Formkeypress(U'k');

    ASSERT_EQ(fake_starts::Requests().size(), 2u);
    for (const core::StartRequest& request : fake_starts::Requests()) {
        EXPECT_EQ(request.file, program);
        EXPECT_EQ(request.params, "-a \"b c\"");
        EXPECT_EQ(request.directory, folder_.Path());
    }
    EXPECT_FALSE(fake_starts::Requests()[0].elevated);
    EXPECT_TRUE(fake_starts::Requests()[1].elevated);
    EXPECT_EQ(fake_starts::Requests()[1].user, "Verwalter");
    EXPECT_EQ(fake_starts::Requests()[1].password, "geheim");
}

// No program for the file type, access denied, "No" to the elevation prompt: nothing started.
TEST_F(LauncherLogicTest, RefusedStartKeepsThePopupUpAndTellsNothing) {
    auto start = NewStart();
    start->state.table.SetSlot(10, AProgram(), "", ""); // K
    fake_starts::RefuseAll();
    start->launcher.Hotkeyhotkey();
    start->launcher.Formkeypress(U'k');
    EXPECT_EQ(fake_starts::Requests().size(), 1u);
    EXPECT_TRUE(start->main.popupShown);
    EXPECT_TRUE(start->main.notices.empty());
}

TEST_F(LauncherLogicTest, LookComesFromTheAppearanceSettings) {
    WriteIni("[EinstellungenHaupt]\r\nblinkfrequenz=1000\r\nbreite=120\r\nhoehe=90\r\nStil=2\r\n"
             "[Farben]\r\nFarbe1=$0000FF00\r\nFarbe2=-16777201\r\n"
             "[main]\r\nWidth=500\r\nHeight=500\r\nLeft=-1200\r\nTop=40\r\n");
    auto start = NewStart();
    const testing_support::FakeMainView& view = start->main;
    EXPECT_EQ(view.bounds.width, 120) << "the stored size gives way to the settings";
    EXPECT_EQ(view.bounds.height, 90);
    EXPECT_EQ(view.bounds.left, 0) << "pulled onto the screen";
    EXPECT_EQ(view.bounds.top, 40);
    EXPECT_EQ(view.blinkInterval, 1000);
    EXPECT_EQ(view.frameStyle, core::kStyleCircle);
    EXPECT_EQ(view.labelText, "Tippomat aktiv\rTaste drücken");
    EXPECT_EQ(view.labelFontSize, 0) << "no text is measured before the popup is seen";
    EXPECT_FALSE(view.popupShown) << "start-up goes straight to the tray";
    EXPECT_TRUE(view.trayIconShown);
    start->launcher.Hotkeyhotkey();
    // Every size up to 40 fits (3 by 2 characters of 40 points: 120 by 80): 39 is taken.
    EXPECT_EQ(view.labelFontSize, 39);
    EXPECT_EQ(view.labelPosition.width, (120 - 117) / 2);
    EXPECT_EQ(view.labelPosition.height, (90 - 78) / 2);
}

TEST_F(LauncherLogicTest, StartLooksForItsFilesOnlyOnceTheTrayIconIsUp) {
    WriteIni("[EinstellungenHaupt]\r\nbreite=120\r\n");
    core::ProgramState state;
    testing_support::FakeViewFactory views;
    bool iconWasUp = false;
    state.findLocation = [&] {
        iconWasUp = views.main.trayIconShown;
        return location_;
    };
    const dialogs::Program program(state, views);
    EXPECT_TRUE(iconWasUp);
    EXPECT_EQ(state.location.IniPath, location_.IniPath);
    EXPECT_EQ(views.main.bounds.width, 120) << "the look comes from the file found then";
}

TEST_F(LauncherLogicTest, FontFitsTheWindowAndTheColoursAlternateWhileShown) {
    auto start = NewStart();
    core::Tmain& launcher = start->launcher;
    testing_support::FakeMainView& view = start->main;
    launcher.Hotkeyhotkey();
    EXPECT_EQ(view.labelFontSize, 23) << "fitted before the popup is first seen";
    launcher.Verbergen();
    EXPECT_EQ(view.bounds.width, 70);
    EXPECT_EQ(view.blinkInterval, 200);
    EXPECT_EQ(view.frameStyle, core::kStyleNormal);
    EXPECT_EQ(view.labelFontSize, 23) << "24 points are 72 wide";

    launcher.Neues_Design(50, 0x123456, 0x654321, 2, 2);
    launcher.Hotkeyhotkey();
    EXPECT_EQ(view.labelFontSize, 0) << "not even size 1 fits";
    EXPECT_EQ(view.labelPosition.width, 1);

    launcher.Verbergen();
    launcher.Timertimer();
    EXPECT_EQ(view.background, 0) << "nothing changes while hidden";
    launcher.Hotkeyhotkey();
    launcher.Timertimer();
    EXPECT_EQ(view.background, 0x123456);
    launcher.Timertimer();
    EXPECT_EQ(view.background, 0x654321);
}

TEST_F(LauncherLogicTest, IdleAfterTheStartPreparesThePopupSoItsFirstShowMeasuresNothing) {
    auto start = NewStart();
    testing_support::FakeMainView& view = start->main;
    start->launcher.ApplicationEvents1Idle();
    EXPECT_TRUE(view.popupPrepared);
    EXPECT_FALSE(view.popupShown) << "nothing shows while idle";
    EXPECT_EQ(view.labelFontSize, 23);
    const int measured = view.fontsMeasured;
    start->launcher.Hotkeyhotkey();
    EXPECT_EQ(view.fontsMeasured, measured);
    start->launcher.Neues_Design(200, 0, 0, 2, 2);
    start->launcher.Hotkeyhotkey();
    EXPECT_EQ(view.labelFontSize, 0) << "a new look is fitted again";
}

TEST_F(LauncherLogicTest, BlinksWheneverThePopupIsShown) {
    auto start = NewStart();
    core::Tmain& launcher = start->launcher;
    const std::pair<const char*, std::function<void()>> shows[] = {
        {"the hotkey", [] { testing_support::fake_hotkeys::Press(0x807B); }},
        {"the admin hotkey", [] { testing_support::fake_hotkeys::Press(0x807A); }},
        {"Zeigen", [&] { launcher.MenuClick(MenuItem::Zeigen1); }},
        {"a second start", [] { components::TInstanceCheck::HandOver(4242, "Tippomat"); }},
    };
    for (const auto& [way, show] : shows) {
        EXPECT_FALSE(start->main.blinking) << "before " << way;
        show();
        EXPECT_TRUE(start->main.popupShown) << way;
        EXPECT_TRUE(start->main.blinking) << way;
        launcher.Formkeydown(0x1B);
    }
}

TEST_F(LauncherLogicTest, StopsBlinkingWheneverThePopupHides) {
    const std::string quiet = AProgram();
    auto start = NewStart();
    start->state.table.SetSlot(10, quiet, "", ""); // K
    core::Tmain& launcher = start->launcher;
    const std::pair<const char*, std::function<void()>> hides[] = {
        {"a started binding", [&] { launcher.Formkeypress(U'k'); }},
        {"Escape", [&] { launcher.Formkeydown(0x1B); }},
        {"Verbergen", [&] { launcher.MenuClick(MenuItem::Verbergen1); }},
        {"a minimise", [&] { launcher.ApplicationEvents1Minimize(); }},
        {"the settings dialog", [&] { launcher.MenuClick(MenuItem::Einstellungsdialog1); }},
    };
    for (const auto& [way, hide] : hides) {
        launcher.Hotkeyhotkey();
        ASSERT_TRUE(start->main.blinking) << "before " << way;
        hide();
        EXPECT_FALSE(start->main.popupShown) << way;
        EXPECT_FALSE(start->main.blinking) << way << ": no work while hidden";
    }
}

// A strobe of up to 1000 colour changes a second is a hazard and work for nothing.
TEST_F(LauncherLogicTest, IntervalOfZeroOrBelowKeepsTheFirstColour) {
    WriteIni("[EinstellungenHaupt]\r\nblinkfrequenz=0\r\n[Farben]\r\nFarbe1=4660\r\n");
    auto start = NewStart();
    testing_support::FakeMainView& view = start->main;
    start->launcher.Hotkeyhotkey();
    EXPECT_FALSE(view.blinking);
    EXPECT_EQ(view.background, 4660);
    start->launcher.Neues_Design(-5, 0x111111, 0x222222, 70, 70);
    EXPECT_FALSE(view.blinking);
    EXPECT_EQ(view.background, 0x111111);
    start->launcher.Neues_Design(300, 0x111111, 0x222222, 70, 70);
    EXPECT_TRUE(view.blinking) << "a shown popup blinks again";
    EXPECT_EQ(view.blinkInterval, 300);
}

// The appearance dialog stores its numbers with a fraction; the integer part holds at start.
TEST_F(LauncherLogicTest, NumbersWithAFractionAreTakenByTheirIntegerPart) {
    const std::string sep(1, platform::DecimalSeparator());
    WriteIni("[EinstellungenHaupt]\r\nblinkfrequenz=150" + sep + "7\r\nbreite=99" + sep +
             "9\r\nhoehe=abc\r\n");
    auto start = NewStart();
    EXPECT_EQ(start->main.blinkInterval, 150);
    EXPECT_EQ(start->main.bounds.width, 99);
    EXPECT_EQ(start->main.bounds.height, 70) << "no number: the default";
}

TEST_F(LauncherLogicTest, StoredDriveModeHoldsFromTheStart) {
    auto start = NewStart();
    EXPECT_EQ(start->state.launch.DriveMode, core::kDriveModeProgramDrive) << "none stored";
    WriteIni("[laufwerksform]\r\nSektionVorhanden=1\r\nlaufwerkmode=2\r\n"
             "[Check]\r\nWroteSuccesful=1\r\n");
    Restart(start);
    EXPECT_EQ(start->state.launch.DriveMode, core::kDriveModeSearch);
}

TEST_F(LauncherLogicTest, MouseAndMenu) {
    auto start = NewStart();
    start->state.table.SetSlot(0, "/bin/editor", "", "");
    start->state.table.Slot(0).Label = "A: ";
    start->state.table.BuildKeyListText();
    core::Tmain& launcher = start->launcher;
    testing_support::FakeMainView& view = start->main;

    launcher.TrayIcon1MouseDown();
    EXPECT_TRUE(view.menuEnabled[MenuItem::Zeigen1]);
    EXPECT_FALSE(view.menuEnabled[MenuItem::Verbergen1]);

    launcher.MenuClick(MenuItem::Zeigen1);
    EXPECT_TRUE(view.popupShown);
    launcher.FormMouseDown(core::MouseButton::Left);
    EXPECT_EQ(view.hint,
              "Drücke nun folgenden Buchstaben um das Programm zu starten:\r\nA:  /bin/editor");
    launcher.FormMouseDown(core::MouseButton::Right);
    EXPECT_FALSE(view.menuEnabled[MenuItem::Zeigen1]);
    EXPECT_TRUE(view.menuEnabled[MenuItem::Verbergen1]);
    EXPECT_EQ(view.menusOpened, 1);

    launcher.MenuClick(MenuItem::Hilfe1);
    EXPECT_EQ(start->hubView.helpTopics, std::vector<int>{900});
    launcher.MenuClick(MenuItem::Einstellungsdialog1);
    EXPECT_TRUE(start->hubView.shown);
    EXPECT_FALSE(view.popupShown);
    EXPECT_FALSE(start->state.hotkey.Enabled()) << "keys must reach the hub's field";
    launcher.MenuClick(MenuItem::Einstellungsdialog1);
    EXPECT_EQ(start->hubView.focused, 1) << "a shown hub only gets the focus";
    launcher.MenuClick(MenuItem::Adminmodus1);
    EXPECT_TRUE(start->adminView.shown);
}

TEST_F(LauncherLogicTest, EndingStoresTheBoundsAndNothingElse) {
    auto start = NewStart();
    start->hub.Show();
    start->hubView.SetText(THauptformular::kKuerzel, "Strg+K");
    start->main.bounds.left = 30;
    start->main.bounds.top = 40;
    start->launcher.MenuClick(MenuItem::Beenden1);
    EXPECT_TRUE(start->main.ended);
    start.reset();
    EXPECT_EQ(IniText(), "[main]\r\nWidth=70\r\nHeight=70\r\nLeft=30\r\nTop=40\r\n\r\n")
        << "an open dialog's close handler does not run at the end";
}

TEST_F(LauncherLogicTest, SecondStartBringsThisCopyToTheFront) {
    auto start = NewStart();
    start->launcher.Adminhotkeyhotkey();
    EXPECT_FALSE(components::TInstanceCheck::HandOver(4242, "Tippomat Kopie --unbekannt"));
    EXPECT_EQ(start->main.broughtToFront, 1);
    EXPECT_TRUE(start->state.launch.AdminMode);
    EXPECT_EQ(start->main.caption, "Start als Admin... ");
}

TEST_F(LauncherLogicTest, SecondStartWithPopupOptionShowsThatMode) {
    auto start = NewStart();
    start->launcher.Adminhotkeyhotkey();
    EXPECT_FALSE(components::TInstanceCheck::HandOver(4242, "\"/opt/my tools/Tippomat\" --popup"));
    EXPECT_FALSE(start->state.launch.AdminMode);
    EXPECT_EQ(start->main.caption, "Start als User... ");
    EXPECT_EQ(start->main.broughtToFront, 1) << "in front, with the keyboard";
    EXPECT_FALSE(components::TInstanceCheck::HandOver(4243, "Tippomat \"--admin-popup\""));
    EXPECT_TRUE(start->state.launch.AdminMode);
    EXPECT_EQ(start->main.caption, "Start als Admin... ");
}

TEST_F(LauncherLogicTest, HotkeyThatAnotherProgramHoldsIsToldOnce) {
    testing_support::fake_hotkeys::HoldElsewhere(0x807B); // another program's Alt+F12
    auto start = NewStart();
    EXPECT_EQ(
        start->main.notices,
        std::vector<std::string>{"Der Shortcut Alt+F12 ist von einem anderen Programm belegt."});
    EXPECT_TRUE(testing_support::fake_hotkeys::Press(0x807A));
    EXPECT_TRUE(start->main.popupShown) << "the admin hotkey works";
    start->hub.Show();
    start->hub.OkbutClick();
    EXPECT_EQ(start->main.notices.size(), 1u) << "told once per shortcut";
}

} // namespace

namespace {

TEST_F(LauncherLogicTest, WithoutATrayTheHubShowsWithTheWayToThePopup) {
    auto start = NewStart();
    start->launcher.ShowHubWithoutTray();
    EXPECT_FALSE(start->hubView.shown) << "the tray icon is enough";
    EXPECT_TRUE(start->main.messages.empty());

    start->main.trayAvailable = false;
    start->launcher.ShowHubWithoutTray();
    EXPECT_TRUE(start->hubView.shown);
    ASSERT_EQ(start->main.messages.size(), 1u);
    EXPECT_EQ(start->main.messages[0].kind, core::MessageKind::Information);
    EXPECT_NE(start->main.messages[0].text.find("keinen Infobereich"), std::string::npos);
    EXPECT_NE(start->main.messages[0].text.find("mit Alt+F12."), std::string::npos);

    // Where no key can be grabbed, the command to bind in the desktop's settings.
    start->main.grabsKeys = false;
    start->launcher.ShowHubWithoutTray();
    EXPECT_NE(start->main.messages.back().text.find(":\r" + start->state.location.ProgramPath +
                                                    " --popup"),
              std::string::npos)
        << start->main.messages.back().text;
}

// The desktop carries the hotkeys (Wayland) but gives one no key: said once, as a tray notice
// or without a tray as a message, and not again where the start without a tray named the
// command already.
TEST_F(LauncherLogicTest, HotkeyWithoutAKeyIsToldOnceWhereTheUserSeesIt) {
    auto start = NewStart();
    start->state.HotkeyWithoutKey(components::SessionShortcutGap::NoKeyAssigned,
                                  start->state.hotkey);
    start->state.HotkeyWithoutKey(components::SessionShortcutGap::NoService, start->state.hotkey);
    ASSERT_EQ(start->main.notices.size(), 1u);
    EXPECT_NE(start->main.notices[0].find("Alt+F12 nicht zugeteilt"), std::string::npos)
        << start->main.notices[0];

    Restart(start);
    start->main.trayAvailable = false;
    start->main.grabsKeys = false;
    start->state.HotkeyWithoutKey(components::SessionShortcutGap::NoService, start->state.hotkey);
    ASSERT_EQ(start->main.messages.size(), 1u);
    EXPECT_NE(start->main.messages[0].text.find(" --popup"), std::string::npos);

    Restart(start);
    start->main.trayAvailable = false;
    start->main.grabsKeys = false;
    start->launcher.ShowHubWithoutTray();
    start->state.HotkeyWithoutKey(components::SessionShortcutGap::NoService, start->state.hotkey);
    EXPECT_EQ(start->main.messages.size(), 1u);
}

} // namespace
