// The application object: an error that escapes an event handler is reported, and the program
// runs on.
#pragma once

#include <QApplication>

namespace qtface {

class Application : public QApplication {
  public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace qtface
