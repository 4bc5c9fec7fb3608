// Pictures of every window of the Qt face, as a user first sees them, into the folder named on
// the command line (<window>.png). The scaling comes from QT_SCALE_FACTOR; the configuration
// lives in a temporary folder.
#include "dialogs/HelpTopics.h"
#include "dialogs/Program.h"
#include "dialogs/Programmliste.h"
#include "gui/qt/Application.h"
#include "gui/qt/Faces.h"

#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

bool Save(QWidget* window, const QString& folder, const char* name) {
    if (window == nullptr) {
        std::fprintf(stderr, "no window %s\n", name);
        return false;
    }
    QApplication::processEvents();
    return window->grab().save(folder + "/" + name + ".png");
}

QWidget* TopLevelNamed(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

// A modal dialog's picture is taken inside its own loop, which the next call opens; then it is
// closed.
void SaveNextModal(const QString& folder, const char* name, bool& saved) {
    QTimer::singleShot(0, [folder, name, &saved] {
        QWidget* dialog = QApplication::activeModalWidget();
        saved &= Save(dialog, folder, name);
        if (dialog != nullptr) {
            dialog->close();
        }
    });
}

} // namespace

int main(int argc, char** argv) {
    qtface::Application application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots_qt FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    QTemporaryDir home;
    const std::string config = home.path().toStdString() + "/";
    core::ProgramState state;
    state.location = {config + "Tippomat", config, config + "Tippomat.ini"};
    qtface::Faces faces;
    dialogs::Program program(state, faces);

    bool saved = true;
    program.main.Hotkeyhotkey();
    saved &= Save(&faces.main, folder, "popup");
    program.main.Verbergen();
    program.hauptformular.Show();
    saved &= Save(faces.DialogNamed(dialogs::THauptformular::Form().name).Window(), folder, "hub");
    program.hauptformular.Clicked("aussehenbut");
    saved &= Save(faces.DialogNamed("EinstellungenHaupt").Window(), folder, "appearance");
    program.hauptformular.Clicked("laufwerkbut");
    saved &= Save(faces.DialogNamed("laufwerksform").Window(), folder, "drive");
    program.admindata.Show();
    saved &= Save(faces.DialogNamed(dialogs::TAdmindata::Form().name).Window(), folder, "admin");
    // A few bindings, so that the list shows rows and the binding editor one of them.
    state.table.SetSlot(1, "/usr/bin/firefox", "", "--new-window");
    state.table.SetSlot(4, "/usr/bin/thunderbird", "", "");
    state.table.SetSlot(19, "/usr/bin/xterm", "/tmp", "-bg black -fg white");
    program.hauptformular.Clicked("editbutton");
    qtface::Dialog& list = faces.DialogNamed(dialogs::Tprogrammliste::Form().name);
    saved &= Save(list.Window(), folder, "list");
    list.SetNumber(dialogs::Tprogrammliste::kProgramme, 1);
    SaveNextModal(folder, "binding", saved);
    list.Window()->findChild<QPushButton*>("AendernBut")->click();
    SaveNextModal(folder, "info", saved);
    program.hauptformular.Clicked("infobut");
    dialogs::ShowHelpTopic(nullptr, 900);
    saved &= Save(TopLevelNamed("help"), folder, "help");
    program.main.Beenden1Click();
    return saved ? 0 : 1;
}
