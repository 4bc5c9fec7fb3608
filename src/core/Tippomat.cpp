// Program entry: the single-instance hand-over, the configuration, the three windows that live
// until the end, the event loop.
#include "components/InstanceCheck.h"
#include "components/OneInstance.h"
#include "core/MainForm.h"
#include "core/ProgramState.h"
#include "dialogs/Adminformular.h"
#include "dialogs/Einstellungen.h"
#include "ui/Application.h"
#include "ui/PlatformEvents.h"

namespace {

int Run(int argc, char** argv) {
    core::ProgramState state;
    state.location = core::ResolveConfigLocation();
    ui::Application application(argc, argv);
    ui::ConnectPlatformEvents(application);
    core::Tmain launcher(state);
    dialogs::THauptformular hub(state, launcher);
    launcher.SetHub(&hub);
    dialogs::TAdmindata admin(state, launcher);
    hub.SetAdminDialog(&admin);
    return application.exec();
}

} // namespace

int main(int argc, char** argv) {
    // A copy of this program file that already runs takes over; this one ends before any window.
    if (!components::OneInstanceStartup()) {
        return 0;
    }
    components::InstallInstanceCheckHook();
    const int result = Run(argc, argv);
    components::OneInstanceShutdown();
    return result;
}
