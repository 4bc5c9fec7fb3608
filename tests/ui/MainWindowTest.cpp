// The Qt face of the launcher: events reach the logic, and the window shows what it decides.
#include "gui/qt/Notice.h"
#include "gui/qt/WindowsColors.h"
#include "ui/UiFixture.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

using dialogs::THauptformular;
using testing_support::WaitForContent;

namespace {

class MainWindowTest : public testing_support::UiFixture {
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

TEST_F(MainWindowTest, KeysReachTheLogicAndStartTheirSlots) {
    Start start(folder_);
    qtface::MainWindow& window = start.main;
    start.state.table.SetSlot(10, Recorder("k.sh"), folder_.Path(), "-a 'b c'");
    start.state.table.SetSlot(36, Recorder("f1.sh"), "", "eins");
    start.state.table.SetSlot(31, Recorder("5.sh"), "", "fünf");

    start.program.main.Hotkeyhotkey();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Start als User... ");
    EXPECT_TRUE(window.findChild<QTimer*>("Timer1")->isActive());
    QTest::keyClick(&window, Qt::Key_K);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.findChild<QTimer*>("Timer1")->isActive()) << "no work while hidden";
    EXPECT_EQ(window.LastNotice(), QString::fromStdString("Gestartet: " + folder_.Path("k.sh")));
    EXPECT_NE(WaitForContent(mark_, "-a b c").find(folder_.Path() + " -a b c\n"),
              std::string::npos);

    start.program.main.Hotkeyhotkey();
    QTest::keyClick(&window, Qt::Key_F1);
    start.program.main.Hotkeyhotkey();
    QTest::keyClick(&window, Qt::Key_5, Qt::KeypadModifier);
    const std::string mark = WaitForContent(mark_, "fünf");
    EXPECT_NE(mark.find(" eins\n"), std::string::npos) << mark;
    EXPECT_NE(mark.find(" fünf\n"), std::string::npos) << mark;

    start.program.main.Hotkeyhotkey();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, LookIsDrawnAsTheSettingsSay) {
    testing_support::WriteBytes(folder_.Path("Tippomat.ini"),
                                "[EinstellungenHaupt]\r\nbreite=120\r\nhoehe=90\r\nStil=2\r\n");
    Start start(folder_);
    start.program.main.Hotkeyhotkey(); // the font is fitted as the popup shows
    qtface::MainWindow& window = start.main;
    EXPECT_EQ(window.size(), QSize(120, 90));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the user cannot resize it";
    EXPECT_FALSE(window.mask().contains(QPoint(1, 1))) << "style 2 is an ellipse";
    EXPECT_TRUE(window.mask().contains(QPoint(60, 45)));
    const auto* label = window.findChild<QLabel*>(qtface::MainWindow::kLabel1.c_str());
    EXPECT_EQ(label->text(), "Tippomat aktiv\nTaste drücken");
    EXPECT_LE(label->width(), 120);
    EXPECT_LE(label->height(), 90);
    EXPECT_EQ(label->x(), (120 - label->width()) / 2);

    EXPECT_EQ(qtface::ColorFromWindowsColor(0x0000FF00), QColor(0, 255, 0));
    EXPECT_EQ(qtface::ColorFromWindowsColor(0x00FF0000), QColor(0, 0, 255)) << "BGR order";
    EXPECT_EQ(qtface::ColorFromWindowsColor(-16777201),
              QApplication::palette().color(QPalette::Button));
}

TEST_F(MainWindowTest, MenuFollowsTheLogic) {
    Start start(folder_);
    QMenu* menu = start.main.PopupMenu();
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0]->text(), "Zeigen");
    EXPECT_EQ(actions[1]->text(), "Verbergen");
    EXPECT_EQ(actions[2]->text(), "Einstellungen");
    EXPECT_EQ(actions[3]->text(), "Beenden");
    emit menu->aboutToShow();
    EXPECT_TRUE(actions[0]->isEnabled());
    EXPECT_FALSE(actions[1]->isEnabled());
    QStringList settings;
    for (QAction* action : actions[2]->menu()->actions()) {
        settings << action->text() + (action->isEnabled() ? "" : " (aus)");
    }
    EXPECT_EQ(settings,
              (QStringList{"Einstellungsdialog", "", "Editieren", "Aussehen", "Installieren",
                           "Laufwerk wechseln", "Adminmodus", "Information", "Hilfe"}));
    actions[2]->menu()->actions()[6]->trigger();
    EXPECT_TRUE(start.admin.Window()->isVisible());

    QTest::mouseClick(&start.main, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_EQ(start.main.toolTip(), "Drücke nun folgenden Buchstaben um das Programm zu starten:");
}

TEST_F(MainWindowTest, EndingLeavesOpenDialogsUnclosed) {
    {
        Start start(folder_);
        start.program.hauptformular.Show();
        QTest::keyClick(start.hub.Window()->findChild<QWidget*>(THauptformular::kKuerzel.c_str()),
                        Qt::Key_K, Qt::ControlModifier);
        start.program.main.MenuClick(core::MenuItem::Beenden1);
        EXPECT_TRUE(start.hub.Window()->isVisible()) << "the hub's close handler must not run";
    }
    EXPECT_EQ(IniText().find("kuerzel"), std::string::npos) << IniText();
    EXPECT_NE(IniText().find("[main]"), std::string::npos);
}

// In an XEmbed tray the notice is a window of the program's own at the icon.
TEST_F(MainWindowTest, NoticeShowsWholeAtTheIconReplacesTheLastAndGoesAtAClick) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect trayIcon(screen.right() - 30, screen.top(), 24, 24);
    const auto shownNotices = [] {
        QList<QWidget*> shown;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->windowTitle().startsWith("Gestartet: ")) {
                shown << window;
            }
        }
        return shown;
    };
    qtface::Notice::Show(QIcon(), "Tippomat", "Gestartet: eins", trayIcon, QFont());
    qtface::Notice::Show(QIcon(), "Tippomat", "Gestartet: zwei", trayIcon, QFont());
    QApplication::processEvents();
    const QList<QWidget*> shown = shownNotices();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0]->windowTitle(), "Gestartet: zwei");
    EXPECT_TRUE(screen.contains(shown[0]->frameGeometry())) << "whole on the screen";
    EXPECT_GT(shown[0]->y(), trayIcon.bottom()) << "below an icon at the top";
    QTest::mouseClick(shown[0], Qt::LeftButton);
    EXPECT_TRUE(shownNotices().isEmpty());
}

} // namespace
