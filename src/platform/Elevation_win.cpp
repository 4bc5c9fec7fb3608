#include "platform/Elevation.h"

#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/WinText.h"

#include <windows.h>

namespace platform {

namespace {

int OsMajorVersion() {
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info))) {
        OSVERSIONINFOW plain{};
        plain.dwOSVersionInfoSize = sizeof plain;
        if (!GetVersionExW(&plain)) {
            return 0;
        }
        return static_cast<int>(plain.dwMajorVersion);
    }
    return static_cast<int>(info.dwMajorVersion);
}

unsigned long RunWithLogon(const std::string& user, const std::string& password,
                           const std::string& file, const std::string& params) {
    std::wstring commandLine = Wide(file);
    if (!params.empty()) {
        commandLine += L" \"" + Wide(params) + L"\"";
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    SetLastError(0);
    if (!CreateProcessWithLogonW(Wide(user).c_str(), nullptr, Wide(password).c_str(), 0, nullptr,
                                 commandLine.data(), CREATE_DEFAULT_ERROR_MODE, nullptr, nullptr,
                                 &startup, &process)) {
        return GetLastError();
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

} // namespace

bool RunElevated(const std::string& file, const std::string& params, const std::string& directory,
                 const std::string& user, const std::string& password) {
    // A refused prompt is no start: the launcher then neither hides nor tells of one.
    if (OsMajorVersion() >= 4) {
        return ShellRunAs(file, params, directory);
    }
    if (DirectoryExists(directory)) {
        SetCurrentDirectoryW(Wide(directory).c_str());
    }
    return RunWithLogon(user, password, file, params) == 0;
}

} // namespace platform
