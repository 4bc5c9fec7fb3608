// Colours as the INI file stores them: 0x00BBGGRR for a plain colour, 0xFF0000nn for the
// Windows system colour nn, which other systems take from the nearest palette role.
#pragma once

#include <QColor>

namespace gui {

QColor ColorFromWindowsColor(int value);

} // namespace gui
