#include "core/TrayMenu.h"

namespace core {

const std::vector<MenuEntry>& TrayMenu() {
    static const std::vector<MenuEntry> menu = {
        {MenuItem::Zeigen1, "Zeigen", -1, false},
        {MenuItem::Verbergen1, "Verbergen", -1, false},
        {MenuItem::Einstellungen1, "Einstellungen", -1, false},
        {MenuItem::Einstellungsdialog1, "Einstellungsdialog", -1, true},
        {MenuItem::N1, "-", -1, true},
        {MenuItem::Editieren1, "Editieren", 4, true, HubAction::Edit},
        {MenuItem::Aussehen1, "Aussehen", 7, true, HubAction::Appearance},
        {MenuItem::Installieren1, "Installieren", 5, true, HubAction::Install},
        {MenuItem::Laufwerkwechseln1, "Laufwerk wechseln", 3, true, HubAction::SwitchDrive},
        {MenuItem::Adminmodus1, "Adminmodus", 6, true, HubAction::Admin},
        {MenuItem::Information1, "Information", 1, true, HubAction::Information},
        {MenuItem::Hilfe1, "Hilfe", 2, true, HubAction::Help},
        {MenuItem::Beenden1, "Beenden", 8, false},
    };
    return menu;
}

} // namespace core
