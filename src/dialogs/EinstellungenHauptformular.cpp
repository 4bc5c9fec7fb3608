#include "dialogs/EinstellungenHauptformular.h"

#include "config/IniFile.h"

namespace dialogs {

namespace {

constexpr int kHelpContext = 300;
constexpr int kFarbe1Default = 255;                           // pure red
constexpr int kFarbe2Default = static_cast<int>(0xFF000001u); // the desktop's colour

constexpr const char* kBlinkHint = "Blinkfrequenz|Frequenz mit der das beim Drücken des Hotkeys "
                                   "erscheinende fenster blinkt";
constexpr const char* kSizeHint = "Abmessungen|Höhe und Breite des beim Drücken auf einen "
                                  "Hotkey erscheinende Fenster";
constexpr const char* kColourHint = "Farben|Farben in denen das Fenster blinkt";

// A number with its labels left and right of it, all three with the same hint.
struct NumberRow {
    int top;
    ControlName leftLabel;
    const char* caption;
    ControlName name;
    const char* design;
    ControlName rightLabel;
    const char* unit;
    int tabOrder;
    const char* hint;
};

void AddNumber(DialogLayout& form, const NumberRow& row) {
    form.controls.push_back(PlacedControl(row.leftLabel, ControlKind::Label,
                                          {16, row.top + 4, 104, 16}, row.caption, kHelpContext, 0,
                                          row.hint));
    ControlLayout edit = PlacedControl(row.name, ControlKind::NumericEdit, {124, row.top, 64, 24},
                                       "", kHelpContext, row.tabOrder, row.hint);
    edit.text = row.design;
    form.controls.push_back(edit);
    form.controls.push_back(PlacedControl(row.rightLabel, ControlKind::Label,
                                          {194, row.top + 4, 36, 16}, row.unit, kHelpContext, 0,
                                          row.hint));
}

DialogLayout MakeLayout() {
    DialogLayout form{"EinstellungenHaupt",
                      "Einstellung Popupfenster",
                      FrameKind::Dialog,
                      237,
                      359,
                      kHelpContext,
                      {}};
    AddNumber(form, {16, TEinstellungenHaupt::kLabel1,
                     "Blinkfrequenz:", TEinstellungenHaupt::kBlinkfrequenz, "200",
                     TEinstellungenHaupt::kLabel2, "ms", 0, kBlinkHint});
    AddNumber(form, {52, TEinstellungenHaupt::kLabel3,
                     "Breite Minifenster:", TEinstellungenHaupt::kBreite, "100",
                     TEinstellungenHaupt::kLabel4, "Pixel", 1, kSizeHint});
    AddNumber(form,
              {88, TEinstellungenHaupt::kLabel5, "Höhe Minifenster:", TEinstellungenHaupt::kHoehe,
               "100", TEinstellungenHaupt::kLabel6, "Pixel", 2, kSizeHint});
    form.controls.push_back(PlacedControl(TEinstellungenHaupt::kFarbe1, ControlKind::ColorButton,
                                          {16, 128, 205, 30}, "Farbe 1 Minifenster", kHelpContext,
                                          3, kColourHint));
    form.controls.push_back(PlacedControl(TEinstellungenHaupt::kFarbe2, ControlKind::ColorButton,
                                          {16, 166, 205, 30}, "Farbe 2 Minifenster", kHelpContext,
                                          4, kColourHint));
    ControlLayout style =
        PlacedControl(TEinstellungenHaupt::kStil, ControlKind::RadioGroup, {16, 206, 205, 66},
                      "Stil", kHelpContext, 5, "Stil|Stil in der das Popupfenster gezeichnet wird");
    style.items = {"Normal", "ohne Rand", "Kreis"};
    style.columns = 2;
    form.controls.push_back(style);
    ControlLayout ok =
        PlacedControl(TEinstellungenHaupt::kOKButton, ControlKind::Button, {16, 300, 98, 36}, "&Ok",
                      kHelpContext, 6, "Ok|Dialog schließen");
    ok.isDefault = true;
    form.controls.push_back(ok);
    form.controls.push_back(PlacedControl(TEinstellungenHaupt::kHelpButton, ControlKind::Button,
                                          {123, 300, 98, 36}, "&Hilfe", kHelpContext, 7,
                                          "Hilfe|Hilfe zu diesem Dialog aufrufen"));
    return form;
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
    int farbe1 = kFarbe1Default;
    int farbe2 = kFarbe2Default;
    try {
        const config::IniFile ini(state_.location.IniPath);
        farbe1 = ini.ReadInteger("Farben", "Farbe1", farbe1);
        farbe2 = ini.ReadInteger("Farben", "Farbe2", farbe2);
    } catch (const config::IniFileError& error) {
        ReportError(error);
    }
    view_.SetNumber(kFarbe1, farbe1);
    view_.SetNumber(kFarbe2, farbe2);
}

// The values go over untested, 0 and negative numbers included. "Kreis" (or no choice) leaves
// the frame as it is: the ellipse is cut only at the next start.
void TEinstellungenHaupt::SaveAndApply() {
    SaveFormState();
    const int farbe1 = static_cast<int>(view_.Number(kFarbe1));
    const int farbe2 = static_cast<int>(view_.Number(kFarbe2));
    try {
        config::IniFile ini(state_.location.IniPath);
        ini.WriteInteger("Farben", "Farbe1", farbe1);
        ini.WriteInteger("Farben", "Farbe2", farbe2);
        if (!ini.UpdateFile()) {
            throw config::IniFileError("Die Datei " + ini.Path() +
                                       " kann nicht geschrieben werden.");
        }
    } catch (const config::IniFileError& error) {
        ReportError(error);
    }
    main_.Neues_Design(config::IntegerPart(view_.Number(kBlinkfrequenz)), farbe1, farbe2,
                       config::IntegerPart(view_.Number(kBreite)),
                       config::IntegerPart(view_.Number(kHoehe)));
    main_.ApplyStyle(static_cast<int>(view_.Number(kStil)));
}

void TEinstellungenHaupt::OKButtonClick() {
    SaveAndApply();
    Close();
}

void TEinstellungenHaupt::HelpButtonClick() {
    view_.ShowHelp(kHelpContext);
}

void TEinstellungenHaupt::FormClose() {
    SaveAndApply();
}

} // namespace dialogs
