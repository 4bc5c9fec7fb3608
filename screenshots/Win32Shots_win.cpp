// Pictures of every window of the Win32 face, as a user first sees them, into the folder named
// on the command line (<window>.bmp, frame included, as the screen shows it). The scaling is the
// system's (its dots per inch); the configuration lives in a temporary folder.
#include "dialogs/Program.h"
#include "dialogs/Programmliste.h"
#include "gui/win32/Faces.h"
#include "gui/win32/MessageLoop.h"
#include "platform/FileSystem.h"
#include "platform/WinText.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring folder;
bool saved = true;

// Lets the windows paint what the last calls changed.
void Settle() {
    MSG message;
    for (int round = 0; round < 3; ++round) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            win32face::DispatchOne(message);
        }
        GdiFlush();
    }
}

bool WriteBitmap(const std::wstring& path, int width, int height, const std::vector<char>& bits) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + static_cast<DWORD>(bits.size());
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (file == nullptr) {
        return false;
    }
    std::fwrite(&header, sizeof header, 1, file);
    std::fwrite(&info, sizeof info, 1, file);
    std::fwrite(bits.data(), 1, bits.size(), file);
    return std::fclose(file) == 0;
}

// The window as the screen shows it: its frame comes from the window manager under Wine, and
// PrintWindow would leave out its controls.
std::vector<char> Capture(const RECT& place) {
    const int width = place.right - place.left, height = place.bottom - place.top;
    BITMAPINFO format{};
    format.bmiHeader = {sizeof format.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const HDC screen = GetDC(nullptr);
    BitBlt(dc, 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    GdiFlush();
    const auto* first = static_cast<const char*>(bits);
    std::vector<char> pixels(first, first + width * height * 4);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return pixels;
}

void Save(HWND window, const wchar_t* name) {
    if (window == nullptr) {
        std::fprintf(stderr, "no window %ls\n", name);
        saved = false;
        return;
    }
    SetForegroundWindow(window);
    RECT place{};
    GetWindowRect(window, &place);
    // The display draws on its own time: the picture is taken once it holds still.
    std::vector<char> pixels, last;
    for (int tries = 0; tries < 100 && (pixels.empty() || pixels != last); ++tries) {
        Settle();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 30, QS_ALLINPUT);
        last = std::move(pixels);
        pixels = Capture(place);
    }
    saved &= WriteBitmap(folder + L"\\" + name + L".bmp", place.right - place.left,
                         place.bottom - place.top, pixels);
}

// A modal dialog is taken inside its own loop, which the next call opens, then closed.
const wchar_t* modalName = nullptr;
void CALLBACK TakeModal(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const HWND dialog = GetActiveWindow();
    Save(dialog, modalName);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
}
void SaveNextModal(const wchar_t* name) {
    modalName = name;
    SetTimer(nullptr, 0, 200, TakeModal);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots_win32 FOLDER\n");
        return 2;
    }
    folder = argv[1];
    CreateDirectoryW(folder.c_str(), nullptr);
    wchar_t temporary[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temporary);
    const std::string config = platform::Narrow(temporary) + "Tippomat-Bilder\\";
    platform::CreateDirectories(config);
    DeleteFileW(platform::Wide(config + "Tippomat.ini").c_str());

    core::ProgramState state;
    state.location = {config + "Tippomat.exe", config, config + "Tippomat.ini"};
    win32face::Faces faces;
    dialogs::Program program(state, faces);
    Settle();
    program.main.Hotkeyhotkey();
    Save(faces.main.Handle(), L"popup");
    program.main.Verbergen();
    program.hauptformular.Show();
    Save(faces.DialogNamed(dialogs::THauptformular::Form().name).Window(), L"hub");
    program.hauptformular.Clicked("aussehenbut");
    Save(faces.DialogNamed("EinstellungenHaupt").Window(), L"appearance");
    program.hauptformular.Clicked("laufwerkbut");
    Save(faces.DialogNamed("laufwerksform").Window(), L"drive");
    program.admindata.Show();
    Save(faces.DialogNamed(dialogs::TAdmindata::Form().name).Window(), L"admin");
    // A few bindings, so that the list shows rows and the binding editor one of them.
    state.table.SetSlot(1, "C:\\Program Files\\Mozilla Firefox\\firefox.exe", "", "-new-window");
    state.table.SetSlot(4, "C:\\Program Files\\Mozilla Thunderbird\\thunderbird.exe", "", "");
    state.table.SetSlot(19, "C:\\Windows\\System32\\cmd.exe", "C:\\Users", "/k dir");
    program.hauptformular.Clicked("editbutton");
    win32face::Dialog& list = faces.DialogNamed(dialogs::Tprogrammliste::Form().name);
    Save(list.Window(), L"list");
    list.SetNumber(dialogs::Tprogrammliste::kProgramme, 1);
    SaveNextModal(L"binding");
    SendMessageW(list.Control("AendernBut"), BM_CLICK, 0, 0);
    SaveNextModal(L"info");
    program.hauptformular.Clicked("infobut");
    program.main.Beenden1Click();
    Settle();
    return saved ? 0 : 1;
}
