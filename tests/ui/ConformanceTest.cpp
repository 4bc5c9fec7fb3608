// The Qt face draws every control kind and asks every question as the logic expects: a dialog
// with one control of each kind, driven as the Win32 face's test drives it. And it draws every
// dialog with its captions whole.
#include "gui/qt/Faces.h"
#include "support/EveryKind.h"
#include "support/ScriptedQuestions.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QUrl>

namespace {

using dialogs::ControlKind;
using testing_support::NameOf;

class ConformanceTest : public ::testing::Test {
  protected:
    ConformanceTest() {
        state_.location = {folder_.Path("Tippomat"), folder_.Path(), folder_.Path("Tippomat.ini")};
    }

    template <class Widget> Widget* WidgetOf(ControlKind kind) {
        return qobject_cast<Widget*>(view_.Find(NameOf(kind))->Widget());
    }

    testing_support::TestFolder folder_;
    testing_support::ScriptedAnswers& answers_ = testing_support::scripted_questions::Reset();
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

// Where the layout accepts files: the path field, and the grid with the row under the drop.
TEST_F(ConformanceTest, FilesDroppedReachTheLogicWithTheirControlAndRow) {
    testing_support::SetSamples(view_, 0);
    dialog_.Show();
    auto* grid = WidgetOf<QTableWidget>(ControlKind::Grid);
    QApplication::processEvents(); // the table lays out its rows
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/tmp/a b")});
    // Qt takes a drop where the drag entered.
    const auto dropAt = [&](QWidget* target, QPoint at) {
        QDragEnterEvent enter(at, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(at, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
    };
    dropAt(grid->viewport(), grid->visualItemRect(grid->item(1, 1)).center());
    dropAt(WidgetOf<QWidget>(ControlKind::PathEdit), {4, 4});
    dropAt(WidgetOf<QWidget>(ControlKind::Edit), {4, 4});
    QApplication::processEvents(); // told once the drop has ended
    EXPECT_EQ(dialog_.dropped,
              (std::vector<std::string>{NameOf(ControlKind::Grid) + " 2 /tmp/a b",
                                        NameOf(ControlKind::PathEdit) + " -1 /tmp/a b"}));
}

TEST_F(ConformanceTest, EveryQuestionIsAnsweredFromTheSeam) {
    testing_support::QueueAnswers(answers_);
    testing_support::ExpectEveryQuestionAnswered(view_, answers_);
}

// Whatever text a widget of a dialog shows fits it in its font: a label, check box or radio
// button is as wide as its own size hint, a push button's contents hold its text and icon, a
// group box its title; the title in bold beside the icon and three caption boxes of a window
// manager's title bar. And the controls that grew moved no control under another.
TEST(CaptionTest, EveryCaptionOfEveryDialogShowsWholeAndNoControlCoversAnother) {
    testing_support::IgnoredEvents events;
    for (const dialogs::DialogLayout* layout : testing_support::EveryDialogLayout()) {
        SCOPED_TRACE(layout->name);
        qtface::Dialog view(*layout, events);
        QDialog& window = *view.Window();
        window.show(); // the radio groups lay out their buttons
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            SCOPED_TRACE(widget->objectName().toStdString());
            if (auto* button = qobject_cast<QPushButton*>(widget)) {
                QStyleOptionButton option;
                option.initFrom(button);
                const QRect room =
                    button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
                const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
                EXPECT_LE(button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() +
                              icon,
                          room.width());
            } else if (auto* tool = qobject_cast<QToolButton*>(widget)) {
                EXPECT_LE(tool->fontMetrics().horizontalAdvance(tool->text()),
                          tool->contentsRect().width());
            } else if (qobject_cast<QLabel*>(widget) != nullptr ||
                       qobject_cast<QAbstractButton*>(widget) != nullptr) {
                EXPECT_LE(widget->sizeHint().width(), widget->width());
            } else if (qobject_cast<QGroupBox*>(widget) != nullptr) {
                EXPECT_LE(widget->minimumSizeHint().width(), widget->width());
            }
        }
        QFont bold = window.font();
        bold.setBold(true);
        EXPECT_LE(QFontMetrics(bold).horizontalAdvance(window.windowTitle()) +
                      4 * window.style()->pixelMetric(QStyle::PM_TitleBarHeight),
                  window.width())
            << "the title";
        for (const dialogs::ControlLayout& a : layout->controls) {
            for (const dialogs::ControlLayout& b : layout->controls) {
                if (&a != &b && a.parent == b.parent) {
                    EXPECT_FALSE(view.Find(a.name)->Widget()->geometry().intersects(
                        view.Find(b.name)->Widget()->geometry()))
                        << a.name << " and " << b.name;
                }
            }
        }
    }
}

} // namespace
