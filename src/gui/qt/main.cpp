// Program entry on Linux: the single-instance hand-over, the configuration, the three windows
// that live until the end, the event loop.
#include "components/InstanceCheck.h"
#include "components/OneInstance.h"
#include "dialogs/Program.h"
#include "gui/qt/Application.h"
#include "gui/qt/FormDialog.h"
#include "gui/qt/MainWindow.h"
#include "gui/qt/PlatformEvents.h"
#include "gui/qt/PortalShortcuts.h"
#include "gui/qt/ToolkitOptions.h"
#include "platform/DetachedProcess_posix.h"
#include "platform/StandardError.h"

namespace {

int Run(int argc, char** argv, core::PopupRequest popup) {
    gui::Application application(argc, argv);
    // After the application: the hotkeys let go of their grabs on its X connection at the end.
    core::ProgramState state;
    state.location = core::ResolveConfigLocation();
    // The hotkeys of the windows' creation need the window system's connection.
    gui::ConnectPlatformEvents(application);
    gui::MainWindow mainWindow;
    // Where no key can be grabbed (Wayland), the desktop's portal carries the hotkeys.
    const auto portal = gui::PortalShortcutsForSession(state, mainWindow);
    gui::FormDialog hubWindow(dialogs::THauptformular::Form());
    gui::FormDialog adminWindow(dialogs::TAdmindata::Form());
    dialogs::Program program(state, mainWindow, hubWindow, adminWindow);
    mainWindow.Attach(program.launcher);
    hubWindow.Attach(program.hub);
    adminWindow.Attach(program.admin);
    gui::EndOnTerminationSignals(application, [&program] { program.launcher.Beenden1Click(); });
    program.launcher.ShowRequested(popup);
    return application.exec();
}

} // namespace

int main(int argc, char** argv) {
    const core::StartOptions options = core::ReadStartOptions(gui::ProgramWords(argc, argv));
    platform::TellOnStandardError(core::UnknownOptionsText(options));
    // A copy of this program file that already runs takes over; this one ends before any window.
    if (!components::OneInstanceStartup()) {
        return 0;
    }
    components::InstallInstanceCheckHook();
    // Started programs are never waited for; none may stay behind as a zombie.
    platform::LeaveEndedChildrenToTheSystem();
    const int result = Run(argc, argv, options.popup);
    components::OneInstanceShutdown();
    return result;
}
