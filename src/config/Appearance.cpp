#include "config/Appearance.h"

namespace config {

PopupAppearance ReadPopupAppearance(const IniFile& ini) {
    PopupAppearance look;
    look.blinkfrequenz = ini.ReadInteger(kAppearanceSection, "blinkfrequenz", look.blinkfrequenz);
    look.breite = ini.ReadInteger(kAppearanceSection, "breite", look.breite);
    look.hoehe = ini.ReadInteger(kAppearanceSection, "hoehe", look.hoehe);
    look.farbe1 = ini.ReadInteger(kColorsSection, "Farbe1", look.farbe1);
    look.farbe2 = ini.ReadInteger(kColorsSection, "Farbe2", look.farbe2);
    look.stil = ini.ReadInteger(kAppearanceSection, "Stil", look.stil);
    return look;
}

void WriteColors(IniFile& ini, int farbe1, int farbe2) {
    ini.WriteInteger(kColorsSection, "Farbe1", farbe1);
    ini.WriteInteger(kColorsSection, "Farbe2", farbe2);
}

} // namespace config
