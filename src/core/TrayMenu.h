// The tray menu: its entries in their order, what each shows and what it runs.
#pragma once

#include "core/Hauptformular.h"

#include <optional>
#include <string_view>
#include <vector>

namespace core {

enum class MenuItem {
    Zeigen1,
    Verbergen1,
    Einstellungen1,
    Einstellungsdialog1,
    N1,
    Editieren1,
    Aussehen1,
    Installieren1,
    Laufwerkwechseln1,
    Adminmodus1,
    Information1,
    Hilfe1,
    Beenden1,
};

// One entry of the tray menu. The entries of the submenu mostly run a hub action.
struct MenuEntry {
    MenuItem item;
    const char* caption; // "-" for a separator
    int image;           // index into the hub's image list, -1 for none
    bool inSubmenu;      // under "Einstellungen"
    std::optional<HubAction> action{};

    // "Einstellungen" opens the submenu that the entries after it fill.
    bool OpensSubmenu() const { return item == MenuItem::Einstellungen1; }
    bool IsSeparator() const { return std::string_view(caption) == "-"; }
};

// The tray menu in its order.
const std::vector<MenuEntry>& TrayMenu();

} // namespace core
