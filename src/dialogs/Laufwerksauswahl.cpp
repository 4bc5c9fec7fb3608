#include "dialogs/Laufwerksauswahl.h"

#include "config/IniFile.h"
#include "config/LaunchTable.h"
#include "core/Launch.h"
#include "platform/Drive.h"

namespace dialogs {

namespace {

constexpr const char* kSection = "laufwerksform";
constexpr int kHelpContext = 750;

DialogLayout MakeLayout() {
    DialogLayout form{kSection, "Laufwerk auswählen", FrameKind::Dialog, 367, 317, kHelpContext,
                      {}};
    ControlLayout source = PlacedControl(
        Tlaufwerksform::kSourcedrive, ControlKind::DropDownList, {16, 32, 335, 24}, "",
        kHelpContext, 0,
        "QuellLaufwerk|Alle Einträge von Programmen und Ordnern auf diesem Laufwerk werden "
        "ersetzt");
    ControlLayout target =
        PlacedControl(Tlaufwerksform::kTargetdrive, ControlKind::DropDownList, {16, 88, 335, 24},
                      "", kHelpContext, 1,
                      "Ersetzlaufwerk|Ersetzt den Laufwerkbuchstaben aller Einträge durch diesen");
    ControlLayout mode =
        PlacedControl(Tlaufwerksform::kLaufwerkmode, ControlKind::RadioGroup, {16, 124, 335, 97},
                      "Starte Programme ....", kHelpContext, 3,
                      "Startmos|Legt fest ob der Laufwerksbuchstabe beim Starten verändert wird");
    mode.items = {"Nur vom Anwendungslaufwerk aus", "vom angegebenen Laufwerk",
                  "Suche nach Laufwerk mit Programm"};
    // "Ersetze Laufwerke" takes the room that "OK" and "Hilfe" do not need, so that its text and
    // picture fit side by side in any of the desktop's fonts.
    ControlLayout ok =
        PictureButton(Tlaufwerksform::kOkbut, {10, 20, 80, 36}, "OK", kHelpContext, 0,
                      "Ok|Schließt denDialog", Picture::Ok, Tlaufwerksform::kGroupBox1);
    ok.isDefault = true;
    form.controls = {
        PlacedControl(Tlaufwerksform::kLabel1, ControlKind::Label, {16, 12, 335, 16},
                      "Zu ersetzendes Laufwerk:", kHelpContext, 0, ""),
        source,
        PlacedControl(Tlaufwerksform::kLabel2, ControlKind::Label, {16, 68, 335, 16},
                      "Wird ersetzt mit:", kHelpContext, 0, ""),
        target,
        mode,
        PlacedControl(Tlaufwerksform::kGroupBox1, ControlKind::GroupBox, {8, 233, 351, 72}, "",
                      kHelpContext, 2, ""),
        ok,
        PictureButton(Tlaufwerksform::kHelpbut, {98, 20, 80, 36}, "Hilfe", kHelpContext, 1,
                      "Hilfe|Hilfe zu diesem Dialog aufrufen", Picture::Help,
                      Tlaufwerksform::kGroupBox1),
        PictureButton(Tlaufwerksform::kChangedrivebut, {186, 20, 155, 36}, "Ersetze Laufwerke",
                      kHelpContext, 2,
                      "Ausführen|Führt das Ersetzen des Quell- durch das Ziellaufwerk durch",
                      Picture::Drive, Tlaufwerksform::kGroupBox1),
    };
    return form;
}

} // namespace

// An unreadable file is told by the hub, which reads it first.
int StoredDriveMode(const std::string& iniPath) {
    try {
        const config::IniFile ini(iniPath);
        if (!ini.ReadBool(kSection, "SektionVorhanden", false)) {
            return core::kDriveModeProgramDrive;
        }
        return ini.ReadInteger(kSection, Tlaufwerksform::kLaufwerkmode.c_str(),
                               core::kDriveModeProgramDrive);
    } catch (const config::IniFileError&) {
        return core::kDriveModeProgramDrive;
    }
}

const DialogLayout& Tlaufwerksform::Form() {
    static const DialogLayout layout = MakeLayout();
    return layout;
}

Tlaufwerksform::Tlaufwerksform(core::ProgramState& state, ViewFactory& views, DriveList listDrives)
    : DialogLogic(state, views, Form()) {
    OnClick(Tlaufwerksform::kChangedrivebut, [this] { ChangedrivebutClick(); });
    OnClick(Tlaufwerksform::kOkbut, [this] { OkbutClick(); });
    OnClick(Tlaufwerksform::kHelpbut, [this] { HelpbutClick(); });
    FormCreate(listDrives ? listDrives : DriveList(platform::SwitchableDrives));
}

// The lists always open at their first drive, whatever was stored for them.
void Tlaufwerksform::FormCreate(const DriveList& listDrives) {
    LoadFormState();
    state_.launch.DriveMode = static_cast<int>(view_.Number(kLaufwerkmode));
    const std::vector<std::string> drives = listDrives();
    for (const ControlName list : {kSourcedrive, kTargetdrive}) {
        view_.SetItems(list, drives);
        view_.SetNumber(list, drives.empty() ? -1 : 0);
    }
}

// The table reaches the file with the next save of the bindings, as every change in memory does.
void Tlaufwerksform::ChangedrivebutClick() {
    const int count =
        config::SwitchDrive(state_.table, view_.Text(kSourcedrive), view_.Text(kTargetdrive));
    state_.table.BuildKeyListText();
    ShowMessage(core::MessageKind::Information,
                "Es wurde das Laufwerk in " + std::to_string(count) + " Einträgen ersetzt.", 200);
}

void Tlaufwerksform::OkbutClick() {
    state_.launch.DriveMode = static_cast<int>(view_.Number(kLaufwerkmode));
    Close();
}

void Tlaufwerksform::HelpbutClick() {
    view_.ShowHelp(kHelpContext);
}

// The close box stores the choice too, but leaves the mode as it was.
void Tlaufwerksform::FormClose() {
    SaveFormState();
}

} // namespace dialogs
