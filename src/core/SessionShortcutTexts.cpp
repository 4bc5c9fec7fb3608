#include "core/SessionShortcutTexts.h"

#include "components/ShortCut.h"

namespace core {

std::string PopupCommand(const std::string& programPath) {
    const bool blank = programPath.find(' ') != std::string::npos;
    return (blank ? "\"" + programPath + "\"" : programPath) + " --popup";
}

std::string HotkeyWithoutKeyText(components::SessionShortcutGap gap,
                                 components::ShortcutValue hotkey, const std::string& programPath) {
    if (gap == components::SessionShortcutGap::NoService) {
        return "In dieser Sitzung kann Tippomat keine globalen Tastenkürzel setzen. Binden Sie in "
               "den Tastatureinstellungen des Desktops ein Kürzel an den Befehl: " +
               PopupCommand(programPath);
    }
    return "Der Desktop hat Tippomat das Tastenkürzel " + components::ShortCutToText(hotkey) +
           " nicht zugeteilt; es öffnet das Tippomat-Fenster darum nicht. Weisen Sie Tippomat in "
           "den Kurzbefehl-Einstellungen des Desktops eine Taste zu, oder binden Sie in den "
           "Tastatureinstellungen ein Tastenkürzel an den Befehl:\r" +
           PopupCommand(programPath);
}

} // namespace core
