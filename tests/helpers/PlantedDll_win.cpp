// A DLL that the program must never load, placed beside Tippomat.exe under a system DLL's name.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
