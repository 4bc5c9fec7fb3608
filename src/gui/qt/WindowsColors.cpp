#include "gui/qt/WindowsColors.h"

#include "config/WindowsColor.h"

#include <QApplication>
#include <QPalette>

namespace qtface {

namespace {

// Windows system colour indexes (COLOR_SCROLLBAR = 0 ... COLOR_MENUBAR = 30) and their roles.
constexpr QPalette::ColorRole kSystemColorRoles[] = {
    QPalette::Mid,             // 0 scroll bar
    QPalette::Dark,            // 1 desktop background
    QPalette::Highlight,       // 2 active caption
    QPalette::Mid,             // 3 inactive caption
    QPalette::Window,          // 4 menu
    QPalette::Base,            // 5 window
    QPalette::Shadow,          // 6 window frame
    QPalette::WindowText,      // 7 menu text
    QPalette::Text,            // 8 window text
    QPalette::HighlightedText, // 9 caption text
    QPalette::Mid,             // 10 active border
    QPalette::Midlight,        // 11 inactive border
    QPalette::Dark,            // 12 application workspace
    QPalette::Highlight,       // 13 highlight
    QPalette::HighlightedText, // 14 highlight text
    QPalette::Button,          // 15 button face
    QPalette::Dark,            // 16 button shadow
    QPalette::PlaceholderText, // 17 grey text
    QPalette::ButtonText,      // 18 button text
    QPalette::WindowText,      // 19 inactive caption text
    QPalette::Light,           // 20 button highlight
    QPalette::Shadow,          // 21 3D dark shadow
    QPalette::Midlight,        // 22 3D light
    QPalette::ToolTipText,     // 23 info text
    QPalette::ToolTipBase,     // 24 info background
    QPalette::Window,          // 25 (unused)
    QPalette::Link,            // 26 hot light
    QPalette::Highlight,       // 27 gradient active caption
    QPalette::Mid,             // 28 gradient inactive caption
    QPalette::Highlight,       // 29 menu highlight
    QPalette::Window,          // 30 menu bar
};

} // namespace

QColor ColorFromWindowsColor(int value) {
    const config::WindowsColor color = config::DecodeWindowsColor(value);
    if (color.isSystem) {
        const auto index = static_cast<size_t>(color.systemIndex);
        const QPalette::ColorRole role =
            index < std::size(kSystemColorRoles) ? kSystemColorRoles[index] : QPalette::Window;
        return QApplication::palette().color(role);
    }
    return QColor(color.red, color.green, color.blue);
}

int WindowsColorOf(const QColor& color) {
    return config::PlainWindowsColor(color.red(), color.green(), color.blue());
}

} // namespace qtface
