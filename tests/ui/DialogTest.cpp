// The Qt face of the hub and the admin dialog: controls made from the layout, keys and clicks
// reaching the logic, closes running its close handler.
#include "ui/UiFixture.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using dialogs::TAdmindata;
using dialogs::THauptformular;

namespace {

class DialogTest : public testing_support::UiFixture {
  protected:
    static QLineEdit* Field(QWidget& dialog, dialogs::ControlName name) {
        return dialog.findChild<QLineEdit*>(name.c_str());
    }
    static bool HotkeysEnabled(const Start& start) {
        return start.state.hotkey.Enabled() && start.state.adminhotkey.Enabled();
    }
};

TEST_F(DialogTest, HubIsBuiltFromItsLayout) {
    Start start(folder_);
    QDialog& hub = *start.hub.Window();
    EXPECT_EQ(hub.windowTitle(), "Tippomat");
    EXPECT_EQ(hub.size(), QSize(539, 184));
    auto* okbut = hub.findChild<QPushButton*>(THauptformular::kOkbut.c_str());
    ASSERT_NE(okbut, nullptr);
    EXPECT_EQ(okbut->text(), "&Minimieren");
    EXPECT_EQ(okbut->geometry(), QRect(16, 123, 107, 36));
    EXPECT_TRUE(okbut->isDefault());
    EXPECT_TRUE(okbut->toolTip().contains("Trayleiste"));
    EXPECT_TRUE(hub.findChild<QPushButton*>(THauptformular::kEditbutton.c_str())->isEnabled());
    EXPECT_TRUE(Field(hub, THauptformular::kKuerzel)->isReadOnly());
    EXPECT_EQ(Field(hub, THauptformular::kKuerzel)->text(), "Alt+F12");
    EXPECT_EQ(hub.findChild<QCheckBox*>(THauptformular::kPortableModus.c_str())->text(),
              "Portable Modus");

    // Tab order: the nine buttons row by row, then the check box, then the field.
    QStringList order;
    QWidget* widget = hub.findChild<QPushButton*>(THauptformular::kInstallbutton.c_str());
    for (int i = 0; i < 11; ++i, widget = widget->nextInFocusChain()) {
        while (widget->focusPolicy() == Qt::NoFocus) {
            widget = widget->nextInFocusChain();
        }
        order << widget->objectName();
    }
    EXPECT_EQ(
        order,
        (QStringList{THauptformular::kInstallbutton.c_str(), THauptformular::kAdmibutton.c_str(),
                     THauptformular::kInfobut.c_str(), THauptformular::kLaufwerkbut.c_str(),
                     THauptformular::kEditbutton.c_str(), THauptformular::kAussehenbut.c_str(),
                     THauptformular::kOkbut.c_str(), THauptformular::kClosebut.c_str(),
                     THauptformular::kHelpBut.c_str(), THauptformular::kPortableModus.c_str(),
                     THauptformular::kKuerzel.c_str()}));
}

TEST_F(DialogTest, ShortcutFieldCapturesAndDialogKeysKeepTheirMeaning) {
    Start start(folder_);
    start.program.hauptformular.Show();
    QLineEdit* kuerzel = Field(*start.hub.Window(), THauptformular::kKuerzel);
    QTest::keyClick(kuerzel, Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(kuerzel->text(), "Strg+Alt+K");
    QTest::keyClick(kuerzel, Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(kuerzel->text(), "5");
    QTest::keyClick(kuerzel, Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
    // Enter presses "&Minimieren": the shortcut becomes the hotkey, never Enter itself.
    QTest::keyClick(kuerzel, Qt::Key_Return);
    EXPECT_FALSE(start.hub.Window()->isVisible());
    EXPECT_EQ(kuerzel->text(), "Strg+Alt+K");
    EXPECT_EQ(start.state.hotkey.Key(), 0xC04B);
    EXPECT_TRUE(HotkeysEnabled(start));

    start.program.hauptformular.Show();
    QTest::keyClick(kuerzel, Qt::Key_Escape);
    EXPECT_FALSE(start.hub.Window()->isVisible()) << "Escape closes";
    EXPECT_EQ(kuerzel->text(), "Strg+Alt+K");
    EXPECT_TRUE(HotkeysEnabled(start)) << "every close runs the close handler";
}

TEST_F(DialogTest, AltWithALetterIsAShortcutAndEnterPressesTheFocusedButton) {
    Start start(folder_);
    start.program.hauptformular.Show();
    QDialog& hub = *start.hub.Window();
    QLineEdit* kuerzel = Field(hub, THauptformular::kKuerzel);
    kuerzel->setFocus();
    QTest::keyClick(kuerzel, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(kuerzel->text(), "Alt+S") << "not the mnemonic of \"&Schließen\"";
    EXPECT_TRUE(hub.isVisible());

    auto* help = hub.findChild<QPushButton*>(THauptformular::kHelpBut.c_str());
    help->setFocus();
    QTest::keyClick(help, Qt::Key_Return);
    EXPECT_TRUE(hub.isVisible()) << "Enter on \"&Hilfe\" is no \"&Minimieren\"";
    EXPECT_EQ(kuerzel->text(), "Alt+S");
}

TEST_F(DialogTest, CloseBoxRunsTheCloseHandlerAndRestoringRunsNoShowHandler) {
    Start start(folder_);
    start.program.hauptformular.Show();
    EXPECT_FALSE(start.state.hotkey.Enabled());
    start.hub.Window()->close();
    EXPECT_TRUE(HotkeysEnabled(start));
    EXPECT_NE(IniText().find("[Hauptformular]\r\nSektionVorhanden=1\r\n"), std::string::npos);

    // The admin dialog closed while the hub is open enables both; restoring the minimised hub
    // then must not switch them off again.
    start.program.hauptformular.Show();
    start.program.hauptformular.AdmibuttonClick();
    start.admin.Window()->close();
    EXPECT_TRUE(HotkeysEnabled(start));
    start.hub.Window()->showMinimized();
    start.hub.Window()->showNormal();
    EXPECT_TRUE(HotkeysEnabled(start));
}

TEST_F(DialogTest, AdminFieldTypesCharactersAfterTheShortcutText) {
    Start start(folder_);
    QDialog& admin = *start.admin.Window();
    EXPECT_EQ(admin.windowTitle(), "Administratoreinstellungen");
    EXPECT_EQ(Field(admin, TAdmindata::kPasswort)->echoMode(), QLineEdit::Normal);
    start.program.admindata.Show();
    QLineEdit* kuerzel = Field(admin, TAdmindata::kKuerzel);
    kuerzel->clear();
    QTest::keyClick(kuerzel, Qt::Key_F5, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(kuerzel->text(), "Umsch+Strg+F5");
    QTest::keyClick(kuerzel, Qt::Key_Q);
    EXPECT_EQ(kuerzel->text(), "Qq") << "a character key also types itself";
    QTest::keyClicks(Field(admin, TAdmindata::kBenutzername), "admin");
    kuerzel->setText("Umsch+Strg+F5");
    admin.findChild<QPushButton*>(TAdmindata::kOkbut.c_str())->click();
    EXPECT_FALSE(admin.isVisible());
    EXPECT_EQ(start.state.adminhotkey.Key(), 0x6074);
    EXPECT_EQ(start.state.launch.AdminUserName, "admin");
}

TEST_F(DialogTest, RefusalIsShownAsAMessageBox) {
    Start start(folder_);
    start.program.hauptformular.Show();
    QTest::keyClick(Field(*start.hub.Window(), THauptformular::kKuerzel), Qt::Key_F11,
                    Qt::AltModifier);
    start.hub.Window()->findChild<QPushButton*>(THauptformular::kOkbut.c_str())->click();
    ASSERT_EQ(answers_.messages.size(), 1u);
    EXPECT_EQ(answers_.messages[0].text,
              "Der Shortcut konnte nicht gesetzt werden.\rEr muss sich vom "
              "Admin-Shortcut unterscheiden!");
}

} // namespace
