// Hands the window system's events that the Qt-free components need to them: the hotkey grabs
// and the guard's socket; and ends the program as its menu does when the session asks it to.
#pragma once

#include <functional>

class QApplication;

namespace qtface {

void ConnectPlatformEvents(QApplication& application);

// Logout, shutdown and kill end the program through endProgram, from the event loop.
void EndOnTerminationSignals(QApplication& application, std::function<void()> endProgram);

} // namespace qtface
