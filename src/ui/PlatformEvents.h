// Hands the window system's events that the Qt-free components need to them: on X11 the
// hotkey grabs and the guard's socket; on Windows both are windows of their own.
#pragma once

class QApplication;

namespace ui {

void ConnectPlatformEvents(QApplication& application);

} // namespace ui
