// The launcher window: keys to slots, hiding, notices, the look.
#include "core/Launch.h"
#include "core/MainForm.h"
#include "ui/UiFixture.h"
#include "ui/WindowsColors.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

using core::Tmain;
using testing_support::WaitForContent;

namespace {

class LauncherTest : public testing_support::UiFixture {
  protected:
    // A script that records its arguments and working directory.
    std::string Recorder(const std::string& name) {
        const std::string path = folder_.Path(name);
        testing_support::WriteBytes(path, "#!/bin/sh\necho \"$PWD $*\" >> '" + mark_ + "'\n");
        ::chmod(path.c_str(), 0755);
        return path;
    }
    std::string mark_ = folder_.Path("mark.txt");
};

TEST_F(LauncherTest, KeysStartTheirSlotsAndHideThePopup) {
    Tmain launcher(state_);
    state_.table.SetSlot(10, Recorder("k.sh"), folder_.Path(), "-a 'b c'");
    state_.table.SetSlot(36, Recorder("f1.sh"), "", "eins");
    state_.table.SetSlot(31, Recorder("5.sh"), "", "fünf");

    launcher.Hotkeyhotkey();
    EXPECT_TRUE(launcher.isVisible());
    EXPECT_EQ(launcher.windowTitle(), "Start als User... ");
    EXPECT_FALSE(core::ProcessLaunchSettings().AdminMode);
    QTest::keyClick(&launcher, Qt::Key_K, Qt::NoModifier, 0);
    EXPECT_FALSE(launcher.isVisible());
    EXPECT_EQ(launcher.LastNotice(), QString::fromStdString("Gestartet: " + folder_.Path("k.sh")));
    EXPECT_NE(WaitForContent(mark_, "-a b c").find(folder_.Path() + " -a b c\n"),
              std::string::npos);

    launcher.Hotkeyhotkey();
    QTest::keyClick(&launcher, Qt::Key_F1);
    launcher.Hotkeyhotkey();
    QTest::keyClick(&launcher, Qt::Key_5, Qt::KeypadModifier);
    const std::string mark = WaitForContent(mark_, "fünf");
    EXPECT_NE(mark.find(" eins\n"), std::string::npos) << mark;
    EXPECT_NE(mark.find(" fünf\n"), std::string::npos) << mark;
}

TEST_F(LauncherTest, UnboundKeysAndOtherCharactersLeaveThePopupUp) {
    Tmain launcher(state_);
    launcher.Adminhotkeyhotkey();
    EXPECT_EQ(launcher.windowTitle(), "Start als Admin... ");
    EXPECT_TRUE(core::ProcessLaunchSettings().AdminMode);
    for (Qt::Key key : {Qt::Key_Q, Qt::Key_7, Qt::Key_F12, Qt::Key_Adiaeresis, Qt::Key_Space}) {
        QTest::keyClick(&launcher, key);
        EXPECT_TRUE(launcher.isVisible()) << key;
    }
    EXPECT_TRUE(messages_.empty());
    QTest::keyClick(&launcher, Qt::Key_Escape);
    EXPECT_FALSE(launcher.isVisible());
    EXPECT_TRUE(launcher.TrayIcon()->isVisible() || !QSystemTrayIcon::isSystemTrayAvailable());
}

TEST_F(LauncherTest, BlinkingOnlyWhileShown) {
    Tmain launcher(state_);
    const auto* timer = launcher.findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive()) << "no work while hidden";
    launcher.Hotkeyhotkey();
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 200);
    launcher.Verbergen();
    EXPECT_FALSE(timer->isActive());
}

TEST_F(LauncherTest, LookComesFromTheAppearanceSettings) {
    WriteIni("[EinstellungenHaupt]\r\nblinkfrequenz=1000\r\nbreite=120\r\nhoehe=90\r\nStil=2\r\n"
             "[Farben]\r\nFarbe1=$0000FF00\r\nFarbe2=-16777201\r\n"
             "[main]\r\nWidth=500\r\nHeight=500\r\nLeft=-1200\r\nTop=40\r\n");
    Tmain launcher(state_);
    EXPECT_EQ(launcher.size(), QSize(120, 90)) << "the stored size gives way to the settings";
    EXPECT_EQ(launcher.pos(), QPoint(0, 40));
    EXPECT_EQ(launcher.findChild<QTimer*>("Timer1")->interval(), 1000);
    EXPECT_FALSE(launcher.mask().isEmpty()) << "style 2 is an ellipse";
    EXPECT_FALSE(launcher.mask().contains(QPoint(1, 1)));
    const auto* label = launcher.findChild<QLabel*>("Label1");
    EXPECT_EQ(label->text(), "Tippomat aktiv\nTaste drücken");
    EXPECT_LE(label->width(), 120);
    EXPECT_LE(label->height(), 90);
    EXPECT_EQ(label->x(), (120 - label->width()) / 2);
    EXPECT_EQ(ui::ColorFromWindowsColor(0x0000FF00), QColor(0, 255, 0));
    EXPECT_EQ(ui::ColorFromWindowsColor(0x00FF0000), QColor(0, 0, 255)) << "BGR order";
    EXPECT_EQ(ui::ColorFromWindowsColor(-16777201),
              QApplication::palette().color(QPalette::Button));
}

TEST_F(LauncherTest, LeftClickShowsTheBoundKeysAndExitStoresBounds) {
    state_.table.SetSlot(0, "/bin/editor", "", "");
    state_.table.Slot(0).Label = "A: ";
    state_.table.BuildKeyListText();
    {
        Tmain launcher(state_);
        EXPECT_EQ(launcher.toolTip(), "Tippomat");
        launcher.Hotkeyhotkey();
        QTest::mouseClick(&launcher, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        EXPECT_EQ(launcher.toolTip(),
                  "Drücke nun folgenden Buchstaben um das Programm zu starten:\r\nA:  /bin/editor");
        launcher.move(30, 40);
    }
    EXPECT_NE(IniText().find("[main]\r\nWidth=70\r\nHeight=70\r\nLeft=30\r\nTop=40\r\n"),
              std::string::npos);
}

TEST_F(LauncherTest, MenuOffersShowOrHideByVisibility) {
    Tmain launcher(state_);
    QMenu* menu = launcher.PopupMenu();
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0]->text(), "Zeigen");
    EXPECT_EQ(actions[1]->text(), "Verbergen");
    EXPECT_EQ(actions[2]->text(), "Einstellungen");
    EXPECT_EQ(actions[3]->text(), "Beenden");
    emit menu->aboutToShow();
    EXPECT_TRUE(actions[0]->isEnabled());
    EXPECT_FALSE(actions[1]->isEnabled());
    launcher.Hotkeyhotkey();
    emit menu->aboutToShow();
    EXPECT_FALSE(actions[0]->isEnabled());
    EXPECT_TRUE(actions[1]->isEnabled());
    QStringList settings;
    for (QAction* action : actions[2]->menu()->actions()) {
        settings << action->text();
    }
    EXPECT_EQ(settings,
              (QStringList{"Einstellungsdialog", "", "Editieren", "Aussehen", "Installieren",
                           "Laufwerk wechseln", "Adminmodus", "Information", "Hilfe"}));
}

} // namespace
