// Program entry on Windows: the single-instance hand-over, the configuration, the three windows
// that live until the end, the message loop.
#include "components/InstanceCheck.h"
#include "components/OneInstance.h"
#include "gui/win32/MessageLoop.h"
#include "gui/win32/ProgramWindows.h"

#include <windows.h>

namespace {

int Run() {
    core::ProgramState state;
    state.location = core::ResolveConfigLocation();
    wingui::ProgramWindows windows(state);
    return wingui::RunMessageLoop();
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
