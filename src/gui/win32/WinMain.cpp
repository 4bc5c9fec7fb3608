// Program entry on Windows: the single-instance hand-over, the configuration, the windows over
// the Win32 face, the message loop.
#include "components/InstanceCheck.h"
#include "components/OneInstance.h"
#include "components/SplitCommandLine.h"
#include "dialogs/ConfigFollower.h"
#include "dialogs/Program.h"
#include "gui/win32/Faces.h"
#include "gui/win32/FileWatch.h"
#include "gui/win32/MessageLoop.h"
#include "platform/StandardError.h"
#include "platform/WinText.h"

#include <windows.h>

namespace {

// The words after the program's name, split as the running copy splits a hand-over.
core::StartOptions ReadOwnOptions() {
    const std::vector<std::string> words =
        components::SplitCommandLine(platform::Narrow(GetCommandLineW()));
    return core::ReadStartOptions({words.begin() + (words.empty() ? 0 : 1), words.end()});
}

int Run(core::PopupRequest popup) {
    core::ProgramState state;
    state.findLocation = core::ResolveConfigLocation;
    win32face::Faces faces;
    // Without a window (under Wine: no display) nothing could be shown, and no key heard.
    if (faces.main.TrayHandle() == nullptr) {
        platform::TellOnStandardError(
            "Tippomat kann kein Fenster öffnen: keine Anzeige gefunden.\n");
        return 1;
    }
    dialogs::Program program(state, faces);
    win32face::FileWatch watch;
    dialogs::ConfigFollower follower(state, program, watch);
    program.main.ShowRequested(popup);
    program.main.ShowHubWithoutTray();
    return win32face::RunMessageLoop([&program] { program.main.ApplicationEvents1Idle(); });
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // DLLs come from the system folder only, never from the program's (a download folder, a stick).
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    const core::StartOptions options = ReadOwnOptions();
    platform::TellOnStandardError(core::UnknownOptionsText(options));
    // A copy of this program file that already runs takes over; this one ends before any window.
    if (!components::OneInstanceStartup()) {
        return 0;
    }
    components::InstallInstanceCheckHook();
    const int result = Run(options.popup);
    components::OneInstanceShutdown();
    return result;
}
