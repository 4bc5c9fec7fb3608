#include "ui/PlatformEvents.h"

namespace ui {

// The hotkey and guard windows receive their messages through Qt's message loop.
void ConnectPlatformEvents(QApplication&) {}

} // namespace ui
