// Test program started by the Windows launch tests: appends its working directory, its own
// path, the show command it was started with and its command line, in UTF-8, to the file named
// by TIPPOMAT_MARK.
#include <windows.h>

#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(length > 0 ? length - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), length, nullptr, nullptr);
    return out;
}

} // namespace

int wmain() {
    wchar_t markFile[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"TIPPOMAT_MARK", markFile, MAX_PATH) == 0) {
        return 2;
    }
    wchar_t directory[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, directory);
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    STARTUPINFOW startup{};
    GetStartupInfoW(&startup);
    const std::string mark = "cwd=" + Utf8(directory) + "\nself=" + Utf8(self) +
                             "\nshow=" + std::to_string(startup.wShowWindow) +
                             "\ncmd=" + Utf8(GetCommandLineW()) + "\n";
    const HANDLE file = CreateFileW(markFile, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, mark.data(), static_cast<DWORD>(mark.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
