#include "gui/win32/Help.h"

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/WinText.h"

#include <htmlhelp.h>

namespace win32face {

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

HelpSink& Sink() {
    static HelpSink sink;
    return sink;
}

// The viewer is loaded at the first request, so a start without help costs nothing.
HtmlHelpFunction HtmlHelpViewer() {
    static const HtmlHelpFunction viewer = []() -> HtmlHelpFunction {
        const HMODULE library = LoadLibraryW(L"hhctrl.ocx");
        if (library == nullptr) {
            return nullptr;
        }
        return reinterpret_cast<HtmlHelpFunction>(
            reinterpret_cast<void (*)()>(GetProcAddress(library, "HtmlHelpW")));
    }();
    return viewer;
}

std::string HelpFile() {
    return platform::ProgramFolder() + "TIPPOMAT.chm";
}

} // namespace

void SetHelpSink(HelpSink sink) {
    Sink() = std::move(sink);
}

void ShowHelpTopic(HWND owner, int context) {
    if (Sink()) {
        Sink()(context);
        return;
    }
    const std::string file = HelpFile();
    if (context == 0 || !platform::FileExists(file) || HtmlHelpViewer() == nullptr) {
        return;
    }
    HtmlHelpViewer()(owner, platform::Wide(file).c_str(), HH_HELP_CONTEXT,
                     static_cast<DWORD_PTR>(context));
}

} // namespace win32face
