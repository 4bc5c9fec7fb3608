#include "dialogs/EinstellungenHauptformular.h"

#include "config/IniFile.h"

namespace dialogs {

namespace {

constexpr int kHelpContext = 300;

constexpr const char* kBlinkHint = "Blinkfrequenz|Frequenz mit der das beim Drücken des Hotkeys "
                                   "erscheinende fenster blinkt";
constexpr const char* kSizeHint = "Abmessungen|Höhe und Breite des beim Drücken auf einen "
                                  "Hotkey erscheinende Fenster";
constexpr const char* kColourHint = "Farben|Farben in denen das Fenster blinkt";

using T = TEinstellungenHaupt;

// Each number stands between two labels with the same hint.
DialogLayout MakeLayout() {
    return {
        config::kAppearanceSection,
        "Einstellung Popupfenster",
        FrameKind::Dialog,
        237,
        359,
        kHelpContext,
        {
            Label(T::kLabel1)
                .At(16, 20, 104, 16)
                .Caption("Blinkfrequenz:")
                .Help(kHelpContext)
                .Hint(kBlinkHint),
            NumericEdit(T::kBlinkfrequenz)
                .At(124, 16, 64, 24)
                .Text("200")
                .Help(kHelpContext)
                .Tab(0)
                .Hint(kBlinkHint),
            Label(T::kLabel2).At(194, 20, 36, 16).Caption("ms").Help(kHelpContext).Hint(kBlinkHint),
            Label(T::kLabel3)
                .At(16, 56, 104, 16)
                .Caption("Breite Minifenster:")
                .Help(kHelpContext)
                .Hint(kSizeHint),
            NumericEdit(T::kBreite)
                .At(124, 52, 64, 24)
                .Text("100")
                .Help(kHelpContext)
                .Tab(1)
                .Hint(kSizeHint),
            Label(T::kLabel4)
                .At(194, 56, 36, 16)
                .Caption("Pixel")
                .Help(kHelpContext)
                .Hint(kSizeHint),
            Label(T::kLabel5)
                .At(16, 92, 104, 16)
                .Caption("Höhe Minifenster:")
                .Help(kHelpContext)
                .Hint(kSizeHint),
            NumericEdit(T::kHoehe)
                .At(124, 88, 64, 24)
                .Text("100")
                .Help(kHelpContext)
                .Tab(2)
                .Hint(kSizeHint),
            Label(T::kLabel6)
                .At(194, 92, 36, 16)
                .Caption("Pixel")
                .Help(kHelpContext)
                .Hint(kSizeHint),
            ColorButton(T::kFarbe1)
                .At(16, 128, 205, 30)
                .Caption("Farbe 1 Minifenster")
                .Help(kHelpContext)
                .Tab(3)
                .Hint(kColourHint),
            ColorButton(T::kFarbe2)
                .At(16, 166, 205, 30)
                .Caption("Farbe 2 Minifenster")
                .Help(kHelpContext)
                .Tab(4)
                .Hint(kColourHint),
            RadioGroup(T::kStil)
                .At(16, 206, 205, 66)
                .Caption("Stil")
                .Items({"Normal", "ohne Rand", "Kreis"})
                .Columns(2)
                .Help(kHelpContext)
                .Tab(5)
                .Hint("Stil|Stil in der das Popupfenster gezeichnet wird"),
            Button(T::kOKButton)
                .At(16, 300, 98, 36)
                .Caption("&Ok")
                .Help(kHelpContext)
                .Tab(6)
                .Hint("Ok|Dialog schließen")
                .Default(),
            Button(T::kHelpButton)
                .At(123, 300, 98, 36)
                .Caption("&Hilfe")
                .Help(kHelpContext)
                .Tab(7)
                .Hint("Hilfe|Hilfe zu diesem Dialog aufrufen"),
        }};
}

} // namespace

const DialogLayout& TEinstellungenHaupt::Form() {
    static const DialogLayout layout = MakeLayout();
    return layout;
}

TEinstellungenHaupt::TEinstellungenHaupt(core::ProgramState& state, core::Tmain& main,
                                         ViewFactory& views)
    : DialogLogic(state, views, Form()), main_(main) {
    OnClick(kOKButton, [this] { OKButtonClick(); });
    OnClick(kHelpButton, [this] { HelpButtonClick(); });
    FormCreate();
}

void TEinstellungenHaupt::FormCreate() {
    LoadFormState();
    config::PopupAppearance look;
    try {
        look = config::ReadPopupAppearance(config::IniFile(state_.location.IniPath));
    } catch (const config::IniFileError& error) {
        ReportError(error);
    }
    view_.SetNumber(kFarbe1, look.farbe1);
    view_.SetNumber(kFarbe2, look.farbe2);
}

// The values go over untested, 0 and negative numbers included. "Kreis" (or no choice) leaves
// the frame as it is: the ellipse is cut only at the next start. A file that cannot be written
// is told once and applies nothing.
bool TEinstellungenHaupt::SaveAndApply() {
    if (!SaveFormState()) {
        return false;
    }
    const int farbe1 = static_cast<int>(view_.Number(kFarbe1));
    const int farbe2 = static_cast<int>(view_.Number(kFarbe2));
    try {
        config::IniFile ini(state_.location.IniPath);
        config::WriteColors(ini, farbe1, farbe2);
        if (!ini.UpdateFile()) {
            throw config::IniFileError("Die Datei " + ini.Path() +
                                       " kann nicht geschrieben werden.");
        }
    } catch (const config::IniFileError& error) {
        ReportError(error);
        return false;
    }
    main_.Neues_Design(config::IntegerPart(view_.Number(kBlinkfrequenz)), farbe1, farbe2,
                       config::IntegerPart(view_.Number(kBreite)),
                       config::IntegerPart(view_.Number(kHoehe)));
    main_.ApplyStyle(static_cast<int>(view_.Number(kStil)));
    return true;
}

// The dialog stays open when the values could not be stored, so the user can try again.
void TEinstellungenHaupt::OKButtonClick() {
    if (SaveAndApply()) {
        Close();
    }
}

void TEinstellungenHaupt::HelpButtonClick() {
    view_.ShowHelp(kHelpContext);
}

void TEinstellungenHaupt::FormClose() {
    SaveAndApply();
}

} // namespace dialogs
