#include "dialogs/Einstellungen.h"

#include "config/IniFile.h"
#include "dialogs/Adminformular.h"

namespace dialogs {

namespace {

ControlLayout HubButton(const char* name, const char* caption, int left, int top, int width,
                        int helpContext, int tabOrder, int image, const char* hint) {
    ControlLayout button{name, ControlType::Button, left, top, width, 36, caption};
    button.helpContext = helpContext;
    button.tabOrder = tabOrder;
    button.picture = HubImage(image);
    button.hint = hint;
    return button;
}

FormLayout MakeLayout() {
    FormLayout form{"Hauptformular", "Tippomat", FrameKind::Dialog, 539, 184, 900, {}};
    form.controls = {
        HubButton("installbutton", "&Installieren", 16, 17, 107, 1100, 0, 5,
                  "Installieren|Installiert die Anwendung im Autostartmenü"),
        HubButton("admibutton", "&Admininmode", 144, 17, 120, 400, 1, 6,
                  "Admin Einstellungen|Ruft Dialog zum Einstellungen der Daten des Admins auf"),
        HubButton("infobut", "&Info", 280, 17, 100, 1000, 2, 1,
                  "Info|Ruft Informationen zum Programm auf, erlaubt es das Programm zu "
                  "aktualisieren"),
        HubButton("laufwerkbut", "&Laufwerk", 16, 71, 107, 900, 3, 3,
                  "Laufwerke|Ruft Dialog auf um das Laufwerk in allen Einträgen zu wechseln"),
        HubButton("editbutton", "&Editieren", 144, 71, 120, 200, 4, 4,
                  "Editieren|Ruft Dialog zum Editieren der Programmliste auf"),
        HubButton("aussehenbut", "Aussehen", 280, 71, 100, 300, 5, 7,
                  "Aussehen|Lergt das Aussehen des Popupfensters fest, das beim Drücken des "
                  "Hotkeys erscheint"),
        HubButton("okbut", "&Minimieren", 16, 123, 107, 900, 6, 0,
                  "Minimieren|Schließt dieses Fenster, sichtbar ist nur noch das Symbol in der "
                  "Trayleiste"),
        HubButton("Closebut", "&Schließen", 144, 123, 120, 900, 7, 8, ""),
        HubButton("HelpBut", "&Hilfe", 280, 123, 100, 100, 8, 2,
                  "Hilfe|Hilfe zu diesem Dialog aufrufen"),
    };
    // Their dialogs come with their own work; until then these buttons are off.
    for (ControlLayout& button : form.controls) {
        button.enabled = button.name == "admibutton" || button.name == "okbut" ||
                         button.name == "Closebut" || button.name == "HelpBut";
    }
    form.controls[6].isDefault = true;

    // Created in the order their values stand in the INI section.
    ControlLayout kuerzel{
        "kuerzel", ControlType::LabeledEdit, 400, 75, 97, 24, "ShortCut:", "Alt+F12"};
    kuerzel.helpContext = 400;
    kuerzel.tabOrder = 10;
    kuerzel.hint = "ShortCut| Aufruftaste fürr den Tippomat (auch mit STRG+ALT möglich)";
    kuerzel.readOnly = true;
    kuerzel.capturesShortcut = true;
    ControlLayout portable{"PortableModus", ControlType::CheckBox, 400, 27, 129, 17,
                           "Portable Modus"};
    portable.helpContext = 800;
    portable.tabOrder = 9;
    portable.hint = "Portable Modus|Aktiviert Speichern im Programmverzeichnis und Starten nur "
                    "vom aktuellen Laufwerk aus";
    form.controls.push_back(kuerzel);
    form.controls.push_back(portable);
    return form;
}

} // namespace

const FormLayout& THauptformular::Form() {
    static const FormLayout layout = MakeLayout();
    return layout;
}

THauptformular::THauptformular(core::ProgramState& state, core::Tmain& main, DialogView& view)
    : HotkeyDialog(state, view), main_(main) {
    FormCreate();
}

void THauptformular::FormCreate() {
    LoadState();
    state_.hotkey.SetKey(components::TextToShortCut(view_.Text("kuerzel")));
    state_.hotkey.SetEnabled(true);
    state_.PortableMode = view_.Number("PortableModus") != 0;
    try {
        config::LoadLaunchTable(state_.table, state_.LaunchFile());
    } catch (const config::IniFileError& error) {
        ReportError(error);
    }
}

void THauptformular::FormShow() {
    SetHotkeysEnabled(state_.hotkey, state_.adminhotkey, false);
}

void THauptformular::OkbutClick() {
    ApplyShortcutField(state_.hotkey, state_.adminhotkey,
                       "Der Shortcut konnte nicht gesetzt werden.\rEr muss sich vom "
                       "Admin-Shortcut unterscheiden!");
    SetHotkeysEnabled(state_.hotkey, state_.adminhotkey, true);
    Close();
    main_.Verbergen();
}

void THauptformular::FormClose() {
    state_.PortableMode = view_.Number("PortableModus") != 0;
    // A file that cannot take the hub's values must not keep the bindings from being saved nor
    // leave the hotkeys off.
    SaveState();
    // A file that cannot be read is not saved over: its read error is told as it is.
    try {
        if (config::SaveLaunchTable(state_.table, state_.LaunchFile())) {
            config::LoadLaunchTable(state_.table, state_.LaunchFile());
        } else {
            view_.ShowMessage(core::MessageKind::Error,
                              "Die Einstellungen konnten nicht gespeichert werden.\rIm "
                              "Portablemode muss das Programmverzeichnis für Benutzer "
                              "beschreibbar sein.",
                              200);
        }
    } catch (const config::IniFileError& error) {
        view_.ShowMessage(core::MessageKind::Error, error.what(), 200);
    }
    // However the hub is closed, the hotkeys that its showing switched off work again.
    SetHotkeysEnabled(state_.hotkey, state_.adminhotkey, true);
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

bool THauptformular::Offers(const std::string& button) const {
    const ControlLayout* control = Form().Find(button);
    return control != nullptr && control->type == ControlType::Button && control->enabled;
}

void THauptformular::Click(const std::string& control) {
    if (control == "okbut") {
        OkbutClick();
    } else if (control == "Closebut") {
        ClosebutClick();
    } else if (control == "HelpBut") {
        HrelpClick();
    } else if (control == "admibutton") {
        AdmibuttonClick();
    }
}

} // namespace dialogs
