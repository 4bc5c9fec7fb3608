#include "dialogs/Adminformular.h"

namespace dialogs {

namespace {

ControlLayout AdminControl(ControlName name, ControlKind kind, int left, int top, int width,
                           int height, const char* caption, int tabOrder, const char* hint) {
    ControlLayout control{name, kind, left, top, width, height, caption};
    control.helpContext = 700;
    control.tabOrder = tabOrder;
    control.hint = hint;
    return control;
}

DialogLayout MakeLayout() {
    DialogLayout form{
        "Admindata", "Administratoreinstellungen", FrameKind::ToolWindow, 255, 264, 400, {}};
    form.controls = {
        AdminControl(TAdmindata::kBenutzername, ControlKind::LabeledEdit, 16, 32, 205, 24,
                     "Benutzername:", 0,
                     "Benutzername|Der Benutzername des Administratoracccounts"),
        AdminControl(TAdmindata::kPasswort, ControlKind::LabeledEdit, 16, 88, 205, 24,
                     "Passwort:", 1,
                     "Passwort|Das Passwort des Administratoirs, benötigt um einen Prozess mit "
                     "erhöhten Rechten zu starten"),
        AdminControl(TAdmindata::kKuerzel, ControlKind::LabeledEdit, 16, 144, 121, 24,
                     "Tastenkürzel:", 2,
                     "Shortcut|Tastenkombination unter der ein Programm mit "
                     "Administratorechten aufgerufen wird"),
        AdminControl(TAdmindata::kOkbut, ControlKind::Button, 16, 200, 100, 36, "OK", 3,
                     "Ok|Dialog schließen"),
        AdminControl(TAdmindata::kHelpbut, ControlKind::Button, 136, 200, 100, 36, "Hilfe", 4,
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

const DialogLayout& TAdmindata::Form() {
    static const DialogLayout layout = MakeLayout();
    return layout;
}

TAdmindata::TAdmindata(core::ProgramState& state, ViewFactory& views)
    : DialogLogic(state, views, Form()), kuerzel_(view_, kKuerzel) {
    OnKeyDown(kKuerzel,
              [this](unsigned key, components::ShiftState shift) { KuerzelKeyDown(key, shift); });
    OnClick(kOkbut, [this] { OkbutClick(); });
    OnClick(kHelpbut, [this] { HelpbutClick(); });
    FormCreate();
}

void TAdmindata::FormCreate() {
    LoadFormState();
    Savedata();
}

void TAdmindata::FormShow() {
    SetHotkeysEnabled(state_, state_.adminhotkey, state_.hotkey, false);
}

void TAdmindata::KuerzelKeyDown(unsigned virtualKey, components::ShiftState shift) {
    kuerzel_.Capture(virtualKey, shift);
}

void TAdmindata::Savedata() {
    state_.launch.AdminUserName = view_.Text(kBenutzername);
    state_.launch.AdminPassword = view_.Text(kPasswort);
    kuerzel_.ApplyTo(state_.adminhotkey, state_.hotkey,
                     "Der Shortcut konnte nicht gesetzt werden.\rEr muss sich vom "
                     "allgemeinen Shortcut unterscheiden!");
    SetHotkeysEnabled(state_, state_.adminhotkey, state_.hotkey, true);
}

void TAdmindata::OkbutClick() {
    Close();
}

void TAdmindata::FormClose() {
    Savedata();
    SaveFormState();
}

void TAdmindata::HelpbutClick() {
    view_.ShowHelp(700);
}

} // namespace dialogs
