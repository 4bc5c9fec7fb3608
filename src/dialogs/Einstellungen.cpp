#include "dialogs/Einstellungen.h"

#include "config/FormState.h"
#include "config/IniFile.h"
#include "core/MainForm.h"
#include "dialogs/Adminformular.h"
#include "dialogs/ShortCut.h"
#include "ui/Hints.h"
#include "ui/ImageList.h"
#include "ui/LabeledEdit.h"
#include "ui/Messages.h"
#include "ui/ShortcutCapture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace dialogs {

namespace {

constexpr int kButtonHeight = 36;

} // namespace

THauptformular::THauptformular(core::ProgramState& state, core::Tmain& main)
    : HotkeyDialog(state, main, Qt::Dialog) {
    setObjectName("Hauptformular");
    setWindowTitle("Tippomat");
    setFixedSize(539, 184);
    ui::SetHelpContext(this, 900);

    QPushButton* installbutton =
        AddButton("installbutton", "&Installieren", 16, 17, 107, 1100, 5,
                  "Installieren|Installiert die Anwendung im Autostartmenü");
    QPushButton* admibutton =
        AddButton("admibutton", "&Admininmode", 144, 17, 120, 400, 6,
                  "Admin Einstellungen|Ruft Dialog zum Einstellungen der Daten des Admins auf");
    QPushButton* infobut = AddButton(
        "infobut", "&Info", 280, 17, 100, 1000, 1,
        "Info|Ruft Informationen zum Programm auf, erlaubt es das Programm zu aktualisieren");
    QPushButton* laufwerkbut =
        AddButton("laufwerkbut", "&Laufwerk", 16, 71, 107, 900, 3,
                  "Laufwerke|Ruft Dialog auf um das Laufwerk in allen Einträgen zu wechseln");
    QPushButton* editbutton =
        AddButton("editbutton", "&Editieren", 144, 71, 120, 200, 4,
                  "Editieren|Ruft Dialog zum Editieren der Programmliste auf");
    QPushButton* aussehenbut = AddButton("aussehenbut", "Aussehen", 280, 71, 100, 300, 7,
                                         "Aussehen|Lergt das Aussehen des Popupfensters fest, das "
                                         "beim Drücken des Hotkeys erscheint");
    QPushButton* okbut = AddButton(
        "okbut", "&Minimieren", 16, 123, 107, 900, 0,
        "Minimieren|Schließt dieses Fenster, sichtbar ist nur noch das Symbol in der Trayleiste");
    QPushButton* closebut = AddButton("Closebut", "&Schließen", 144, 123, 120, 900, 8, "");
    QPushButton* helpbut = AddButton("HelpBut", "&Hilfe", 280, 123, 100, 100, 2,
                                     "Hilfe|Hilfe zu diesem Dialog aufrufen");
    okbut->setDefault(true);
    // Their dialogs come with their own work; until then these buttons are off.
    for (QPushButton* later : {installbutton, infobut, laufwerkbut, editbutton, aussehenbut}) {
        later->setEnabled(false);
    }
    connect(admibutton, &QPushButton::clicked, this, &THauptformular::AdmibuttonClick);
    connect(okbut, &QPushButton::clicked, this, &THauptformular::OkbutClick);
    connect(closebut, &QPushButton::clicked, this, &THauptformular::ClosebutClick);
    connect(helpbut, &QPushButton::clicked, this, &THauptformular::HrelpClick);

    // Created in the order their values stand in the INI section.
    kuerzel = ui::AddLabeledEdit(this, "kuerzel", "ShortCut:", 400, 75, 97, 24);
    kuerzel->setReadOnly(true);
    kuerzel->setText("Alt+F12");
    ui::SetHelpContext(kuerzel, 400);
    ui::SetHint(kuerzel, "ShortCut| Aufruftaste fürr den Tippomat (auch mit STRG+ALT möglich)");
    ui::CaptureShortcutKeys(kuerzel);

    PortableModus = new QCheckBox("Portable Modus", this);
    PortableModus->setObjectName("PortableModus");
    PortableModus->setGeometry(400, 27, 129, 17);
    ui::SetHelpContext(PortableModus, 800);
    ui::SetHint(PortableModus, "Portable Modus|Aktiviert Speichern im Programmverzeichnis und "
                               "Starten nur vom aktuellen Laufwerk aus");

    QWidget* order[] = {installbutton, admibutton, infobut, laufwerkbut,   editbutton, aussehenbut,
                        okbut,         closebut,   helpbut, PortableModus, kuerzel};
    for (size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    FormCreate();
}

QPushButton* THauptformular::AddButton(const char* name, const QString& caption, int left, int top,
                                       int width, int helpContext, int image, const QString& hint) {
    auto* button = new QPushButton(ui::HubImage(image), caption, this);
    button->setObjectName(name);
    button->setGeometry(left, top, width, kButtonHeight);
    button->setAutoDefault(false);
    ui::SetHelpContext(button, helpContext);
    if (!hint.isEmpty()) {
        ui::SetHint(button, hint);
    }
    return button;
}

void THauptformular::FormCreate() {
    try {
        config::LoadFormState(this, IniPath());
    } catch (const config::IniFileError& error) {
        ui::ReportError(this, error);
    }
    main_.hotkey.SetKey(TextToShortCut(kuerzel->text().toStdString()));
    main_.hotkey.SetEnabled(true);
    state_.PortableMode = PortableModus->isChecked();
    try {
        config::LoadLaunchTable(state_.table, state_.LaunchFile());
    } catch (const config::IniFileError& error) {
        ui::ReportError(this, error);
    }
}

void THauptformular::OkbutClick() {
    ui::ApplyShortcutField(kuerzel, main_.hotkey, main_.adminhotkey,
                           "Der Shortcut konnte nicht gesetzt werden.\rEr muss sich vom "
                           "Admin-Shortcut unterscheiden!");
    EnableHotkeys();
    close();
    main_.Verbergen();
}

void THauptformular::FormClose() {
    state_.PortableMode = PortableModus->isChecked();
    // A file that cannot take the hub's values must not keep the bindings from being saved nor
    // leave the hotkeys off.
    try {
        config::SaveFormState(this, IniPath());
    } catch (const config::IniFileError& error) {
        ui::ReportError(this, error);
    }
    if (config::SaveLaunchTable(state_.table, state_.LaunchFile())) {
        try {
            config::LoadLaunchTable(state_.table, state_.LaunchFile());
        } catch (const config::IniFileError& error) {
            ui::ShowMessage(this, QString::fromStdString(error.what()), ui::MessageKind::Error,
                            200);
        }
    } else {
        ui::ShowMessage(this,
                        "Die Einstellungen konnten nicht gespeichert werden.\rIm Portablemode muss "
                        "das Programmverzeichnis für Benutzer beschreibbar sein.",
                        ui::MessageKind::Error, 200);
    }
    // However the hub is closed, the hotkeys that its showing switched off work again.
    EnableHotkeys();
}

void THauptformular::ClosebutClick() {
    main_.Beenden1Click();
}

void THauptformular::HrelpClick() {
    ui::ShowHelpTopic(900);
}

void THauptformular::AdmibuttonClick() {
    if (admin_ != nullptr) {
        admin_->show();
        admin_->raise();
        admin_->activateWindow();
    }
}

} // namespace dialogs
