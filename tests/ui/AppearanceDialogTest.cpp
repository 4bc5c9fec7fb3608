// The Qt face of the appearance and drive dialogs: opened from the hub, drawn from their layouts,
// the colour buttons' swatches and chooser, and the popup changed at once when closed.
#include "dialogs/ControlValue.h"
#include "dialogs/EinstellungenHauptformular.h"
#include "ui/UiFixture.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

using dialogs::TEinstellungenHaupt;
using dialogs::THauptformular;
using dialogs::Tlaufwerksform;

namespace {

class AppearanceDialogTest : public testing_support::UiFixture {
  protected:
    static QDialog& Opened(Start& start, dialogs::ControlName button, const std::string& dialog) {
        start.program.hauptformular.Clicked(button);
        return *start.faces.DialogNamed(dialog).Window();
    }
    static QRgb Swatch(QDialog& dialog, dialogs::ControlName button) {
        const QIcon icon = dialog.findChild<QPushButton*>(button.c_str())->icon();
        return icon.pixmap(16, 16).toImage().pixel(8, 8);
    }
};

TEST_F(AppearanceDialogTest, ClosingChangesThePopupAtOnceAndStoresTheValues) {
    Start start(folder_);
    QDialog& dialog = Opened(start, THauptformular::kAussehenbut, "EinstellungenHaupt");
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), "Einstellung Popupfenster");
    auto* breite = dialog.findChild<QLineEdit*>(TEinstellungenHaupt::kBreite.c_str());
    EXPECT_EQ(breite->text().toStdString(), dialogs::NumericEditText(100));
    EXPECT_TRUE(breite->alignment() & Qt::AlignRight);
    EXPECT_EQ(Swatch(dialog, TEinstellungenHaupt::kFarbe1), qRgb(255, 0, 0));

    // The style's three choices stand in two columns.
    QSet<int> columns;
    for (QRadioButton* choice : dialog.findChild<QGroupBox*>(TEinstellungenHaupt::kStil.c_str())
                                    ->findChildren<QRadioButton*>()) {
        columns.insert(choice->x());
    }
    EXPECT_EQ(columns.size(), 2);

    answers_.colors = {0x00FF00};
    QTest::mouseClick(dialog.findChild<QPushButton*>(TEinstellungenHaupt::kFarbe1.c_str()),
                      Qt::LeftButton);
    EXPECT_EQ(answers_.colorQuestions, std::vector<int>{255}) << "preset to the current colour";
    EXPECT_EQ(Swatch(dialog, TEinstellungenHaupt::kFarbe1), qRgb(0, 255, 0));

    breite->selectAll();
    QTest::keyClicks(breite, "150");
    QTest::mouseClick(dialog.findChild<QPushButton*>(TEinstellungenHaupt::kOKButton.c_str()),
                      Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(start.main.width(), 150);
    EXPECT_EQ(start.main.height(), 100);
    EXPECT_NE(IniText().find("breite=150\r\n"), std::string::npos) << IniText();
    EXPECT_NE(IniText().find("Farbe1=65280\r\n"), std::string::npos) << IniText();
}

TEST_F(AppearanceDialogTest, DriveDialogListsTheDrivesAndHoldsTheModeChoice) {
    Start start(folder_);
    QDialog& dialog = Opened(start, THauptformular::kLaufwerkbut, "laufwerksform");
    EXPECT_EQ(dialog.windowTitle(), "Laufwerk auswählen");
    EXPECT_EQ(dialog.size(), QSize(367, 317));
    auto* source = dialog.findChild<QComboBox*>(Tlaufwerksform::kSourcedrive.c_str());
    ASSERT_NE(source, nullptr);
    EXPECT_FALSE(source->isEditable()) << "no free text";
    auto choices = dialog.findChild<QGroupBox*>(Tlaufwerksform::kLaufwerkmode.c_str())
                       ->findChildren<QRadioButton*>();
    ASSERT_EQ(choices.size(), 3);
    QTest::mouseClick(choices[2], Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>(Tlaufwerksform::kOkbut.c_str()),
                      Qt::LeftButton);
    EXPECT_EQ(start.state.launch.DriveMode, 2);
    EXPECT_NE(IniText().find("laufwerkmode=2\r\n"), std::string::npos);
}

} // namespace
