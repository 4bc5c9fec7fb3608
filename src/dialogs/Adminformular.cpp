#include "dialogs/Adminformular.h"

namespace dialogs {

namespace {

using T = TAdmindata;

constexpr int kHelpContext = 700;

DialogLayout MakeLayout() {
    return {
        "Admindata",
        "Administratoreinstellungen",
        FrameKind::ToolWindow,
        255,
        264,
        400,
        {
            LabeledEdit(T::kBenutzername)
                .At(16, 32, 205, 24)
                .Caption("Benutzername:")
                .Help(kHelpContext)
                .Tab(0)
                .Hint("Benutzername|Der Benutzername des Administratoracccounts"),
            LabeledEdit(T::kPasswort)
                .At(16, 88, 205, 24)
                .Caption("Passwort:")
                .Help(kHelpContext)
                .Tab(1)
                .Hint("Passwort|Das Passwort des Administratoirs, benötigt um einen Prozess mit "
                      "erhöhten Rechten zu starten"),
            LabeledEdit(T::kKuerzel)
                .At(16, 144, 121, 24)
                .Caption("Tastenkürzel:")
                .Text("ALT+F11")
                .CapturesShortcut()
                .Help(kHelpContext)
                .Tab(2)
                .Hint("Shortcut|Tastenkombination unter der ein Programm mit "
                      "Administratorechten aufgerufen wird"),
            Button(T::kOkbut)
                .At(16, 200, 100, 36)
                .Caption("OK")
                .Image(Picture::Ok)
                .Help(kHelpContext)
                .Tab(3)
                .Hint("Ok|Dialog schließen")
                .Default(),
            Button(T::kHelpbut)
                .At(136, 200, 100, 36)
                .Caption("Hilfe")
                .Image(Picture::Help)
                .Help(kHelpContext)
                .Tab(4)
                .Hint("Hilfe|Hilfe zu diesem Dialog aufrufen."),
        }};
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
    TakeStoredValues();
}

void TAdmindata::TakeStoredValues() {
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
    view_.ShowHelp(kHelpContext);
}

} // namespace dialogs
