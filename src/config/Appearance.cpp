#include "config/Appearance.h"

namespace config {

namespace {

// The appearance dialog stores its numbers with a fraction ("150,7"): their integer part, so
// that a setting survives a restart. Anything else that is no number gives the default.
int ReadIntegerPart(const IniFile& ini, const char* key, int fallback) {
    return IntegerPart(
        ini.ReadFloat(kAppearanceSection, key, ini.ReadInteger(kAppearanceSection, key, fallback)));
}

} // namespace

PopupAppearance ReadPopupAppearance(const IniFile& ini) {
    PopupAppearance look;
    look.blinkfrequenz = ReadIntegerPart(ini, kBlinkfrequenzKey, look.blinkfrequenz);
    look.breite = ReadIntegerPart(ini, kBreiteKey, look.breite);
    look.hoehe = ReadIntegerPart(ini, kHoeheKey, look.hoehe);
    look.farbe1 = ini.ReadInteger(kColorsSection, "Farbe1", look.farbe1);
    look.farbe2 = ini.ReadInteger(kColorsSection, "Farbe2", look.farbe2);
    look.stil = ini.ReadInteger(kAppearanceSection, kStilKey, look.stil);
    return look;
}

void WriteColors(IniFile& ini, int farbe1, int farbe2) {
    ini.WriteInteger(kColorsSection, "Farbe1", farbe1);
    ini.WriteInteger(kColorsSection, "Farbe2", farbe2);
}

} // namespace config
