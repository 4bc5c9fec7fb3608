#include "dialogs/Laufwerksauswahl.h"

#include "config/IniFile.h"
#include "config/LaunchTable.h"
#include "core/Launch.h"
#include "platform/Drive.h"

namespace dialogs {

namespace {

constexpr const char* kSection = "laufwerksform";
constexpr int kHelpContext = 750;

using T = Tlaufwerksform;

// "Ersetze Laufwerke" takes the room that "OK" and "Hilfe" do not need, so that its text and
// picture fit side by side in any of the desktop's fonts.
DialogLayout MakeLayout() {
    return {
        kSection,
        "Laufwerk auswählen",
        FrameKind::Dialog,
        367,
        317,
        kHelpContext,
        {
            Label(T::kLabel1)
                .At(16, 12, 335, 16)
                .Caption("Zu ersetzendes Laufwerk:")
                .Help(kHelpContext),
            DropDownList(T::kSourcedrive)
                .At(16, 32, 335, 24)
                .Help(kHelpContext)
                .Tab(0)
                .Hint("QuellLaufwerk|Alle Einträge von Programmen und Ordnern auf diesem "
                      "Laufwerk werden ersetzt"),
            Label(T::kLabel2).At(16, 68, 335, 16).Caption("Wird ersetzt mit:").Help(kHelpContext),
            DropDownList(T::kTargetdrive)
                .At(16, 88, 335, 24)
                .Help(kHelpContext)
                .Tab(1)
                .Hint("Ersetzlaufwerk|Ersetzt den Laufwerkbuchstaben aller Einträge durch diesen"),
            RadioGroup(T::kLaufwerkmode)
                .At(16, 124, 335, 97)
                .Caption("Starte Programme ....")
                .Items({"Nur vom Anwendungslaufwerk aus", "vom angegebenen Laufwerk",
                        "Suche nach Laufwerk mit Programm"})
                .Help(kHelpContext)
                .Tab(3)
                .Hint("Startmos|Legt fest ob der Laufwerksbuchstabe beim Starten verändert wird"),
            GroupBox(T::kGroupBox1).At(8, 233, 351, 72).Help(kHelpContext).Tab(2),
            Button(T::kOkbut)
                .At(10, 20, 80, 36)
                .In(T::kGroupBox1)
                .Caption("OK")
                .Image(Picture::Ok)
                .Help(kHelpContext)
                .Tab(0)
                .Hint("Ok|Schließt denDialog")
                .Default(),
            Button(T::kHelpbut)
                .At(98, 20, 80, 36)
                .In(T::kGroupBox1)
                .Caption("Hilfe")
                .Image(Picture::Help)
                .Help(kHelpContext)
                .Tab(1)
                .Hint("Hilfe|Hilfe zu diesem Dialog aufrufen"),
            Button(T::kChangedrivebut)
                .At(186, 20, 155, 36)
                .In(T::kGroupBox1)
                .Caption("Ersetze Laufwerke")
                .Image(Picture::Drive)
                .Help(kHelpContext)
                .Tab(2)
                .Hint("Ausführen|Führt das Ersetzen des Quell- durch das Ziellaufwerk durch"),
        }};
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
    OnClick(kChangedrivebut, [this] { ChangedrivebutClick(); });
    OnClick(kOkbut, [this] { OkbutClick(); });
    OnClick(kHelpbut, [this] { HelpbutClick(); });
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
