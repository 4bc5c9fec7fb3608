// The bound program of the Windows benchmark: appends the performance counter at its first
// instruction to the file named by its parameter. It has its own entry point, so no C runtime
// start-up runs before the time is taken.
#include <windows.h>

extern "C" void StampEntry() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    // The parameter follows the program's name, which may be quoted.
    const wchar_t* rest = GetCommandLineW();
    const bool quoted = *rest == L'"';
    for (rest += quoted ? 1 : 0; *rest != 0 && *rest != (quoted ? L'"' : L' '); ++rest) {
    }
    for (rest += *rest == L'"' ? 1 : 0; *rest == L' '; ++rest) {
    }
    char text[24];
    int length = 0;
    char digits[20];
    int count = 0;
    for (unsigned long long value = static_cast<unsigned long long>(now.QuadPart);
         count == 0 || value != 0; value /= 10) {
        digits[count++] = static_cast<char>('0' + value % 10);
    }
    while (count > 0) {
        text[length++] = digits[--count];
    }
    text[length++] = '\n';
    const HANDLE file = CreateFileW(rest, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, text, static_cast<DWORD>(length), &written, nullptr);
        CloseHandle(file);
    }
    ExitProcess(0);
}
