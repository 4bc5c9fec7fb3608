#include "dialogs/Hauptformular.h"

#include "config/IniFile.h"
#include "dialogs/Adminformular.h"
#include "dialogs/EinstellungenHauptformular.h"
#include "dialogs/FollowedLaunchTable.h"
#include "dialogs/Info.h"
#include "dialogs/Laufwerksauswahl.h"
#include "dialogs/Programmliste.h"
#include "integration/Installer.h"

namespace dialogs {

namespace {

using T = THauptformular;

DialogLayout MakeLayout() {
    return {
        "Hauptformular",
        "Tippomat",
        FrameKind::Dialog,
        539,
        184,
        900,
        {
            Button(T::kInstallbutton)
                .At(16, 17, 107, 36)
                .Caption("&Installieren")
                .Image(Picture::Install)
                .Help(1100)
                .Tab(0)
                .Hint("Installieren|Installiert die Anwendung im Autostartmenü"),
            Button(T::kAdmibutton)
                .At(144, 17, 120, 36)
                .Caption("&Admininmode")
                .Image(Picture::Admin)
                .Help(400)
                .Tab(1)
                .Hint("Admin Einstellungen|Ruft Dialog zum Einstellungen der Daten des Admins auf"),
            Button(T::kInfobut)
                .At(280, 17, 100, 36)
                .Caption("&Info")
                .Image(Picture::Information)
                .Help(1000)
                .Tab(2)
                .Hint("Info|Ruft Informationen zum Programm auf, erlaubt es das Programm zu "
                      "aktualisieren"),
            Button(T::kLaufwerkbut)
                .At(16, 71, 107, 36)
                .Caption("&Laufwerk")
                .Image(Picture::Drive)
                .Help(900)
                .Tab(3)
                .Hint("Laufwerke|Ruft Dialog auf um das Laufwerk in allen Einträgen zu wechseln"),
            Button(T::kEditbutton)
                .At(144, 71, 120, 36)
                .Caption("&Editieren")
                .Image(Picture::EditList)
                .Help(200)
                .Tab(4)
                .Hint("Editieren|Ruft Dialog zum Editieren der Programmliste auf"),
            Button(T::kAussehenbut)
                .At(280, 71, 100, 36)
                .Caption("Aussehen")
                .Image(Picture::Appearance)
                .Help(300)
                .Tab(5)
                .Hint("Aussehen|Lergt das Aussehen des Popupfensters fest, das beim Drücken des "
                      "Hotkeys erscheint"),
            Button(T::kOkbut)
                .At(16, 123, 107, 36)
                .Caption("&Minimieren")
                .Image(Picture::Minimize)
                .Help(900)
                .Tab(6)
                .Hint("Minimieren|Schließt dieses Fenster, sichtbar ist nur noch das Symbol in der "
                      "Trayleiste")
                .Default(),
            Button(T::kClosebut)
                .At(144, 123, 120, 36)
                .Caption("&Schließen")
                .Image(Picture::EndProgram)
                .Help(900)
                .Tab(7),
            Button(T::kHelpBut)
                .At(280, 123, 100, 36)
                .Caption("&Hilfe")
                .Image(Picture::Help)
                .Help(100)
                .Tab(8)
                .Hint("Hilfe|Hilfe zu diesem Dialog aufrufen"),
            // Created in the order their values stand in the INI section.
            LabeledEdit(T::kKuerzel)
                .At(400, 75, 97, 24)
                .Caption("ShortCut:")
                .Text("Alt+F12")
                .ReadOnly()
                .CapturesShortcut()
                .Help(400)
                .Tab(10)
                .Hint("ShortCut| Aufruftaste fürr den Tippomat (auch mit STRG+ALT möglich)"),
            CheckBox(T::kPortableModus)
                .At(400, 27, 129, 17)
                .Caption("Portable Modus")
                .Help(800)
                .Tab(9)
                .Hint("Portable Modus|Aktiviert Speichern im Programmverzeichnis und Starten nur "
                      "vom aktuellen Laufwerk aus"),
        }};
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
        LoadFollowedLaunchTable(state_);
    } catch (const config::IniFileError& error) {
        ReportError(error);
    }
}

void THauptformular::TakeStoredValues() {
    LoadFormState();
    state_.hotkey.SetKey(components::TextToShortCut(view_.Text(kKuerzel)));
    const bool portable = view_.Number(kPortableModus) != 0;
    if (portable != state_.PortableMode) {
        state_.PortableMode = portable;
        LoadFollowedLaunchTable(state_);
    }
}

bool THauptformular::EditsOpen() const {
    return IsShown() || opened_.AnyShown<Tprogrammliste>();
}

void THauptformular::FormShow() {
    SetHotkeysEnabled(state_, state_.hotkey, state_.adminhotkey, false);
    storedAtShow_ = StoredValues();
    shownAtShow_ = ShownValues();
}

// An unreadable file counts as unchanged: its read error is told by the save.
THauptformular::HubValues THauptformular::StoredValues() const {
    try {
        const config::IniFile file(state_.location.IniPath);
        return {file.ReadString(Form().name, kKuerzel.c_str(), ""),
                file.ReadBool(Form().name, kPortableModus.c_str(), false)};
    } catch (const config::IniFileError&) {
        return storedAtShow_;
    }
}

THauptformular::HubValues THauptformular::ShownValues() const {
    return {view_.Text(kKuerzel), view_.Number(kPortableModus) != 0};
}

// What another program stored for the hub while it was open holds where the user left the
// value as it was shown; where the user changed it too, the user decides.
void THauptformular::KeepOutsideValues() {
    const HubValues stored = StoredValues();
    const HubValues shown = ShownValues();
    const bool outsideKuerzel = stored.kuerzel != storedAtShow_.kuerzel;
    const bool outsidePortable = stored.portable != storedAtShow_.portable;
    const bool ownKuerzel = shown.kuerzel != shownAtShow_.kuerzel;
    const bool ownPortable = shown.portable != shownAtShow_.portable;
    const bool ownHold = ((outsideKuerzel && ownKuerzel) || (outsidePortable && ownPortable)) &&
                         OwnChangesHold(view_, "Die Einstellungen dieses Dialogs wurden");
    if (outsideKuerzel && !(ownKuerzel && ownHold)) {
        view_.SetText(kKuerzel, stored.kuerzel);
        state_.hotkey.SetKey(components::TextToShortCut(stored.kuerzel));
    }
    if (outsidePortable && !(ownPortable && ownHold)) {
        view_.SetNumber(kPortableModus, stored.portable ? 1 : 0);
    }
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
    KeepOutsideValues();
    state_.PortableMode = view_.Number(kPortableModus) != 0;
    // A file that cannot take the hub's values must not keep the bindings from being saved nor
    // leave the hotkeys off.
    SaveFormState();
    // A file that cannot be read is not saved over: its read error is told as it is.
    try {
        if (SaveFollowedLaunchTable(state_, view_)) {
            LoadFollowedLaunchTable(state_);
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
    Tinfodialog info(state_, views_);
    info.SetOwner(*this);
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

void THauptformular::Run(core::HubAction action) {
    switch (action) {
    case core::HubAction::Edit:
        EditbuttonClick();
        return;
    case core::HubAction::Appearance:
        AussehenbutClick();
        return;
    case core::HubAction::Install:
        InstallbuttonClick();
        return;
    case core::HubAction::SwitchDrive:
        LaufwerkbutClick();
        return;
    case core::HubAction::Admin:
        AdmibuttonClick();
        return;
    case core::HubAction::Information:
        InfobutClick();
        return;
    case core::HubAction::Help:
        HrelpClick();
        return;
    }
}

} // namespace dialogs
