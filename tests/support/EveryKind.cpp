#include "support/EveryKind.h"

#include "dialogs/Adminformular.h"
#include "dialogs/EinstellungenHauptformular.h"
#include "dialogs/Hauptformular.h"
#include "dialogs/Info.h"
#include "dialogs/Laufwerksauswahl.h"
#include "dialogs/Parameterform.h"
#include "dialogs/Programmliste.h"

#include <gtest/gtest.h>

namespace testing_support {

using dialogs::ControlKind;

const std::vector<ControlKind>& EveryKind() {
    static const std::vector<ControlKind> kinds = [] {
        std::vector<ControlKind> all;
        for (int kind = 0; kind <= static_cast<int>(ControlKind::StatusBar); ++kind) {
            all.push_back(static_cast<ControlKind>(kind));
        }
        return all;
    }();
    return kinds;
}

std::string NameOf(ControlKind kind) {
    return "kind" + std::to_string(static_cast<int>(kind));
}

const std::vector<const dialogs::DialogLayout*>& EveryDialogLayout() {
    static const std::vector<const dialogs::DialogLayout*> layouts{
        &dialogs::THauptformular::Form(),      &dialogs::TAdmindata::Form(),
        &dialogs::Tprogrammliste::Form(),      &dialogs::Tparameterform::Form(),
        &dialogs::TEinstellungenHaupt::Form(), &dialogs::Tlaufwerksform::Form(),
        &dialogs::Tinfodialog::Form(0),        &dialogs::Tinfodialog::Form(1)};
    return layouts;
}

const dialogs::DialogLayout& EveryKindLayout() {
    static const dialogs::DialogLayout layout = [] {
        dialogs::DialogLayout form{"EveryKind",
                                   "Alle Arten",
                                   dialogs::FrameKind::Sizable,
                                   400,
                                   40 * static_cast<int>(EveryKind().size()),
                                   0,
                                   {}};
        int top = 8;
        for (const ControlKind kind : EveryKind()) {
            const int height = kind == ControlKind::Grid ? 120 : 32;
            dialogs::ControlLayout control{NameOf(kind), kind, 8, top, 300, height, "Beschriftung"};
            control.items = {"eins", "zwei", "drei"};
            control.columns = kind == ControlKind::Grid ? 3 : 2;
            control.tabOrder = static_cast<int>(form.controls.size());
            control.hint = "Titel|Text";
            control.acceptsFiles = kind == ControlKind::PathEdit || kind == ControlKind::Grid;
            form.controls.push_back(control);
            if (kind == ControlKind::GroupBox) {
                form.controls.push_back(dialogs::Button(dialogs::ControlName{"inFrame"})
                                            .At(4, 4, 80, 20)
                                            .Caption("Drin")
                                            .In(dialogs::ControlName{control.name.c_str()}));
            }
            top += height + 8;
        }
        return form;
    }();
    return layout;
}

namespace {

bool HasItems(ControlKind kind) {
    return kind == ControlKind::DropDownList || kind == ControlKind::RadioGroup;
}

bool HoldsText(ControlKind kind) {
    return kind != ControlKind::GroupBox && kind != ControlKind::Grid &&
           kind != ControlKind::DropDownList && kind != ControlKind::RadioGroup;
}

std::vector<std::string> SampleItems(int round) {
    return round == 0 ? std::vector<std::string>{"eins", "zwei", "drei"}
                      : std::vector<std::string>{"Ä", "B"};
}

dialogs::Rows SampleRows(int round) {
    return {{"Taste", "Pfad", "Ordner"},
            {"A: ", round == 0 ? "C:\\a.exe" : "C:\\ä.exe", ""},
            {"B: ", "", "D:\\"}};
}

} // namespace

void SetSamples(dialogs::DialogView& view, int round) {
    for (const ControlKind kind : EveryKind()) {
        const std::string name = NameOf(kind);
        if (HasItems(kind)) {
            view.SetItems(name, SampleItems(round));
            view.SetNumber(name, 1);
        } else if (kind == ControlKind::Grid) {
            view.SetRows(name, SampleRows(round));
            view.SetNumber(name, 2 - round);
        } else if (kind == ControlKind::NumericEdit) {
            view.SetNumber(name, round == 0 ? 1234 : -7);
        } else if (HoldsText(kind)) {
            view.SetText(name, "Wert " + std::to_string(round) + " äß");
        }
    }
    view.SetNumber(NameOf(ControlKind::CheckBox), 1 - round);
    view.SetNumber(NameOf(ControlKind::ColorButton), round == 0 ? 0x123456 : 0x00FF00);
}

void ExpectSamples(const dialogs::DialogView& view, int round) {
    for (const ControlKind kind : EveryKind()) {
        const std::string name = NameOf(kind);
        SCOPED_TRACE(name);
        if (HasItems(kind)) {
            EXPECT_EQ(view.Items(name), SampleItems(round));
            EXPECT_EQ(view.Number(name), 1);
        } else if (kind == ControlKind::Grid) {
            EXPECT_EQ(view.RowsOf(name), SampleRows(round));
            EXPECT_EQ(view.Number(name), 2 - round);
        } else if (kind == ControlKind::NumericEdit) {
            EXPECT_EQ(view.Number(name), round == 0 ? 1234 : -7);
        } else if (HoldsText(kind)) {
            EXPECT_EQ(view.Text(name), "Wert " + std::to_string(round) + " äß");
        }
    }
    EXPECT_EQ(view.Text(NameOf(ControlKind::DropDownList)), SampleItems(round)[1]);
    EXPECT_EQ(view.Number(NameOf(ControlKind::CheckBox)), 1 - round);
    EXPECT_EQ(view.Number(NameOf(ControlKind::ColorButton)), round == 0 ? 0x123456 : 0x00FF00);
}

void QueueAnswers(ScriptedAnswers& answers) {
    answers.answers = {dialogs::Answer::Yes};
    answers.paths = {std::string("C:\\neu.zip"), std::nullopt};
    answers.colors = {0x0000FF};
}

void ExpectEveryQuestionAnswered(dialogs::DialogView& view, const ScriptedAnswers& answers) {
    EXPECT_EQ(view.Ask({core::MessageKind::Confirmation, "Aktualisieren?",
                        dialogs::MessageButtons::YesNo, 0}),
              dialogs::Answer::Yes);
    EXPECT_EQ(view.Ask({core::MessageKind::Information, "Fertig", dialogs::MessageButtons::Ok, 0}),
              dialogs::Answer::Ok);
    EXPECT_EQ(view.AskPath({dialogs::PathKind::SaveFile, "", "Alles (*.*)|*.*", "zip", ""}),
              std::optional<std::string>("C:\\neu.zip"));
    EXPECT_EQ(view.AskPath({dialogs::PathKind::Folder, "Ordner"}), std::nullopt);
    EXPECT_EQ(view.AskColor(255), std::optional<int>(0x0000FF));
    ASSERT_EQ(answers.messages.size(), 2u);
    EXPECT_EQ(answers.messages[0].buttons, dialogs::MessageButtons::YesNo);
    EXPECT_EQ(answers.pathQuestions.size(), 2u);
    EXPECT_EQ(answers.colorQuestions, std::vector<int>{255});
}

EveryKindDialog::EveryKindDialog(core::ProgramState& state, dialogs::ViewFactory& views)
    : DialogLogic(state, views, EveryKindLayout()) {
    for (const dialogs::ControlLayout& control : EveryKindLayout().controls) {
        const dialogs::ControlName name{control.name.c_str()}; // the layout lives for the run
        OnClick(name, [this, name] { clicked.push_back(name); });
        OnChange(name, [this, name] { changed.push_back(name); });
        OnDoubleClick(name, [this, name] { doubleClicked.push_back(name); });
        OnDrop(name, [this, name](int row, const std::string& path) {
            dropped.push_back(std::string(name) + " " + std::to_string(row) + " " + path);
        });
    }
}

} // namespace testing_support
