// The benchmark's hands inside the Wine session: reads one command a line on its standard input
// and answers one line. Keys go in through SendInput, memory comes from GetProcessMemoryInfo and
// times from the performance counter, the clock the bound program stamps with.
//   frequency                 -> counts per second of the performance counter
//   hotkey VK                 -> Alt+VK pressed; "ok"
//   key VK TITLE              -> VK pressed once the foreground window's title begins with
//                                TITLE; the counter just before, or "-1" after 5 s without it
//   memory EXE                -> working set and private bytes of the process EXE, or "-1 -1"
//   close EXE                 -> the process's threads asked to quit; "ok"
//   bind PROGRAM PARAMETERS   -> Tippomat's INI in the user's application data binds "k" to
//                                PROGRAM with PARAMETERS (neither holds a space); "ok"
// Private bytes are the committed private pages (VirtualQueryEx), what Windows counts as
// PrivateUsage: Wine reports only swapped pages there for another process.
#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Press(std::vector<WORD> chord) {
    std::vector<INPUT> strokes(chord.size() * 2);
    size_t down = 0;
    size_t up = strokes.size();
    for (const WORD key : chord) {
        strokes[down].type = INPUT_KEYBOARD;
        strokes[down++].ki.wVk = key;
        strokes[--up].type = INPUT_KEYBOARD;
        strokes[up].ki.wVk = key;
        strokes[up].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof(INPUT));
}

long long Counter() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

bool ForegroundTitled(const std::string& title) {
    char text[256] = {};
    GetWindowTextA(GetForegroundWindow(), text, sizeof text);
    return std::strncmp(text, title.c_str(), title.size()) == 0;
}

long long PressWhenForeground(WORD key, const std::string& title) {
    const ULONGLONG end = GetTickCount64() + 5000;
    while (!ForegroundTitled(title)) {
        if (GetTickCount64() > end) {
            return -1;
        }
        Sleep(1);
    }
    const long long pressed = Counter();
    Press({key});
    return pressed;
}

DWORD ProcessNamed(const std::string& name) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    DWORD found = 0;
    for (BOOL more = Process32First(snapshot, &entry); more && found == 0;
         more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, name.c_str()) == 0) {
            found = entry.th32ProcessID;
        }
    }
    CloseHandle(snapshot);
    return found;
}

SIZE_T CommittedPrivate(HANDLE process) {
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* at = nullptr;
         VirtualQueryEx(process, at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
            total += region.RegionSize;
        }
    }
    return total;
}

std::string Memory(const std::string& name) {
    const HANDLE process =
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, ProcessNamed(name));
    if (process == nullptr) {
        return "-1 -1";
    }
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    std::string answer = "-1 -1";
    if (GetProcessMemoryInfo(process, &counters, sizeof counters)) {
        answer = std::to_string(counters.WorkingSetSize) + " " +
                 std::to_string(CommittedPrivate(process));
    }
    CloseHandle(process);
    return answer;
}

void Bind(const std::string& rest) {
    const size_t space = rest.find(' ');
    char appData[MAX_PATH] = {};
    GetEnvironmentVariableA("APPDATA", appData, MAX_PATH);
    std::string folder = std::string(appData) + "\\Orvanta";
    CreateDirectoryA(folder.c_str(), nullptr);
    folder += "\\Tippomat";
    CreateDirectoryA(folder.c_str(), nullptr);
    if (FILE* ini = std::fopen((folder + "\\Tippomat.ini").c_str(), "wb")) {
        std::fprintf(ini, "[Buchstaben]\r\nK=%s\r\nPK=%s\r\n", rest.substr(0, space).c_str(),
                     space == std::string::npos ? "" : rest.substr(space + 1).c_str());
        std::fclose(ini);
    }
}

void Close(const std::string& name) {
    const DWORD process = ProcessNamed(name);
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID == process) {
            PostThreadMessageW(entry.th32ThreadID, WM_QUIT, 0, 0);
        }
    }
    CloseHandle(snapshot);
}

std::string Answer(const std::string& command, const std::string& rest) {
    if (command == "frequency") {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return std::to_string(frequency.QuadPart);
    }
    if (command == "hotkey") {
        Press({VK_MENU, static_cast<WORD>(std::strtoul(rest.c_str(), nullptr, 16))});
        return "ok";
    }
    if (command == "key") {
        const size_t space = rest.find(' ');
        const auto key = static_cast<WORD>(std::strtoul(rest.c_str(), nullptr, 16));
        return std::to_string(
            PressWhenForeground(key, space == std::string::npos ? "" : rest.substr(space + 1)));
    }
    if (command == "memory") {
        return Memory(rest);
    }
    if (command == "bind") {
        Bind(rest);
        return "ok";
    }
    if (command == "close") {
        Close(rest);
        return "ok";
    }
    return "unknown";
}

} // namespace

int main() {
    char line[512];
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
            text.pop_back();
        }
        const size_t space = text.find(' ');
        const std::string command = text.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : text.substr(space + 1);
        std::printf("%s\n", Answer(command, rest).c_str());
        std::fflush(stdout);
    }
    return 0;
}
