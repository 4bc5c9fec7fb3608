#include "dialogs/Hauptformular.h"

#include "config/IniFile.h"
#include "core/HauptformularControls.h"
#include "dialogs/Adminformular.h"
#include "dialogs/EinstellungenHauptformular.h"
#include "dialogs/Laufwerksauswahl.h"
#include "dialogs/Programmliste.h"
#include "integration/Installer.h"

namespace dialogs {

namespace {

ControlLayout HubButton(ControlName name, const char* caption, int left, int top, int width,
                        int helpContext, int tabOrder, int image, const char* hint) {
    ControlLayout button{name, ControlKind::Button, left, top, width, 36, caption};
    button.helpContext = helpContext;
    button.tabOrder = tabOrder;
    button.picture = HubImage(image);
    button.hint = hint;
    return button;
}

DialogLayout MakeLayout() {
    DialogLayout form{"Hauptformular", "Tippomat", FrameKind::Dialog, 539, 184, 900, {}};
    form.controls = {
        HubButton(THauptformular::kInstallbutton, "&Installieren", 16, 17, 107, 1100, 0, 5,
                  "Installieren|Installiert die Anwendung im Autostartmenü"),
        HubButton(THauptformular::kAdmibutton, "&Admininmode", 144, 17, 120, 400, 1, 6,
                  "Admin Einstellungen|Ruft Dialog zum Einstellungen der Daten des Admins auf"),
        HubButton(THauptformular::kInfobut, "&Info", 280, 17, 100, 1000, 2, 1,
                  "Info|Ruft Informationen zum Programm auf, erlaubt es das Programm zu "
                  "aktualisieren"),
        HubButton(THauptformular::kLaufwerkbut, "&Laufwerk", 16, 71, 107, 900, 3, 3,
                  "Laufwerke|Ruft Dialog auf um das Laufwerk in allen Einträgen zu wechseln"),
        HubButton(THauptformular::kEditbutton, "&Editieren", 144, 71, 120, 200, 4, 4,
                  "Editieren|Ruft Dialog zum Editieren der Programmliste auf"),
        HubButton(THauptformular::kAussehenbut, "Aussehen", 280, 71, 100, 300, 5, 7,
                  "Aussehen|Lergt das Aussehen des Popupfensters fest, das beim Drücken des "
                  "Hotkeys erscheint"),
        HubButton(THauptformular::kOkbut, "&Minimieren", 16, 123, 107, 900, 6, 0,
                  "Minimieren|Schließt dieses Fenster, sichtbar ist nur noch das Symbol in der "
                  "Trayleiste"),
        HubButton(THauptformular::kClosebut, "&Schließen", 144, 123, 120, 900, 7, 8, ""),
        HubButton(THauptformular::kHelpBut, "&Hilfe", 280, 123, 100, 100, 8, 2,
                  "Hilfe|Hilfe zu diesem Dialog aufrufen"),
    };
    // Their dialogs come with their own work; until then these buttons are off.
    for (ControlLayout& button : form.controls) {
        button.enabled =
            button.name == THauptformular::kAdmibutton ||
            button.name == THauptformular::kLaufwerkbut ||
            button.name == THauptformular::kAussehenbut ||
            button.name == THauptformular::kEditbutton || button.name == THauptformular::kOkbut ||
            button.name == THauptformular::kClosebut || button.name == THauptformular::kHelpBut ||
            button.name == THauptformular::kInstallbutton ||
            button.name == THauptformular::kInfobut;
    }
    form.controls[6].isDefault = true;

    // Created in the order their values stand in the INI section.
    ControlLayout kuerzel{THauptformular::kKuerzel,
                          ControlKind::LabeledEdit,
                          400,
                          75,
                          97,
                          24,
                          "ShortCut:",
                          "Alt+F12"};
    kuerzel.helpContext = 400;
    kuerzel.tabOrder = 10;
    kuerzel.hint = "ShortCut| Aufruftaste fürr den Tippomat (auch mit STRG+ALT möglich)";
    kuerzel.readOnly = true;
    kuerzel.capturesShortcut = true;
    ControlLayout portable{
        THauptformular::kPortableModus, ControlKind::CheckBox, 400, 27, 129, 17, "Portable Modus"};
    portable.helpContext = 800;
    portable.tabOrder = 9;
    portable.hint = "Portable Modus|Aktiviert Speichern im Programmverzeichnis und Starten nur "
                    "vom aktuellen Laufwerk aus";
    form.controls.push_back(kuerzel);
    form.controls.push_back(portable);
    return form;
}

} // namespace

const DialogLayout& THauptformular::Form() {
    static const DialogLayout layout = MakeLayout();
    return layout;
}

THauptformular::THauptformular(core::ProgramState& state, core::Tmain& main, ViewFactory& views)
    : DialogLogic(state, views, Form()), main_(main), kuerzel_(view_, kKuerzel) {
    OnKeyDown(kKuerzel,
              [this](unsigned key, components::ShiftState shift) { KuerzelKeyDown(key, shift); });
    OnClick(kOkbut, [this] { OkbutClick(); });
    OnClick(kClosebut, [this] { ClosebutClick(); });
    OnClick(kHelpBut, [this] { HrelpClick(); });
    OnClick(kAdmibutton, [this] { AdmibuttonClick(); });
    OnClick(kLaufwerkbut, [this] { LaufwerkbutClick(); });
    OnClick(kAussehenbut, [this] { AussehenbutClick(); });
    OnClick(kEditbutton, [this] { EditbuttonClick(); });
    OnClick(kInfobut, [this] { InfobutClick(); });
    OnClick(kInstallbutton, [this] { InstallbuttonClick(); });
    FormCreate();
}

void THauptformular::FormCreate() {
    LoadFormState();
    state_.hotkey.SetKey(components::TextToShortCut(view_.Text(kKuerzel)));
    state_.hotkey.SetEnabled(true);
    state_.PortableMode = view_.Number(kPortableModus) != 0;
    try {
        config::LoadLaunchTable(state_.table, state_.LaunchFile());
    } catch (const config::IniFileError& error) {
        ReportError(error);
    }
}

void THauptformular::FormShow() {
    SetHotkeysEnabled(state_, state_.hotkey, state_.adminhotkey, false);
}

void THauptformular::KuerzelKeyDown(unsigned virtualKey, components::ShiftState shift) {
    kuerzel_.Capture(virtualKey, shift);
}

void THauptformular::OkbutClick() {
    kuerzel_.ApplyTo(state_.hotkey, state_.adminhotkey,
                     "Der Shortcut konnte nicht gesetzt werden.\rEr muss sich vom "
                     "Admin-Shortcut unterscheiden!");
    SetHotkeysEnabled(state_, state_.hotkey, state_.adminhotkey, true);
    Close();
    main_.Verbergen();
}

void THauptformular::FormClose() {
    state_.PortableMode = view_.Number(kPortableModus) != 0;
    // A file that cannot take the hub's values must not keep the bindings from being saved nor
    // leave the hotkeys off.
    SaveFormState();
    // A file that cannot be read is not saved over: its read error is told as it is.
    try {
        if (config::SaveLaunchTable(state_.table, state_.LaunchFile())) {
            config::LoadLaunchTable(state_.table, state_.LaunchFile());
        } else {
            ShowMessage(core::MessageKind::Error,
                        "Die Einstellungen konnten nicht gespeichert werden.\rIm "
                        "Portablemode muss das Programmverzeichnis für Benutzer "
                        "beschreibbar sein.",
                        200);
        }
    } catch (const config::IniFileError& error) {
        ShowMessage(core::MessageKind::Error, error.what(), 200);
    }
    // However the hub is closed, the hotkeys that its showing switched off work again.
    SetHotkeysEnabled(state_, state_.hotkey, state_.adminhotkey, true);
}

void THauptformular::ClosebutClick() {
    main_.Beenden1Click();
}

void THauptformular::HrelpClick() {
    view_.ShowHelp(900);
}

void THauptformular::AdmibuttonClick() {
    if (admin_ != nullptr) {
        admin_->Show();
    }
}

void THauptformular::LaufwerkbutClick() {
    opened_.Open<Tlaufwerksform>(state_, views_);
}

void THauptformular::AussehenbutClick() {
    opened_.Open<TEinstellungenHaupt>(state_, main_, views_);
}

void THauptformular::EditbuttonClick() {
    opened_.Open<Tprogrammliste>(state_, views_);
}

// Made per opening and gone when it closes.
void THauptformular::InfobutClick() {
    Tinfodialog info(state_, views_, infoSystem);
    info.Zipname = "Tippomat.zip";
    info.ShowModal();
}

void THauptformular::InstallbuttonClick() {
    try {
        integration::InstallAutostart("Tippomat", state_.location.ProgramPath);
        ShowMessage(core::MessageKind::Information, "Verknüpfung im Autostartmenü angelegt!", 1100);
    } catch (const integration::InstallerError&) {
        ShowMessage(core::MessageKind::Error,
                    "Das Setzen der Verknüpfung ins Autostartmenü scheiterte!", 1100);
    }
}

bool THauptformular::Offers(const std::string& button) const {
    const ControlLayout* control = Form().Find(button);
    return control != nullptr && control->kind == ControlKind::Button && control->enabled;
}

} // namespace dialogs
