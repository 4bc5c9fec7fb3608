#include "ui/Application.h"

#include "ui/ImageList.h"
#include "ui/Messages.h"

#include <exception>

namespace ui {

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

} // namespace ui
