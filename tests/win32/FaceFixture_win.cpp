#include "win32/FaceFixture_win.h"

#include "gui/win32/MessageLoop.h"
#include "platform/WinText.h"
#include "support/Wait.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <iterator>

namespace testing_support {

FaceTest::FaceTest() {
    location_.ProgramPath = folder_.Path("Tippomat.exe");
    location_.ConfigFolder = folder_.Path();
    location_.IniPath = folder_.Path("Tippomat.ini");
}

bool FaceTest::PumpUntil(const std::function<bool()>& done, int seconds) {
    return Eventually(done, seconds, [] {
        MSG message;
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            win32face::DispatchOne(message);
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        }
    });
}

HDROP DropOf(const std::string& path, POINT at) {
    const std::wstring file = platform::Wide(path);
    // The names end with an empty one.
    const size_t size = sizeof(DROPFILES) + (file.size() + 2) * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = at;
    drop->fWide = TRUE;
    std::copy(file.begin(), file.end(), reinterpret_cast<wchar_t*>(drop + 1));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

void KeyDownIn(HWND window, WPARAM key, UINT message) {
    // Repeat count 1; a system key comes with Alt held.
    const LPARAM details = 1 | (message == WM_SYSKEYDOWN ? (1 << 29) : 0);
    MSG down{window, message, key, details, static_cast<DWORD>(GetMessageTime()), {}};
    win32face::DispatchOne(down);
    MSG next;
    while (PeekMessageW(&next, nullptr, 0, 0, PM_REMOVE)) {
        win32face::DispatchOne(next);
    }
}

std::map<HWND, Hint> HintsOf(HWND form) {
    std::map<HWND, Hint> hints;
    for (HWND tip = nullptr;
         (tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) != nullptr;) {
        // Only this process's: the messages below carry pointers into it, and the shell's
        // tooltips (the tray's) crashed on them.
        DWORD process = 0;
        GetWindowThreadProcessId(tip, &process);
        if (process != GetCurrentProcessId()) {
            continue;
        }
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        for (WPARAM index = 0;
             SendMessageW(tip, TTM_ENUMTOOLSW, index, reinterpret_cast<LPARAM>(&tool)); ++index) {
            wchar_t text[512] = {};
            tool.lpszText = text;
            SendMessageW(tip, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
            if (tool.hwnd == form) {
                hints[reinterpret_cast<HWND>(tool.uId)] = {tip, text};
            }
            tool.lpszText = nullptr;
        }
    }
    return hints;
}

} // namespace testing_support
