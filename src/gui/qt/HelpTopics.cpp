// The help window: the help pages built into the program, opened on the topic of a help context
// number; links between the pages stay in the window.
#include "dialogs/HelpTopics.h"

#include "gui/qt/Pictures.h"
#include "integration/HelpProject.h"

#include <QApplication>
#include <QFile>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>

#include <map>
#include <string>

namespace qtface {

namespace {

// The pages and the project they are compiled from lie under this resource folder.
constexpr const char* kHelpFolder = ":/help/";

const std::map<int, std::string>& TopicPages() {
    static const std::map<int, std::string> pages = [] {
        QFile project(QString(kHelpFolder) + "Tippomat.hhp");
        if (!project.open(QIODevice::ReadOnly)) {
            return std::map<int, std::string>{};
        }
        return integration::HelpTopicPages(project.readAll().toStdString());
    }();
    return pages;
}

QTextBrowser* NewHelpWindow(QWidget* owner) {
    auto* window = new QTextBrowser(owner);
    window->setWindowFlag(Qt::Window);
    window->setObjectName("help");
    window->setWindowTitle("Tippomat Hilfe");
    QObject::connect(window, &QTextBrowser::sourceChanged, window, [window] {
        window->setWindowTitle("Tippomat Hilfe – " + window->documentTitle());
    });
    window->setWindowIcon(ApplicationIcon());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setOpenExternalLinks(false);
    window->resize(560, 520);
    new QShortcut(QKeySequence(Qt::Key_Escape), window, [window] { window->close(); });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, &QObject::deleteLater);
    return window;
}

} // namespace

} // namespace qtface

namespace dialogs {

// Shown in front. A modal dialog blocks every window but its own: the help window then belongs to
// it, whichever window asked.
void ShowHelpTopic(HelpOwner, int context) {
    const auto page = qtface::TopicPages().find(context);
    if (page == qtface::TopicPages().end()) {
        return;
    }
    static QPointer<QTextBrowser> window;
    QWidget* owner = QApplication::activeModalWidget();
    if (window != nullptr && window->parentWidget() != owner) {
        delete window;
    }
    if (window == nullptr) {
        window = qtface::NewHelpWindow(owner);
    }
    window->setSource(
        QUrl("qrc" + QString(qtface::kHelpFolder) + QString::fromStdString(page->second)));
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace dialogs
