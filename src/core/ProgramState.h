// What the program holds for its whole run: where its files are, the launch table, the switch
// that says which file the table lives in, the values a start reads and the two global hotkeys.
#pragma once

#include "components/Fishotkey.h"
#include "components/SessionShortcuts.h"
#include "config/LaunchTable.h"
#include "core/ConfigLocation.h"
#include "core/Launch.h"

#include <functional>

namespace core {

struct ProgramState {
    ConfigLocation location;
    // Where set, the launcher takes the location from it once its tray icon is up: the lookup
    // is slow on some systems, and the start shows the icon first.
    std::function<ConfigLocation()> findLocation;
    bool PortableMode = false;
    config::LaunchTable table;
    // The table as its file held it at the last load or save, and that file: what another
    // program changes in the file meanwhile is told from this program's own changes by it.
    config::LaunchTable tableOnFile;
    std::string tableFilePath;
    LaunchSettings launch;
    components::Tfishotkey hotkey;      // shows the launcher in user mode
    components::Tfishotkey adminhotkey; // shows it in admin mode
    // Called whenever the dialogs have set and enabled the hotkeys.
    std::function<void()> HotkeysApplied;
    // Called when the desktop that carries the hotkeys brings the given one to no key.
    std::function<void(components::SessionShortcutGap, const components::Tfishotkey&)>
        HotkeyWithoutKey;
    // Called whenever a dialog has closed: what waited for it may go on.
    std::function<void()> DialogClosed;
    // The modal dialogs running now: the tray menu waits until they are closed.
    int modalDialogs = 0;

    config::LaunchFile LaunchFile() const {
        return config::LaunchFileFor(PortableMode, location.IniPath, location.ProgramPath);
    }
};

} // namespace core
