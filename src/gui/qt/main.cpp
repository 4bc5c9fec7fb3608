// Program entry on Linux: the single-instance hand-over, the configuration, the windows over
// the Qt face, the event loop.
#include "components/InstanceCheck.h"
#include "components/OneInstance.h"
#include "dialogs/Program.h"
#include "gui/qt/Application.h"
#include "gui/qt/Faces.h"
#include "gui/qt/PlatformEvents.h"
#include "platform/DetachedProcess_posix.h"

namespace {

int Run(int argc, char** argv) {
    qtface::Application application(argc, argv);
    // After the application: the hotkeys let go of their grabs on its X connection at the end.
    core::ProgramState state;
    state.location = core::ResolveConfigLocation();
    // The hotkeys of the windows' creation need the window system's connection.
    qtface::ConnectPlatformEvents(application);
    qtface::Faces faces;
    dialogs::Program program(state, faces);
    qtface::EndOnTerminationSignals(application, [&program] { program.main.Beenden1Click(); });
    return application.exec();
}

} // namespace

int main(int argc, char** argv) {
    // A copy of this program file that already runs takes over; this one ends before any window.
    if (!components::OneInstanceStartup()) {
        return 0;
    }
    components::InstallInstanceCheckHook();
    // Started programs are never waited for; none may stay behind as a zombie.
    platform::LeaveEndedChildrenToTheSystem();
    const int result = Run(argc, argv);
    components::OneInstanceShutdown();
    return result;
}
