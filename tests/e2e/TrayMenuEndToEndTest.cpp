// The tray menu's entries and the dialogs they open, on an X desktop, by real keys and clicks:
// "Beenden", the appearance dialog, "Installieren", the info dialog and the list editor.
#include "e2e/EndToEndFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

using testing_support::ChildProcess;
using testing_support::CommandOutput;
using testing_support::EndToEndTest;
using testing_support::Eventually;
using testing_support::FocusedWindowNamed;
using testing_support::PressXKeys;
using testing_support::TestFolder;
using testing_support::VisibleWindowNamed;
using testing_support::WaitForContent;

namespace {

TEST_F(EndToEndTest, BeendenEndsTheProgramAndStoresItsBounds) {
    Start();
    OpenTrayMenu();
    PressXKeys("Up Return");
    EXPECT_EQ(program_->Wait(10), 0);
    EXPECT_NE(testing_support::ReadBytes(folder_.Path(".config/Orvanta/Tippomat/Tippomat.ini"))
                  .find("[main]\r\nWidth="),
              std::string::npos);
}

// Whether the shown window of that name stands above another one of the program's, as a dialog
// owned by the hub does (Qt makes an unowned dialog transient for the root window).
bool TransientWindowNamed(const std::string& name) {
    const std::string window =
        CommandOutput("xdotool search --onlyvisible --name '" + name + "' | head -1");
    if (window.empty()) {
        return false;
    }
    const std::string transient =
        CommandOutput("xprop -id " + window.substr(0, window.size() - 1) + " WM_TRANSIENT_FOR");
    const size_t id = transient.find("0x");
    return id != std::string::npos &&
           CommandOutput("xprop -id " + transient.substr(id, transient.find('\n', id) - id) +
                         " WM_CLASS")
                   .find("Tippomat") != std::string::npos;
}

TEST_F(EndToEndTest, AppearanceDialogFromTheMenuResizesThePopupAtOnce) {
    Start();
    OpenTrayMenu();
    // "Einstellungen", its submenu, over "Editieren" to "Aussehen".
    PressXKeys("Up Up Right Down Down Return");
    ASSERT_TRUE(Eventually([] { return VisibleWindowNamed("Einstellung Popupfenster"); }));
    EXPECT_TRUE(TransientWindowNamed("Einstellung Popupfenster"));
    PressXKeys("Tab ctrl+a 1 5 0 Tab ctrl+a 9 0 Return");
    ASSERT_TRUE(Eventually([] { return !VisibleWindowNamed("Einstellung Popupfenster"); }));
    const std::string ini =
        testing_support::ReadBytes(folder_.Path(".config/Orvanta/Tippomat/Tippomat.ini"));
    EXPECT_NE(ini.find("breite=150\r\nhoehe=90\r\n"), std::string::npos) << ini;
    ShowPopup();
    const std::string popup =
        CommandOutput("xdotool search --onlyvisible --name 'Start als User' | head -1");
    EXPECT_NE(CommandOutput("xdotool getwindowgeometry " + popup).find("Geometry: 150x90"),
              std::string::npos);
}

TEST_F(EndToEndTest, InstallierenFromTheTrayMenuWritesAValidAutostartEntryAndTellsIt) {
    Start();
    // "Einstellungen", its submenu, over "Editieren" and "Aussehen" to "Installieren".
    OpenTrayMenu();
    PressXKeys("Up Up Right Down Down Down Return");
    const std::string entry = folder_.Path(".config/autostart/Tippomat.desktop");
    ASSERT_TRUE(Eventually([&] { return std::filesystem::exists(entry); })) << "no entry";
    EXPECT_NE(testing_support::ReadBytes(entry).find("\nExec=" TIPPOMAT_PROGRAM "\n"),
              std::string::npos);
    EXPECT_EQ(CommandOutput("desktop-file-validate '" + entry + "' 2>&1 | grep -c error:"), "0\n");
    // The message box beside the tray icon, closed with Enter.
    ASSERT_TRUE(Eventually([] {
        return CommandOutput("xdotool search --onlyvisible --class Tippomat | wc -l") == "2\n";
    })) << "no message";
    PressXKeys("Return");
    EXPECT_TRUE(Eventually([] {
        return CommandOutput("xdotool search --onlyvisible --class Tippomat | wc -l") == "1\n";
    }));
}

TEST_F(EndToEndTest, InformationFromTheTrayMenuShowsTheInfoDialogUntilOk) {
    Start();
    // "Einstellungen", its submenu, from its last entry "Hilfe" up to "Information".
    OpenTrayMenu();
    PressXKeys("Up Up Right Up Up Return");
    ASSERT_TRUE(Eventually([] { return VisibleWindowNamed("Info "); })) << "no info dialog";
    EXPECT_TRUE(TransientWindowNamed("Info "));
    PressXKeys("Return");
    EXPECT_TRUE(Eventually([] { return !VisibleWindowNamed("Info "); }));
}

// A binding added through the list and the binding editor and confirmed with OK is in the file
// and starts; one deleted there no longer does.
TEST_F(EndToEndTest, BindingAddedAndDeletedInTheListEditor) {
    const std::string ini = folder_.Path(".config/Orvanta/Tippomat/Tippomat.ini");
    const std::string script = folder_.Path("d.sh");
    Recorder("d.sh");
    Start();
    ASSERT_NO_FATAL_FAILURE(OpenList());
    EXPECT_TRUE(TransientWindowNamed("^Einstellungen$"));
    PressXKeys("alt+a");
    ASSERT_TRUE(Eventually([] { return FocusedWindowNamed("^Einstellungen für den Aufruf$"); }));
    // The key D, past "Verzeichnis" into the program field; Enter is OK.
    PressXKeys("d Tab Tab");
    CommandOutput("xdotool type --delay 20 '" + script + "'");
    PressXKeys("Return");
    ASSERT_TRUE(Eventually([] { return !VisibleWindowNamed("^Einstellungen für den Aufruf$"); }));
    ASSERT_NO_FATAL_FAILURE(ConfirmList());
    EXPECT_NE(testing_support::ReadBytes(ini).find("\r\nD=" + script + "\r\n"), std::string::npos);
    ShowPopup();
    PressXKeys("d");
    EXPECT_NE(WaitForContent(mark_, "d.sh").find("d.sh cwd="), std::string::npos);

    // The row of K chosen by typing its key in the grid, which comes after the buttons, and
    // "&Löschen" pressed from the keyboard.
    ASSERT_NO_FATAL_FAILURE(OpenList());
    EXPECT_TRUE(TransientWindowNamed("^Einstellungen$"));
    PressXKeys("shift+Tab k Tab Tab space");
    ASSERT_NO_FATAL_FAILURE(ConfirmList());
    EXPECT_NE(testing_support::ReadBytes(ini).find("\r\nK=\r\n"), std::string::npos)
        << testing_support::ReadBytes(ini);
    // K starts nothing and keeps the popup up, so the D after it starts once more.
    ShowPopup();
    PressXKeys("k d");
    EXPECT_TRUE(Eventually([&] {
        const std::string mark = testing_support::ReadBytes(mark_);
        return mark.find("d.sh", mark.find("d.sh") + 1) != std::string::npos;
    }));
    EXPECT_EQ(testing_support::ReadBytes(mark_).find("k.sh"), std::string::npos);
}

} // namespace
