// The settings hub: stored state, shortcut capture, the refusal and the portable switch.
#include "logic/AutostartFolder.h"
#include "logic/LogicFixture.h"

#include "dialogs/EinstellungenHauptformular.h"
#include "dialogs/Info.h"
#include "dialogs/Laufwerksauswahl.h"
#include "dialogs/Programmliste.h"
#include "platform/FileSystem.h"

#include <filesystem>
#include <functional>
#include <utility>

using dialogs::TAdmindata;
using dialogs::THauptformular;
using dialogs::Tinfodialog;

namespace {

constexpr components::ShiftState kCtrlAlt{false, true, true};

class HubLogicTest : public testing_support::LogicFixture {};

TEST_F(HubLogicTest, FirstStartUsesDefaults) {
    auto start = NewStart();
    EXPECT_EQ(start->hubView.Text(THauptformular::kKuerzel), "Alt+F12");
    EXPECT_EQ(start->state.hotkey.Key(), 0x807B);
    EXPECT_FALSE(start->state.PortableMode);
    EXPECT_EQ(start->adminView.Text(TAdmindata::kKuerzel), "ALT+F11");
    EXPECT_EQ(start->state.adminhotkey.Key(), 0x807A);
    EXPECT_TRUE(BothHotkeysHeld(*start));
    EXPECT_EQ(start->hubView.messages.size(), 0u) << "the hub tells nothing";
    EXPECT_EQ(start->adminView.messages.size(), 0u) << "the admin dialog tells nothing";
    EXPECT_FALSE(platform::FileExists(location_.IniPath)) << "a start writes nothing";
}

TEST_F(HubLogicTest, CapturesShortcutAndStoresItOnMinimise) {
    auto start = NewStart();
    start->hub.Show();
    EXPECT_TRUE(start->hubView.shown);
    EXPECT_TRUE(NoHotkeyHeld()) << "keys must reach the field";
    start->hub.KeyDown(THauptformular::kKuerzel, 'K', kCtrlAlt);
    EXPECT_EQ(start->hubView.Text(THauptformular::kKuerzel), "Strg+Alt+K");
    start->hub.KeyDown(THauptformular::kKuerzel, 0x65, {});
    EXPECT_EQ(start->hubView.Text(THauptformular::kKuerzel), "5") << "keypad digits show as digits";
    start->hub.KeyDown(THauptformular::kKuerzel, 'K', kCtrlAlt);
    // Enter, Escape and Tab keep their dialog meaning and are never a shortcut.
    for (unsigned dialogKey : {0x0Du, 0x1Bu, 0x09u}) {
        start->hub.KeyDown(THauptformular::kKuerzel, dialogKey, {});
    }
    EXPECT_EQ(start->hubView.Text(THauptformular::kKuerzel), "Strg+Alt+K");
    start->hub.OkbutClick();
    EXPECT_EQ(start->state.hotkey.Key(), 0xC04B);
    EXPECT_TRUE(BothHotkeysHeld(*start));
    EXPECT_FALSE(start->hubView.shown);
    EXPECT_FALSE(start->main.popupShown);
    EXPECT_EQ(IniText().rfind("[Hauptformular]\r\nSektionVorhanden=1\r\nkuerzel=Strg+Alt+K\r\n"
                              "PortableModus=0\r\n\r\n[Check]\r\nWroteSuccesful=1\r\n\r\n"
                              "[Buchstaben]\r\nA=\r\n",
                              0),
              0u)
        << IniText();

    Restart(start);
    EXPECT_EQ(start->hubView.Text(THauptformular::kKuerzel), "Strg+Alt+K");
    EXPECT_EQ(start->state.hotkey.Key(), 0xC04B);
}

TEST_F(HubLogicTest, RefusesTheAdminShortcutAndKeepsTheText) {
    auto start = NewStart();
    start->hub.Show();
    start->hub.KeyDown(THauptformular::kKuerzel, 0x7A, {false, false, true});
    start->hub.OkbutClick();
    ASSERT_EQ(start->hubView.messages.size(), 1u);
    EXPECT_EQ(start->hubView.messages[0].text,
              "Der Shortcut konnte nicht gesetzt werden.\rEr muss sich vom "
              "Admin-Shortcut unterscheiden!");
    EXPECT_EQ(start->hubView.messages[0].kind, core::MessageKind::Error);
    EXPECT_EQ(start->hubView.messages[0].helpContext, 400);
    EXPECT_EQ(start->state.hotkey.Key(), 0x807B);
    EXPECT_NE(IniText().find("kuerzel=Alt+F11"), std::string::npos) << "the refused text is kept";

    // At the next start the admin dialog finds both equal and refuses its own.
    Restart(start);
    ASSERT_EQ(start->adminView.messages.size(), 1u);
    EXPECT_EQ(start->adminView.messages[0].text,
              "Der Shortcut konnte nicht gesetzt werden.\rEr muss sich vom "
              "allgemeinen Shortcut unterscheiden!");
    EXPECT_EQ(start->state.hotkey.Key(), 0x807A);
    EXPECT_EQ(start->state.adminhotkey.Key(), 0);
}

TEST_F(HubLogicTest, EveryCloseSavesAndRegistersBothHotkeysAgain) {
    const std::pair<const char*, std::function<void(dialogs::THauptformular&)>> closes[] = {
        {"Minimieren", [](dialogs::THauptformular& hub) { hub.Clicked(THauptformular::kOkbut); }},
        {"the close box, Escape or Alt+F4", [](dialogs::THauptformular& hub) { hub.FormClose(); }},
    };
    for (const auto& [way, close] : closes) {
        auto start = NewStart();
        start->launcher.MenuClick(core::MenuItem::Einstellungsdialog1);
        ASSERT_TRUE(NoHotkeyHeld()) << way;
        close(start->hub);
        EXPECT_TRUE(BothHotkeysHeld(*start)) << way;
        EXPECT_TRUE(testing_support::fake_hotkeys::Press(0x807B)) << way;
        EXPECT_TRUE(start->main.popupShown) << way << ": the hotkey works again";
        EXPECT_NE(IniText().find("[Hauptformular]\r\nSektionVorhanden=1\r\n"), std::string::npos)
            << way;
    }
}

TEST_F(HubLogicTest, CloseButtonEndsTheProgramWithoutSaving) {
    auto start = NewStart();
    start->hub.Show();
    start->hubView.SetText(THauptformular::kKuerzel, "Strg+K");
    start->hub.Clicked(THauptformular::kClosebut);
    EXPECT_TRUE(start->main.ended);
    EXPECT_FALSE(platform::FileExists(location_.IniPath));
}

class PortableHubTest : public HubLogicTest {
  protected:
    PortableHubTest() {
        std::filesystem::create_directories(std::filesystem::u8path(folder_.Path("Programm")));
        location_.ProgramPath = folder_.Path("Programm/Tippomat");
    }
    std::string PortableText() const {
        return testing_support::ReadBytes(folder_.Path("Programm/Tippomat.ini"));
    }
};

TEST_F(PortableHubTest, SwitchMovesTheTableBesideTheProgram) {
    auto start = NewStart();
    start->state.table.SetSlot(2, "C:\\Werkzeug\\x.exe", "", "-v");
    start->hub.Show();
    start->hubView.SetNumber(THauptformular::kPortableModus, 1);
    EXPECT_FALSE(start->state.PortableMode) << "the switch counts when the hub closes";
    start->hub.OkbutClick();
    EXPECT_TRUE(start->state.PortableMode);
    EXPECT_NE(PortableText().find("C=C:\\Werkzeug\\x.exe\r\n"), std::string::npos);
    EXPECT_NE(IniText().find("PortableModus=1"), std::string::npos);
    EXPECT_EQ(IniText().find("[Buchstaben]"), std::string::npos) << IniText();
    Restart(start);
    EXPECT_TRUE(start->state.PortableMode);
    EXPECT_EQ(start->hubView.Number(THauptformular::kPortableModus), 1);
}

TEST_F(PortableHubTest, UnwritableFileAtTheCloseIsReportedAndTheBindingsAreSavedAllTheSame) {
    auto start = NewStart();
    start->hub.Show();
    start->hubView.SetNumber(THauptformular::kPortableModus, 1);
    start->state.location.IniPath = folder_.Path("no-such-folder/Tippomat.ini");
    start->hub.FormClose();
    ASSERT_EQ(start->hubView.messages.size(), 1u);
    EXPECT_NE(start->hubView.messages[0].text.find("kann nicht geschrieben werden"),
              std::string::npos);
    EXPECT_NE(PortableText().find("[Buchstaben]"), std::string::npos)
        << "the bindings are saved all the same";
    EXPECT_TRUE(BothHotkeysHeld(*start));
}

TEST_F(PortableHubTest, UnreadableTableFileIsToldAsAReadErrorAndKeptAsItIs) {
    auto start = NewStart();
    start->hub.Show();
    start->hubView.SetNumber(THauptformular::kPortableModus, 1);
    // A folder where the file beside the program should be cannot be read as a file.
    std::filesystem::create_directories(
        std::filesystem::u8path(folder_.Path("Programm/Tippomat.ini")));
    start->hub.FormClose();
    ASSERT_EQ(start->hubView.messages.size(), 1u);
    EXPECT_EQ(start->hubView.messages[0].text.find("Die Einstellungen konnten nicht"),
              std::string::npos)
        << "not the message for an unwritable file";
    EXPECT_EQ(start->hubView.messages[0].helpContext, 200);
    EXPECT_TRUE(BothHotkeysHeld(*start));
}

TEST_F(HubLogicTest, InstallFromTheTrayMenuPlacesTheAutostartEntryAndTellsIt) {
    testing_support::AutostartFolder autostart(folder_);
    auto start = NewStart();
    start->launcher.MenuClick(core::MenuItem::Installieren1);
    EXPECT_TRUE(platform::FileExists(autostart.EntryFor(location_.ProgramPath)));
    ASSERT_EQ(start->hubView.messages.size(), 1u);
    EXPECT_EQ(start->hubView.messages[0].kind, core::MessageKind::Information);
    EXPECT_EQ(start->hubView.messages[0].text, "Verknüpfung im Autostartmenü angelegt!");
    EXPECT_EQ(start->hubView.messages[0].helpContext, 1100);

    autostart.Break();
    start->hub.InstallbuttonClick();
    ASSERT_EQ(start->hubView.messages.size(), 2u);
    EXPECT_EQ(start->hubView.messages[1].kind, core::MessageKind::Error);
    EXPECT_EQ(start->hubView.messages[1].text,
              "Das Setzen der Verknüpfung ins Autostartmenü scheiterte!");
}

TEST_F(HubLogicTest, InformationOpensTheInfoDialogModalForTheUpdateArchive) {
    testing_support::fake_info_system::Reset().system.homepage = "https://home.example/";
    auto start = NewStart();
    std::vector<std::string> seen;
    start->views.whileModal["infodialog"] = [&](testing_support::FakeDialogView& view) {
        seen.push_back(view.Text(Tinfodialog::kHomepagelabel));
        view.user.Clicked(Tinfodialog::kOkbut);
        seen.push_back(view.shown ? "shown" : "closed");
    };
    start->launcher.MenuClick(core::MenuItem::Information1);
    EXPECT_EQ(seen, (std::vector<std::string>{"Homepage: https://home.example/", "closed"}));
}

// Owned, they stand above the hub and share its taskbar button, also while the hub is hidden.
TEST_F(HubLogicTest, DialogsOfTheTrayMenuAreOwnedByTheHub) {
    auto start = NewStart();
    const std::pair<core::MenuItem, std::string> dialogs[] = {
        {core::MenuItem::Editieren1, dialogs::Tprogrammliste::Form().name},
        {core::MenuItem::Laufwerkwechseln1, dialogs::Tlaufwerksform::Form().name},
        {core::MenuItem::Aussehen1, dialogs::TEinstellungenHaupt::Form().name},
    };
    for (const auto& [item, name] : dialogs) {
        start->launcher.MenuClick(item);
        EXPECT_EQ(start->views.View(name).owner, &start->hubView) << name;
    }
    const dialogs::DialogView* infoOwner = nullptr;
    start->views.whileModal["infodialog"] = [&](testing_support::FakeDialogView& view) {
        infoOwner = view.owner;
    };
    start->launcher.MenuClick(core::MenuItem::Information1);
    EXPECT_EQ(infoOwner, &start->hubView);
    EXPECT_FALSE(start->hubView.shown);
}

} // namespace
