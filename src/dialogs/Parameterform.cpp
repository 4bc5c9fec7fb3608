#include "dialogs/Parameterform.h"

#include "platform/FileSystem.h"
#include "platform/ParameterText.h"

namespace dialogs {

namespace {

constexpr int kHelpContext = 200;
constexpr const char* kProgramFilter = "Nur Programme|*.exe|Alle Dateien|*.*";

ControlLayout Label(ControlName name, int left, int top, int width, const char* caption) {
    return PlacedControl(name, ControlKind::Label, {left, top, width, 16}, caption, kHelpContext, 0,
                         "");
}

DialogLayout MakeLayout() {
    DialogLayout form{"ParameterForm",
                      "Einstellungen für den Aufruf",
                      FrameKind::Dialog,
                      350,
                      308,
                      kHelpContext,
                      {}};
    ControlLayout program = PlacedControl(
        Tparameterform::kProgrammorDir, ControlKind::PathEdit, {20, 74, 305, 22}, "", kHelpContext,
        2,
        "Programm aufrufen|Legt das Programm oder Verzeichnis fest das mit einem Tastendruck "
        "aufgerufen wird");
    program.path = {true, "", "", "exe"};
    ControlLayout folder = PlacedControl(
        Tparameterform::kVerzeichnis, ControlKind::PathEdit, {20, 186, 305, 22}, "", kHelpContext,
        4, "Arbeitsverzeichnis|In diesem verzeichnis wird das Programm ausgeführt");
    folder.path.folders = true;
    ControlLayout parameter = PlacedControl(Tparameterform::kParameter, ControlKind::ButtonEdit,
                                            {20, 134, 305, 24}, "", kHelpContext, 3, "");
    parameter.picture = Picture::Browse;
    ControlLayout ok = PictureButton(Tparameterform::kOkbut, {20, 244, 75, 36}, "OK", kHelpContext,
                                     5, "Ok|Dialog schließen und Änderung übernehmen", Picture::Ok);
    ok.isDefault = true;
    ControlLayout close = PictureButton(
        Tparameterform::kClosebut, {115, 244, 106, 36}, "Abbrechen", kHelpContext, 6,
        "abbrechen|Schließt diesen Dialog ohne die Daten zu verändern", Picture::Cancel);
    close.isCancel = true;
    form.controls = {
        Label(Tparameterform::kLabel4, 20, 15, 78, "Aufruftaste:"),
        PlacedControl(Tparameterform::kTaste, ControlKind::DropDownList, {100, 12, 85, 24}, "",
                      kHelpContext, 0, "Taste|Taste die das Programm startet"),
        PlacedControl(Tparameterform::kMode, ControlKind::CheckBox, {200, 16, 97, 17},
                      "Verzeichnis", kHelpContext, 1,
                      "Modus|Legt fest ob man mit dem Eintrag ein Verzeichnis öffnet oder ein "
                      "Programm startet"),
        Label(Tparameterform::kLabel3, 20, 52, 305, "Programm / zu öffnendes Verzeichnis:"),
        program,
        Label(Tparameterform::kLabel1, 20, 116, 305, "Parameter:"),
        parameter,
        Label(Tparameterform::kLabel2, 20, 164, 305, "Arbeitsverzeichnis:"),
        folder,
        ok,
        close,
        PictureButton(Tparameterform::kHelpbut, {240, 244, 92, 36}, "&Hilfe", kHelpContext, 7,
                      "Hilfe|Hilfe zu diesem Dialog aufrufen", Picture::Help),
    };
    return form;
}

// The field holds a file's path as typed, or as an earlier browse wrote it (quoted).
bool NamesAFile(const std::string& parameters) {
    if (platform::FileExists(parameters)) {
        return true;
    }
    const std::optional<std::string> word = platform::SingleParameter(parameters);
    return word && platform::FileExists(*word);
}

} // namespace

const DialogLayout& Tparameterform::Form() {
    static const DialogLayout layout = MakeLayout();
    return layout;
}

Tparameterform::Tparameterform(core::ProgramState& state, ViewFactory& views)
    : DialogLogic(state, views, Form()) {
    OnChange(kMode, [this] { ModeClick(); });
    OnClick(kParameter, [this] { ParameterRightButtonClick(); });
    OnClick(kOkbut, [this] { OkbutClick(); });
    OnClick(kClosebut, [this] { ClosebutClick(); });
    OnClick(kHelpbut, [this] { Helpbutclick(); });
    FormCreate();
}

// Folders as designed until the opener runs ModeClick.
void Tparameterform::FormCreate() {
    SetPathOptions(kProgrammorDir, {true, "", kProgramFilter, "exe"});
}

void Tparameterform::SetKeys(const std::vector<std::string>& labels) {
    view_.SetItems(kTaste, labels);
}

void Tparameterform::SetFolderMode(bool folders) {
    view_.SetNumber(kMode, folders ? 1 : 0);
    ModeClick();
}

void Tparameterform::ChooseKey(const std::string& label) {
    view_.SetText(kTaste, label);
}

void Tparameterform::SetBinding(const std::string& path, const std::string& workDir,
                                const std::string& params) {
    view_.SetText(kProgrammorDir, path);
    view_.SetText(kVerzeichnis, workDir);
    view_.SetText(kParameter, params);
}

// The path in the field stays whichever chooser its button offers.
void Tparameterform::ModeClick() {
    const bool folders = view_.Number(kMode) != 0;
    SetPathOptions(
        kProgrammorDir,
        {folders, folders ? "Zu öffnendes Verzeichnis wählen" : "Zu öffnende Datei/Programm wählen",
         kProgramFilter, "exe"});
}

// A path that the splitting of the parameters would cut or read as quoting is quoted, so the
// program gets it as one parameter.
void Tparameterform::ParameterRightButtonClick() {
    const std::optional<std::string> chosen = view_.AskPath({PathKind::OpenFile});
    if (!chosen) {
        return;
    }
    const std::string current = view_.Text(kParameter);
    const std::string parameter = platform::ParameterText(*chosen);
    view_.SetText(kParameter, NamesAFile(current) ? parameter : current + " " + parameter);
}

// The texts are stored as they stand; an empty program field unbinds the key.
void Tparameterform::OkbutClick() {
    chosenSlot_ = state_.table.SlotIndexOfLabel(view_.Text(kTaste));
    if (chosenSlot_ >= 0) {
        state_.table.SetSlot(chosenSlot_, view_.Text(kProgrammorDir), view_.Text(kVerzeichnis),
                             view_.Text(kParameter));
    }
    Close(Closed::Ok);
}

void Tparameterform::ClosebutClick() {
    Close(Closed::Cancel);
}

void Tparameterform::Helpbutclick() {
    view_.ShowHelp(kHelpContext);
}

} // namespace dialogs
