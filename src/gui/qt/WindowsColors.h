// Colours as the INI file stores them: 0x00BBGGRR for a plain colour, 0xFF0000nn for the
// Windows system colour nn, which other systems take from the nearest palette role.
#pragma once

#include <QColor>

namespace qtface {

QColor ColorFromWindowsColor(int value);
// A chosen colour as a plain Windows colour.
int WindowsColorOf(const QColor& color);

} // namespace qtface
