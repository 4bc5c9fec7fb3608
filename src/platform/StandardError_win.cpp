#include "platform/StandardError.h"

#include "platform/WinText.h"

#include <windows.h>

namespace platform {

namespace {

// A console takes UTF-16; a pipe or a file gets the UTF-8 bytes.
void WriteTo(HANDLE handle, const std::string& text) {
    DWORD written = 0;
    const std::wstring wide = Wide(text);
    if (GetFileType(handle) == FILE_TYPE_CHAR &&
        WriteConsoleW(handle, wide.c_str(), static_cast<DWORD>(wide.size()), &written, nullptr)) {
        return;
    }
    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

} // namespace

// A program without a console of its own: the standard error its starter handed in, or else
// the console of the command prompt it was started from; from the desktop there is neither.
void TellOnStandardError(const std::string& text) {
    if (text.empty()) {
        return;
    }
    const HANDLE given = GetStdHandle(STD_ERROR_HANDLE);
    if (given != nullptr && given != INVALID_HANDLE_VALUE &&
        GetFileType(given) != FILE_TYPE_UNKNOWN) {
        WriteTo(given, text);
        return;
    }
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
    if (console != INVALID_HANDLE_VALUE) {
        WriteTo(console, "\r\n" + text);
        CloseHandle(console);
    }
    FreeConsole();
}

} // namespace platform
