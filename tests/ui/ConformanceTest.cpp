// The Qt face draws every control kind and asks every question as the logic expects: a dialog
// with one control of each kind, driven as the Win32 face's test drives it.
#include "gui/qt/Faces.h"
#include "gui/qt/Questions.h"
#include "support/EveryKind.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

namespace {

using dialogs::ControlKind;
using testing_support::NameOf;

class ConformanceTest : public ::testing::Test {
  protected:
    ConformanceTest() {
        state_.location = {folder_.Path("Tippomat"), folder_.Path(), folder_.Path("Tippomat.ini")};
        qtface::SetScriptedAnswers(&answers_);
    }
    ~ConformanceTest() override { qtface::SetScriptedAnswers(nullptr); }

    template <class Widget> Widget* WidgetOf(ControlKind kind) {
        return qobject_cast<Widget*>(view_.Find(NameOf(kind))->Widget());
    }

    testing_support::TestFolder folder_;
    dialogs::ScriptedAnswers answers_;
    core::ProgramState state_;
    qtface::Faces faces_;
    testing_support::EveryKindDialog dialog_{state_, faces_};
    qtface::Dialog& view_ = faces_.DialogNamed("EveryKind");
};

TEST_F(ConformanceTest, EveryKindHoldsItsValueBeforeAndAfterItsWidgetIsMade) {
    testing_support::SetSamples(view_, 0);
    view_.Window();
    testing_support::ExpectSamples(view_, 0);
    testing_support::SetSamples(view_, 1);
    testing_support::ExpectSamples(view_, 1);
}

TEST_F(ConformanceTest, TheUsersDoingsReachTheLogic) {
    testing_support::SetSamples(view_, 0);
    dialog_.Show();
    WidgetOf<QPushButton>(ControlKind::Button)->click();
    WidgetOf<QCheckBox>(ControlKind::CheckBox)->click();
    view_.Window()->findChildren<QRadioButton*>()[2]->click();
    EXPECT_EQ(dialog_.clicked, std::vector<std::string>{NameOf(ControlKind::Button)});
    EXPECT_EQ(dialog_.changed, (std::vector<std::string>{NameOf(ControlKind::CheckBox),
                                                         NameOf(ControlKind::RadioGroup)}));
    EXPECT_EQ(view_.Number(NameOf(ControlKind::RadioGroup)), 2);

    auto* grid = WidgetOf<QTableWidget>(ControlKind::Grid);
    QApplication::processEvents(); // the table lays out its rows
    const QPoint cell = grid->visualItemRect(grid->item(0, 1)).center();
    // A double click is a click and then a second press, as the user makes it.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    EXPECT_EQ(dialog_.doubleClicked, std::vector<std::string>{NameOf(ControlKind::Grid)});
    EXPECT_EQ(view_.Number(NameOf(ControlKind::Grid)), 1) << "the row the user chose";

    answers_.paths = {std::string("/neu/pfad")};
    answers_.colors = {0x0000FF};
    view_.Window()
        ->findChild<QToolButton*>(QString::fromStdString(NameOf(ControlKind::PathEdit) + "Browse"))
        ->click();
    WidgetOf<QPushButton>(ControlKind::ColorButton)->click();
    EXPECT_EQ(view_.Text(NameOf(ControlKind::PathEdit)), "/neu/pfad");
    EXPECT_EQ(view_.Number(NameOf(ControlKind::ColorButton)), 0x0000FF);

    view_.Window()->close();
    EXPECT_EQ(dialog_.closes, 1);
    EXPECT_FALSE(view_.IsShown());
}

TEST_F(ConformanceTest, EveryQuestionIsAnsweredFromTheSeam) {
    testing_support::QueueAnswers(answers_);
    testing_support::ExpectEveryQuestionAnswered(view_, answers_);
}

} // namespace
