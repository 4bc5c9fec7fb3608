// What every dialog shares: room for its captions, handlers for its buttons, form state over every
// kind of control, the questions of colour buttons and path fields, and how a modal dialog closed.
#include "dialogs/CaptionFit.h"
#include "dialogs/EinstellungenHauptformular.h"
#include "dialogs/Info.h"
#include "dialogs/Programmliste.h"
#include "logic/LogicFixture.h"
#include "platform/Paths.h"
#include "support/EveryKind.h"

#include <algorithm>

namespace {

using dialogs::ControlKind;
using testing_support::EveryKindDialog;
using testing_support::NameOf;

class DialogPatternTest : public testing_support::LogicFixture {
  protected:
    DialogPatternTest() { state_.location = location_; }

    std::unique_ptr<EveryKindDialog> NewDialog() {
        return std::make_unique<EveryKindDialog>(state_, views_);
    }
    testing_support::FakeDialogView& View() { return views_.View("EveryKind"); }

    core::ProgramState state_;
    testing_support::FakeViewFactory views_;
};

TEST_F(DialogPatternTest, EveryButtonOfEveryDialogHasAHandlerAndEveryHandlerAControl) {
    auto start = NewStart();
    dialogs::Tprogrammliste list(start->state, start->views);
    dialogs::Tparameterform editor(start->state, start->views);
    dialogs::TEinstellungenHaupt appearance(start->state, start->launcher, start->views);
    dialogs::Tlaufwerksform drives(start->state, start->views,
                                   [] { return std::vector<std::string>(); });
    dialogs::Tinfodialog info(start->state, start->views);
    for (const dialogs::DialogLogic* dialog : std::vector<const dialogs::DialogLogic*>{
             &start->hub, &start->admin, &list, &editor, &appearance, &drives, &info}) {
        const dialogs::DialogLayout& layout = dialog->Layout();
        SCOPED_TRACE(layout.name);
        const std::vector<std::string> handled = dialog->HandledControls();
        for (const dialogs::ControlLayout& control : layout.controls) {
            if (control.kind == ControlKind::Button) {
                EXPECT_NE(std::find(handled.begin(), handled.end(), control.name), handled.end())
                    << control.name;
            }
        }
        for (const std::string& name : handled) {
            EXPECT_NE(layout.Find(name), nullptr) << name;
        }
    }
}

// A label that grows pushes its row's field and that field's whole column along; a group box
// grows around a grown control; the client area keeps its margin, and a title wider than all
// that widens it further.
TEST(CaptionFitTest, GrownControlsMoveTheirColumnsAndWidenTheirGroupAndTheWindow) {
    using namespace dialogs;
    const DialogLayout layout{"Fit",
                              "",
                              FrameKind::Dialog,
                              200,
                              100,
                              0,
                              {Label(ControlName{"a"}).At(0, 0, 50, 10).Caption("lang"),
                               NumericEdit(ControlName{"b"}).At(60, 0, 30, 10),
                               Label(ControlName{"c"}).At(0, 20, 50, 10).Caption("kurz"),
                               NumericEdit(ControlName{"d"}).At(60, 20, 30, 10),
                               GroupBox(ControlName{"g"}).At(0, 40, 100, 40),
                               Button(ControlName{"h"}).At(10, 10, 80, 20).In(ControlName{"g"})}};
    const auto needed = [](const ControlLayout& control) {
        return control.name == "a" ? 70 : control.name == "h" ? 100 : 0;
    };
    const DialogLayout fitted = FittedToCaptions(layout, needed, 0);
    EXPECT_EQ(fitted.Find("a")->width, 70);
    EXPECT_EQ(fitted.Find("b")->left, 80);
    EXPECT_EQ(fitted.Find("c")->left, 0);
    EXPECT_EQ(fitted.Find("d")->left, 80) << "the column stays aligned";
    EXPECT_EQ(fitted.Find("h")->width, 100);
    EXPECT_EQ(fitted.Find("g")->width, 120);
    EXPECT_EQ(fitted.clientWidth, 220);
    EXPECT_EQ(FittedToCaptions(layout, needed, 300).clientWidth, 300);
}

TEST_F(DialogPatternTest, EveryKindHoldsWhatItIsGivenAndQuestionsTakeTheQueuedAnswers) {
    auto dialog = NewDialog();
    testing_support::SetSamples(View(), 0);
    testing_support::ExpectSamples(View(), 0);
    testing_support::QueueAnswers(View());
    testing_support::ExpectEveryQuestionAnswered(View(), View());
}

TEST_F(DialogPatternTest, FormStateKeepsEveryKindThatHoldsAValue) {
    auto dialog = NewDialog();
    for (const ControlKind kind : {ControlKind::Edit, ControlKind::LabeledEdit,
                                   ControlKind::ButtonEdit, ControlKind::PathEdit}) {
        View().SetText(NameOf(kind), "Wert " + NameOf(kind));
    }
    View().SetText(NameOf(ControlKind::NumericEdit), "150.5"); // typed
    View().SetNumber(NameOf(ControlKind::CheckBox), 1);
    View().SetNumber(NameOf(ControlKind::DropDownList), 1);
    View().SetNumber(NameOf(ControlKind::ColorButton), 255);
    dialog->SaveFormState();
    const std::string text = IniText();
    EXPECT_NE(text.find("kind3=Wert kind3\r\nkind4=Wert kind4\r\nkind5=Wert kind5\r\n"
                        "kind6=zwei\r\nkind6I=1\r\nkind7=-1\r\nkind9=150.5\r\nkind11=Wert kind11"),
              std::string::npos)
        << "radio group without choice is -1; the numeric edit's number replaces its text\n"
        << text;
    EXPECT_NE(text.find("kind2=1\r\n"), std::string::npos) << "the check box";
    for (const ControlKind kept :
         {ControlKind::Label, ControlKind::Button, ControlKind::GroupBox, ControlKind::ColorButton,
          ControlKind::Grid, ControlKind::StatusBar}) {
        EXPECT_EQ(text.find(NameOf(kept) + "="), std::string::npos) << NameOf(kept);
    }

    dialog = NewDialog();
    ASSERT_TRUE(dialog->LoadFormState());
    EXPECT_EQ(View().Text(NameOf(ControlKind::PathEdit)), "Wert kind11");
    EXPECT_EQ(View().Text(NameOf(ControlKind::NumericEdit)), "151") << "shown without decimals";
    EXPECT_EQ(View().Number(NameOf(ControlKind::NumericEdit)), 151);
    EXPECT_EQ(View().Text(NameOf(ControlKind::DropDownList)), "zwei");
    EXPECT_EQ(View().Number(NameOf(ControlKind::CheckBox)), 1);
    EXPECT_EQ(View().Number(NameOf(ControlKind::RadioGroup)), -1);
}

TEST_F(DialogPatternTest, ColourButtonTakesOnlyAConfirmedColour) {
    auto dialog = NewDialog();
    const std::string button = NameOf(ControlKind::ColorButton);
    View().SetNumber(button, 255);
    View().colors = {std::nullopt, 0x00FF00};
    View().user.Clicked(button);
    EXPECT_EQ(View().Number(button), 255) << "cancelled";
    View().user.Clicked(button);
    EXPECT_EQ(View().Number(button), 0x00FF00);
    EXPECT_EQ(View().colorQuestions, (std::vector<int>{255, 255})) << "preset to the colour";
    EXPECT_EQ(dialog->clicked, (std::vector<std::string>{button, button}));
}

TEST_F(DialogPatternTest, PathFieldAsksInTheFolderOfItsPathAndCancelKeepsIt) {
    auto dialog = NewDialog();
    const std::string field = NameOf(ControlKind::PathEdit);
    const std::string folder = platform::WithTrailingSeparator(folder_.Path());
    View().SetText(field, folder + "alt.exe");
    View().paths = {std::nullopt, folder + "neu.exe"};
    View().user.Clicked(field);
    EXPECT_EQ(View().Text(field), folder + "alt.exe");
    View().user.Clicked(field);
    EXPECT_EQ(View().Text(field), folder + "neu.exe");
    ASSERT_EQ(View().pathQuestions.size(), 2u);
    EXPECT_EQ(View().pathQuestions[0].kind, dialogs::PathKind::OpenFile);
    EXPECT_EQ(View().pathQuestions[0].start, folder);
}

TEST_F(DialogPatternTest, ModalShowSaysHowTheDialogClosed) {
    auto dialog = NewDialog();
    View().whileModal = [&] { dialog->Close(dialogs::Closed::Cancel); };
    EXPECT_EQ(dialog->ShowModal(), dialogs::Closed::Cancel);
    View().whileModal = nullptr; // the user takes the close box
    EXPECT_EQ(dialog->ShowModal(), dialogs::Closed::CloseBox);
    EXPECT_EQ(dialog->closes, 2) << "every close runs the close handler";
    EXPECT_FALSE(View().shown);
}

} // namespace
