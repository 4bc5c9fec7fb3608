// The application object: an error that escapes an event handler is reported, and the program
// runs on.
#pragma once

#include <QApplication>

#include <functional>

namespace qtface {

class Application : public QApplication {
  public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
    // Runs work once, the first time the event loop has nothing left to do: what the start
    // asked of the window system (the tray icon) has gone out by then.
    void WhenFirstIdle(std::function<void()> work);
};

} // namespace qtface
