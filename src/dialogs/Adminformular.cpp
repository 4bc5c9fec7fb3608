#include "dialogs/Adminformular.h"

namespace dialogs {

namespace {

ControlLayout AdminControl(const char* name, ControlType type, int left, int top, int width,
                           int height, const char* caption, int tabOrder, const char* hint) {
    ControlLayout control{name, type, left, top, width, height, caption};
    control.helpContext = 700;
    control.tabOrder = tabOrder;
    control.hint = hint;
    return control;
}

FormLayout MakeLayout() {
    FormLayout form{"Admindata", "Administratoreinstellungen", FrameKind::ToolWindow, 255, 264, 400,
                    {}};
    form.controls = {
        AdminControl("benutzername", ControlType::LabeledEdit, 16, 32, 205, 24, "Benutzername:", 0,
                     "Benutzername|Der Benutzername des Administratoracccounts"),
        AdminControl("passwort", ControlType::LabeledEdit, 16, 88, 205, 24, "Passwort:", 1,
                     "Passwort|Das Passwort des Administratoirs, benötigt um einen Prozess mit "
                     "erhöhten Rechten zu starten"),
        AdminControl("kuerzel", ControlType::LabeledEdit, 16, 144, 121, 24, "Tastenkürzel:", 2,
                     "Shortcut|Tastenkombination unter der ein Programm mit "
                     "Administratorechten aufgerufen wird"),
        AdminControl("okbut", ControlType::Button, 16, 200, 100, 36, "OK", 3,
                     "Ok|Dialog schließen"),
        AdminControl("helpbut", ControlType::Button, 136, 200, 100, 36, "Hilfe", 4,
                     "Hilfe|Hilfe zu diesem Dialog aufrufen."),
    };
    form.controls[2].text = "ALT+F11";
    form.controls[2].capturesShortcut = true;
    form.controls[3].picture = Picture::Ok;
    form.controls[3].isDefault = true;
    form.controls[4].picture = Picture::Help;
    return form;
}

} // namespace

const FormLayout& TAdmindata::Form() {
    static const FormLayout layout = MakeLayout();
    return layout;
}

TAdmindata::TAdmindata(core::ProgramState& state, DialogView& view) : HotkeyDialog(state, view) {
    FormCreate();
}

void TAdmindata::FormCreate() {
    LoadState();
    Savedata();
}

void TAdmindata::FormShow() {
    SetHotkeysEnabled(state_.adminhotkey, state_.hotkey, false);
}

void TAdmindata::Savedata() {
    state_.launch.AdminUserName = view_.Text("benutzername");
    state_.launch.AdminPassword = view_.Text("passwort");
    ApplyShortcutField(state_.adminhotkey, state_.hotkey,
                       "Der Shortcut konnte nicht gesetzt werden.\rEr muss sich vom "
                       "allgemeinen Shortcut unterscheiden!");
    SetHotkeysEnabled(state_.adminhotkey, state_.hotkey, true);
}

void TAdmindata::OkbutClick() {
    Close();
}

void TAdmindata::FormClose() {
    Savedata();
    SaveState();
}

void TAdmindata::HelpbutClick() {
    view_.ShowHelp(700);
}

void TAdmindata::Click(const std::string& control) {
    if (control == "okbut") {
        OkbutClick();
    } else if (control == "helpbut") {
        HelpbutClick();
    }
}

} // namespace dialogs
