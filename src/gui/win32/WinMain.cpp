// Program entry on Windows: the single-instance hand-over, the configuration, the windows over
// the Win32 face, the message loop.
#include "components/InstanceCheck.h"
#include "components/OneInstance.h"
#include "dialogs/Program.h"
#include "gui/win32/Faces.h"
#include "gui/win32/MessageLoop.h"

#include <windows.h>

namespace {

int Run() {
    core::ProgramState state;
    state.location = core::ResolveConfigLocation();
    win32face::Faces faces;
    dialogs::Program program(state, faces);
    return win32face::RunMessageLoop();
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // A copy of this program file that already runs takes over; this one ends before any window.
    if (!components::OneInstanceStartup()) {
        return 0;
    }
    components::InstallInstanceCheckHook();
    const int result = Run();
    components::OneInstanceShutdown();
    return result;
}
