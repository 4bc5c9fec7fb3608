// Every window of a run over the faces that one view factory gives: the three that live from
// start to end, created in start-up order (the launcher, the settings hub and the admin dialog,
// both hidden); the dialogs opened later get their views from the same factory.
#pragma once

#include "core/MainForm.h"
#include "dialogs/Adminformular.h"
#include "dialogs/Hauptformular.h"
#include "dialogs/Laufwerksauswahl.h"
#include "dialogs/ViewFactory.h"

namespace dialogs {

class Program {
  public:
    Program(core::ProgramState& state, ViewFactory& views)
        : main(state, views.LauncherView()), hauptformular(state, main, views),
          admindata(state, views), views_(views) {
        main.SetHauptformular(&hauptformular);
        hauptformular.SetAdminDialog(&admindata);
        // After the hub, whose start puts a damaged file's backup back.
        state.launch.DriveMode = StoredDriveMode(state.location.IniPath);
        views_.AttachLauncher(&main);
    }
    // The launcher hears nothing more; it saves its bounds while its window still exists.
    ~Program() { views_.AttachLauncher(nullptr); }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    core::Tmain main;
    THauptformular hauptformular;
    TAdmindata admindata;

  private:
    ViewFactory& views_;
};

} // namespace dialogs
