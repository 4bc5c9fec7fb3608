#include "gui/qt/Application.h"

#include "gui/qt/Pictures.h"
#include "gui/qt/Questions.h"

#include <exception>

namespace qtface {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Tippomat");
    setApplicationVersion(TIPPOMAT_VERSION);
    setQuitOnLastWindowClosed(false);
    setWindowIcon(ApplicationIcon());
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportError(nullptr, error);
    }
    return false;
}

} // namespace qtface
