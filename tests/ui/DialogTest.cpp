// The settings hub and the admin dialog: stored state, hotkey capture and refusals.
#include "core/Launch.h"
#include "core/MainForm.h"
#include "dialogs/Adminformular.h"
#include "dialogs/Einstellungen.h"
#include "ui/UiFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>

using dialogs::TAdmindata;
using dialogs::THauptformular;

namespace {

constexpr const char* kUtf8Mark = "\xEF\xBB\xBF";

class DialogTest : public testing_support::UiFixture {
  protected:
    // The three windows of a start, in start-up order.
    struct Program {
        explicit Program(core::ProgramState& state)
            : launcher(state), hub(state, launcher), admin(state, launcher) {
            launcher.SetHub(&hub);
            hub.SetAdminDialog(&admin);
        }
        core::Tmain launcher;
        THauptformular hub;
        TAdmindata admin;
    };
};

TEST_F(DialogTest, FirstStartUsesDefaults) {
    Program program(state_);
    EXPECT_EQ(program.hub.kuerzel->text(), "Alt+F12");
    EXPECT_EQ(program.launcher.hotkey.Key(), 0x807B);
    EXPECT_FALSE(program.hub.PortableModus->isChecked());
    EXPECT_EQ(program.admin.kuerzel->text(), "ALT+F11");
    EXPECT_EQ(program.launcher.adminhotkey.Key(), 0x807A);
    EXPECT_TRUE(messages_.empty());
    EXPECT_FALSE(program.launcher.isVisible()) << "start-up goes straight to the tray";
}

TEST_F(DialogTest, HubCapturesShortcutAndStoresItOnMinimise) {
    {
        Program program(state_);
        program.hub.show();
        EXPECT_FALSE(program.launcher.hotkey.Enabled()) << "keys must reach the field";
        EXPECT_FALSE(program.launcher.adminhotkey.Enabled());
        QTest::keyClick(program.hub.kuerzel, Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        EXPECT_EQ(program.hub.kuerzel->text(), "Strg+Alt+K");
        QTest::keyClick(program.hub.kuerzel, Qt::Key_5, Qt::KeypadModifier);
        EXPECT_EQ(program.hub.kuerzel->text(), "5") << "keypad digits show as digits";
        QTest::keyClick(program.hub.kuerzel, Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        program.hub.OkbutClick();
        EXPECT_EQ(program.launcher.hotkey.Key(), 0xC04B);
        EXPECT_TRUE(program.launcher.hotkey.Enabled() && program.launcher.adminhotkey.Enabled());
        EXPECT_FALSE(program.hub.isVisible());
        EXPECT_EQ(
            IniText().rfind(std::string(kUtf8Mark) +
                                "[Hauptformular]\r\nSektionVorhanden=1\r\nkuerzel=Strg+Alt+K\r\n"
                                "PortableModus=0\r\n\r\n[Check]\r\nWroteSuccesful=1\r\n\r\n"
                                "[Buchstaben]\r\nA=\r\n",
                            0),
            0u)
            << IniText();
    }
    Program next(state_);
    EXPECT_EQ(next.hub.kuerzel->text(), "Strg+Alt+K");
    EXPECT_EQ(next.launcher.hotkey.Key(), 0xC04B);
}

TEST_F(DialogTest, HubRefusesTheAdminShortcut) {
    {
        Program program(state_);
        program.hub.show();
        QTest::keyClick(program.hub.kuerzel, Qt::Key_F11, Qt::AltModifier);
        program.hub.OkbutClick();
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0], "Der Shortcut konnte nicht gesetzt werden.\nEr muss sich vom "
                                "Admin-Shortcut unterscheiden!");
        EXPECT_EQ(helpContexts_[0], 400);
        EXPECT_EQ(program.launcher.hotkey.Key(), 0x807B);
        EXPECT_NE(IniText().find("kuerzel=Alt+F11"), std::string::npos)
            << "the refused text is kept";
    }

    // At the next start the admin dialog finds both equal and refuses its own.
    Program next(state_);
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(messages_[1], "Der Shortcut konnte nicht gesetzt werden.\nEr muss sich vom "
                            "allgemeinen Shortcut unterscheiden!");
    EXPECT_EQ(next.launcher.hotkey.Key(), 0x807A);
    EXPECT_EQ(next.launcher.adminhotkey.Key(), 0);
}

TEST_F(DialogTest, ClosingTheHubByItsCloseBoxSavesAndEnablesTheHotkeys) {
    Program program(state_);
    program.hub.show();
    program.hub.close();
    EXPECT_TRUE(program.launcher.hotkey.Enabled() && program.launcher.adminhotkey.Enabled());
    EXPECT_NE(IniText().find("[Hauptformular]\r\nSektionVorhanden=1\r\n"), std::string::npos);
    program.hub.show();
    QTest::keyClick(&program.hub, Qt::Key_Escape);
    EXPECT_FALSE(program.hub.isVisible());
    EXPECT_TRUE(program.launcher.hotkey.Enabled());
}

TEST_F(DialogTest, PortableSwitchMovesTheTableBesideTheProgram) {
    std::filesystem::create_directory(folder_.Path("Programm"));
    state_.location.ProgramPath = folder_.Path("Programm/Tippomat");
    WriteIni("[Buchstaben]\r\nA=/opt/editor\r\n");
    {
        Program program(state_);
        program.hub.show();
        program.hub.PortableModus->setChecked(true);
        program.hub.close();
        EXPECT_TRUE(state_.PortableMode);
        EXPECT_NE(IniText().find("PortableModus=1"), std::string::npos);
        const std::string beside =
            testing_support::ReadBytes(folder_.Path("Programm/Tippomat.ini"));
        EXPECT_NE(beside.find("[Buchstaben]\r\nA=/opt/editor\r\n"), std::string::npos);
        EXPECT_EQ(state_.table.Slot(0).Path, "/opt/editor");
    }
    Program next(state_);
    EXPECT_TRUE(next.hub.PortableModus->isChecked());
    EXPECT_EQ(state_.LaunchFile().path, folder_.Path("Programm/Tippomat.ini"));
}

TEST_F(DialogTest, FailedTableSaveIsReported) {
    state_.location.ProgramPath = folder_.Path("no-such-folder/Tippomat");
    Program program(state_);
    program.hub.show();
    program.hub.PortableModus->setChecked(true);
    program.hub.close();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], "Die Einstellungen konnten nicht gespeichert werden.\nIm "
                            "Portablemode muss das Programmverzeichnis für Benutzer beschreibbar "
                            "sein.");
    EXPECT_EQ(helpContexts_[0], 200);
}

TEST_F(DialogTest, UnwritableFileAtCloseIsReportedAndTheHotkeysWorkAgain) {
    std::filesystem::create_directory(folder_.Path("Programm"));
    state_.location.ProgramPath = folder_.Path("Programm/Tippomat");
    Program program(state_);
    program.hub.show();
    program.hub.PortableModus->setChecked(true);
    state_.location.IniPath = folder_.Path("no-such-folder/Tippomat.ini");
    program.hub.close();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_NE(messages_[0].indexOf("kann nicht geschrieben werden"), -1)
        << messages_[0].toStdString();
    EXPECT_NE(
        testing_support::ReadBytes(folder_.Path("Programm/Tippomat.ini")).find("[Buchstaben]"),
        std::string::npos)
        << "the bindings are saved all the same";
    EXPECT_TRUE(program.launcher.hotkey.Enabled() && program.launcher.adminhotkey.Enabled());
}

TEST_F(DialogTest, AdminDialogStoresAccountAndShortcut) {
    Program program(state_);
    program.hub.AdmibuttonClick();
    EXPECT_TRUE(program.admin.isVisible());
    EXPECT_FALSE(program.launcher.hotkey.Enabled());
    QTest::keyClicks(program.admin.benutzername, "admin");
    program.admin.passwort->setText("gehéim");
    program.admin.kuerzel->clear();
    QTest::keyClick(program.admin.kuerzel, Qt::Key_F5, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(program.admin.kuerzel->text(), "Umsch+Strg+F5");
    QTest::keyClick(program.admin.kuerzel, Qt::Key_Q);
    EXPECT_EQ(program.admin.kuerzel->text(), "Qq") << "a character key also types itself";
    program.admin.kuerzel->setText("Umsch+Strg+F5");
    program.admin.close();
    EXPECT_EQ(program.launcher.adminhotkey.Key(), 0x6074);
    EXPECT_TRUE(program.launcher.hotkey.Enabled() && program.launcher.adminhotkey.Enabled());
    EXPECT_EQ(core::ProcessLaunchSettings().AdminUserName, "admin");
    EXPECT_EQ(core::ProcessLaunchSettings().AdminPassword, "gehéim");
    EXPECT_NE(IniText().find("[Admindata]\r\nSektionVorhanden=1\r\nbenutzername=admin\r\n"
                             "passwort=gehéim\r\nkuerzel=Umsch+Strg+F5\r\n\r\n"),
              std::string::npos);
}

TEST_F(DialogTest, UnreadableFileIsReportedAndTheProgramRunsOn) {
    state_.location.IniPath = folder_.Path(); // a folder cannot be read as a file
    Program program(state_);
    EXPECT_GE(messages_.size(), 2u) << "hub and admin dialog report it";
    EXPECT_EQ(program.hub.kuerzel->text(), "Alt+F12");
    EXPECT_EQ(program.launcher.hotkey.Key(), 0x807B);
    const size_t before = messages_.size();
    program.admin.show();
    program.admin.close();
    EXPECT_EQ(messages_.size(), before + 1) << "the failed save is reported, not swallowed";
    EXPECT_FALSE(program.admin.isVisible());
}

TEST_F(DialogTest, UnmarkedFileIsReplacedByTheBackupAtStart) {
    {
        Program program(state_);
        program.admin.benutzername->setText("gesichert");
        program.admin.close();
    }
    { Program program(state_); } // a start with a marked file refreshes the backup
    WriteIni("[Admindata]\r\nSektionVorhanden=1\r\nbenutzername=kaputt\r\n");
    Program program(state_);
    EXPECT_EQ(program.admin.benutzername->text(), "gesichert");
}

} // namespace
