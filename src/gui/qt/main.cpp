// Program entry on Linux: the single-instance hand-over, the configuration, the windows over
// the Qt face, the event loop.
#include "components/InstanceCheck.h"
#include "components/OneInstance.h"
#include "dialogs/ConfigFollower.h"
#include "dialogs/Program.h"
#include "gui/qt/Application.h"
#include "gui/qt/Faces.h"
#include "gui/qt/FileWatch.h"
#include "gui/qt/PlatformEvents.h"
#include "gui/qt/PortalShortcuts.h"
#include "gui/qt/ToolkitOptions.h"
#include "platform/DetachedProcess_posix.h"
#include "platform/StandardError.h"

#include <QTimer>

#include <functional>

namespace {

int Run(int argc, char** argv, core::PopupRequest popup) {
    qtface::Application application(argc, argv);
    // Watched before any window is made: a signal that comes while they are (the tray icon is
    // already up) ends the program from the event loop, as Beenden does; from a message box
    // of the start-up, before the windows are complete, it just ends.
    std::function<void()> endProgram;
    qtface::EndOnTerminationSignals(application, [&endProgram] {
        if (endProgram) {
            endProgram();
        } else {
            QCoreApplication::exit(0);
        }
    });
    // After the application: the hotkeys let go of their grabs on its X connection at the end.
    core::ProgramState state;
    state.findLocation = core::ResolveConfigLocation;
    // The hotkeys of the windows' creation need the window system's connection.
    qtface::ConnectPlatformEvents(application);
    qtface::Faces faces;
    // Where no key can be grabbed (Wayland), the desktop's portal carries the hotkeys.
    const auto portal = qtface::PortalShortcutsForSession(state);
    dialogs::Program program(state, faces);
    endProgram = [&program] { program.main.Beenden1Click(); };
    qtface::FileWatch watch;
    dialogs::ConfigFollower follower(state, program, watch);
    program.main.ShowRequested(popup);
    // From the event loop: the message waits for its answer while the hub is already usable.
    QTimer::singleShot(0, &application, [&program] { program.main.ShowHubWithoutTray(); });
    application.WhenFirstIdle([&program] { program.main.ApplicationEvents1Idle(); });
    return application.exec();
}

} // namespace

int main(int argc, char** argv) {
    const core::StartOptions options = core::ReadStartOptions(qtface::ProgramWords(argc, argv));
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
