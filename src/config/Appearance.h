// The popup's look as the INI file keeps it: the appearance dialog writes it, the launcher
// window reads it at start-up.
#pragma once

#include "config/IniFile.h"

namespace config {

inline constexpr char kAppearanceSection[] = "EinstellungenHaupt"; // the dialog's form state
inline constexpr char kColorsSection[] = "Farben";
// The keys of the dialog's controls whose values the launcher reads.
inline constexpr char kBlinkfrequenzKey[] = "blinkfrequenz";
inline constexpr char kBreiteKey[] = "breite";
inline constexpr char kHoeheKey[] = "hoehe";
inline constexpr char kStilKey[] = "Stil";

struct PopupAppearance {
    int blinkfrequenz = 200; // milliseconds between two colour changes
    int breite = 70;         // pixels
    int hoehe = 70;
    int stil = 0;     // 0 "Normal", 1 "ohne Rand", 2 "Kreis", -1 none chosen
    int farbe1 = 255; // pure red
    int farbe2 = static_cast<int>(0xFF000001u); // the desktop's background colour
};

// Each value as an integer, its default where it is missing or no integer.
PopupAppearance ReadPopupAppearance(const IniFile& ini);
// The two colours into [Farben].
void WriteColors(IniFile& ini, int farbe1, int farbe2);

} // namespace config
