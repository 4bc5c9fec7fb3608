// Colours as the INI file stores them: 0x00BBGGRR for a plain colour, 0xFF0000nn for the
// Windows system colour with index nn, whatever the user's colour scheme makes of it.
#pragma once

namespace config {

struct WindowsColor {
    bool isSystem;   // then index names it
    int systemIndex; // COLOR_SCROLLBAR = 0 ... COLOR_MENUBAR = 30, up to 255
    int red, green, blue;
};

constexpr WindowsColor DecodeWindowsColor(int value) {
    const auto bits = static_cast<unsigned>(value);
    if ((bits & 0xFF000000u) == 0xFF000000u) {
        return {true, static_cast<int>(bits & 0xFFu), 0, 0, 0};
    }
    return {false, 0, static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
            static_cast<int>((bits >> 16) & 0xFFu)};
}

constexpr int PlainWindowsColor(int red, int green, int blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

} // namespace config
