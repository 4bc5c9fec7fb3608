#include "gui/qt/Application.h"

#include "dialogs/Questions.h"

#include <QAbstractEventDispatcher>
#include <QTimer>

#include <exception>

namespace qtface {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Tippomat");
    setApplicationVersion(TIPPOMAT_VERSION);
    setQuitOnLastWindowClosed(false);
    // Each window sets the program icon itself as it is made; as the application's default it
    // would be decoded in all its sizes and sent with the tray icon's window before that docks.
}

// The loop is about to wait when it has sent its requests; the work follows in its next turn, so
// that nothing of the start waits for it.
void Application::WhenFirstIdle(std::function<void()> work) {
    connect(
        QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
        [this, work = std::move(work)] { QTimer::singleShot(0, this, work); },
        Qt::SingleShotConnection);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        // The error's text as an error message; the program runs on.
        dialogs::Ask(nullptr,
                     {core::MessageKind::Error, error.what(), dialogs::MessageButtons::Ok, 0});
    }
    return false;
}

} // namespace qtface
