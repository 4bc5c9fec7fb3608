#include "dialogs/Adminformular.h"

#include "config/FormState.h"
#include "config/IniFile.h"
#include "core/Launch.h"
#include "core/MainForm.h"
#include "ui/Hints.h"
#include "ui/LabeledEdit.h"
#include "ui/Messages.h"
#include "ui/ShortcutCapture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace dialogs {

TAdmindata::TAdmindata(core::ProgramState& state, core::Tmain& main)
    : HotkeyDialog(state, main, Qt::Tool) {
    setObjectName("Admindata");
    setWindowTitle("Administratoreinstellungen");
    setFixedSize(255, 264);
    ui::SetHelpContext(this, 400);

    benutzername = ui::AddLabeledEdit(this, "benutzername", "Benutzername:", 16, 32, 205, 24);
    ui::SetHint(benutzername, "Benutzername|Der Benutzername des Administratoracccounts");
    passwort = ui::AddLabeledEdit(this, "passwort", "Passwort:", 16, 88, 205, 24);
    ui::SetHint(passwort, "Passwort|Das Passwort des Administratoirs, benötigt um einen Prozess "
                          "mit erhöhten Rechten zu starten");
    kuerzel = ui::AddLabeledEdit(this, "kuerzel", "Tastenkürzel:", 16, 144, 121, 24);
    kuerzel->setText("ALT+F11");
    ui::SetHint(kuerzel, "Shortcut|Tastenkombination unter der ein Programm mit "
                         "Administratorechten aufgerufen wird");
    ui::CaptureShortcutKeys(kuerzel);

    auto* okbut = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK", this);
    okbut->setObjectName("okbut");
    okbut->setGeometry(16, 200, 100, 36);
    okbut->setDefault(true);
    ui::SetHint(okbut, "Ok|Dialog schließen");
    auto* helpbut =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), "Hilfe", this);
    helpbut->setObjectName("helpbut");
    helpbut->setGeometry(136, 200, 100, 36);
    helpbut->setAutoDefault(false);
    ui::SetHint(helpbut, "Hilfe|Hilfe zu diesem Dialog aufrufen.");
    for (QWidget* control :
         std::initializer_list<QWidget*>{benutzername, passwort, kuerzel, okbut, helpbut}) {
        ui::SetHelpContext(control, 700);
    }
    setTabOrder(benutzername, passwort);
    setTabOrder(passwort, kuerzel);
    setTabOrder(kuerzel, okbut);
    setTabOrder(okbut, helpbut);
    connect(okbut, &QPushButton::clicked, this, &TAdmindata::OkbutClick);
    connect(helpbut, &QPushButton::clicked, this, &TAdmindata::HelpbutClick);
    FormCreate();
}

void TAdmindata::FormCreate() {
    try {
        config::LoadFormState(this, IniPath());
    } catch (const config::IniFileError& error) {
        ui::ReportError(this, error);
    }
    Savedata();
}

void TAdmindata::Savedata() {
    core::LaunchSettings& settings = core::ProcessLaunchSettings();
    settings.AdminUserName = benutzername->text().toStdString();
    settings.AdminPassword = passwort->text().toStdString();
    ui::ApplyShortcutField(kuerzel, main_.adminhotkey, main_.hotkey,
                           "Der Shortcut konnte nicht gesetzt werden.\rEr muss sich vom "
                           "allgemeinen Shortcut unterscheiden!");
    EnableHotkeys();
}

void TAdmindata::OkbutClick() {
    close();
}

void TAdmindata::FormClose() {
    Savedata();
    config::SaveFormState(this, IniPath());
}

void TAdmindata::HelpbutClick() {
    ui::ShowHelpTopic(700);
}

} // namespace dialogs
