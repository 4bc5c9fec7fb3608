// The three windows that live from start to end, created in start-up order over their faces:
// the launcher, the settings hub (hidden) and the admin dialog (hidden).
#pragma once

#include "core/MainForm.h"
#include "dialogs/Adminformular.h"
#include "dialogs/Einstellungen.h"
#include "dialogs/Laufwerksauswahl.h"

namespace dialogs {

struct Program {
    Program(core::ProgramState& state, core::MainView& mainView, DialogView& hubView,
            DialogView& adminView)
        : launcher(state, mainView), hub(state, launcher, hubView), admin(state, adminView) {
        launcher.SetHub(&hub);
        hub.SetAdminDialog(&admin);
        // After the hub, whose start puts a damaged file's backup back.
        state.launch.DriveMode = StoredDriveMode(state.location.IniPath);
    }

    core::Tmain launcher;
    THauptformular hub;
    TAdmindata admin;
};

} // namespace dialogs
