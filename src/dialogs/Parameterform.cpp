#include "dialogs/Parameterform.h"

#include "dialogs/DroppedFile.h"
#include "platform/FileSystem.h"
#include "platform/ParameterText.h"

namespace dialogs {

namespace {

constexpr int kHelpContext = 200;
constexpr const char* kProgramFilter = "Nur Programme|*.exe|Alle Dateien|*.*";

using T = Tparameterform;

DialogLayout MakeLayout() {
    return {"ParameterForm",
            "Einstellungen für den Aufruf",
            FrameKind::Dialog,
            350,
            308,
            kHelpContext,
            {
                Label(T::kLabel4).At(20, 15, 78, 16).Caption("Aufruftaste:").Help(kHelpContext),
                DropDownList(T::kTaste)
                    .At(100, 12, 85, 24)
                    .Help(kHelpContext)
                    .Tab(0)
                    .Hint("Taste|Taste die das Programm startet"),
                CheckBox(T::kMode)
                    .At(200, 16, 97, 17)
                    .Caption("Verzeichnis")
                    .Help(kHelpContext)
                    .Tab(1)
                    .Hint("Modus|Legt fest ob man mit dem Eintrag ein Verzeichnis öffnet oder ein "
                          "Programm startet"),
                Label(T::kLabel3)
                    .At(20, 52, 305, 16)
                    .Caption("Programm / zu öffnendes Verzeichnis:")
                    .Help(kHelpContext),
                PathEdit(T::kProgrammorDir)
                    .At(20, 74, 305, 22)
                    .Browse({true, "", "", "exe"})
                    .Help(kHelpContext)
                    .Tab(2)
                    .Hint("Programm aufrufen|Legt das Programm oder Verzeichnis fest das mit einem "
                          "Tastendruck aufgerufen wird")
                    .AcceptsFiles(),
                Label(T::kLabel1).At(20, 116, 305, 16).Caption("Parameter:").Help(kHelpContext),
                ButtonEdit(T::kParameter)
                    .At(20, 134, 305, 24)
                    .Image(Picture::Browse)
                    .Help(kHelpContext)
                    .Tab(3),
                Label(T::kLabel2)
                    .At(20, 164, 305, 16)
                    .Caption("Arbeitsverzeichnis:")
                    .Help(kHelpContext),
                PathEdit(T::kVerzeichnis)
                    .At(20, 186, 305, 22)
                    .Browse({true})
                    .Help(kHelpContext)
                    .Tab(4)
                    .Hint("Arbeitsverzeichnis|In diesem verzeichnis wird das Programm ausgeführt")
                    .AcceptsFiles(),
                Button(T::kOkbut)
                    .At(20, 244, 75, 36)
                    .Caption("OK")
                    .Image(Picture::Ok)
                    .Help(kHelpContext)
                    .Tab(5)
                    .Hint("Ok|Dialog schließen und Änderung übernehmen")
                    .Default(),
                Button(T::kClosebut)
                    .At(115, 244, 106, 36)
                    .Caption("Abbrechen")
                    .Image(Picture::Cancel)
                    .Help(kHelpContext)
                    .Tab(6)
                    .Hint("abbrechen|Schließt diesen Dialog ohne die Daten zu verändern")
                    .Cancel(),
                Button(T::kHelpbut)
                    .At(240, 244, 92, 36)
                    .Caption("&Hilfe")
                    .Image(Picture::Help)
                    .Help(kHelpContext)
                    .Tab(7)
                    .Hint("Hilfe|Hilfe zu diesem Dialog aufrufen"),
            }};
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
    OnDrop(kProgrammorDir, [this](int, const std::string& path) { ProgrammorDirDrop(path); });
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

void Tparameterform::ChooseFirstKey() {
    view_.SetNumber(kTaste, 0);
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

// The tick of "Verzeichnis" follows what was dropped.
void Tparameterform::ProgrammorDirDrop(const std::string& path) {
    const DroppedBinding binding = BindingOfDroppedFile(path);
    view_.SetText(kProgrammorDir, binding.path);
    if (binding.fromLink) {
        view_.SetText(kParameter, binding.params);
        view_.SetText(kVerzeichnis, binding.workDir);
    }
    SetFolderMode(platform::DirectoryExists(binding.path));
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
