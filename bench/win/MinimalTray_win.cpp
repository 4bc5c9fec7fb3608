// The Windows yardstick: the smallest Win32 tray program that does what Tippomat.exe does on the
// hot path. A tray icon, a hidden always-on-top popup framed as the launcher's default look is
// (so Wine and the window manager do the same work for both), a blink timer that runs only while
// it is shown, a global hotkey from RegisterHotKey, and "k" in the popup starting a program with
// ShellExecuteW. Arguments: the program to start and its parameters. Its hotkey is Alt+F9: both
// programs run in one session, where a hotkey belongs to one program, and the launcher holds
// Alt+F11 as well.
#include <windows.h>

#include <shellapi.h>

namespace {

constexpr UINT kTrayMessage = WM_APP + 1;
constexpr UINT_PTR kBlinkTimer = 1;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr DWORD kExStyle = WS_EX_TOPMOST | WS_EX_DLGMODALFRAME;

const wchar_t* boundProgram = L"";
const wchar_t* boundParameters = L"";
bool lit = false;

void Hide(HWND window) {
    KillTimer(window, kBlinkTimer);
    ShowWindow(window, SW_HIDE);
}

void Paint(HWND window) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    const HBRUSH brush = CreateSolidBrush(lit ? RGB(255, 0, 0) : RGB(0, 0, 128));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    DrawTextW(dc, L"Referenz\naktiv", -1, &client, DT_CENTER | DT_NOPREFIX);
    EndPaint(window, &paint);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_HOTKEY:
        ShowWindow(window, SW_SHOWNORMAL);
        SetForegroundWindow(window);
        SetTimer(window, kBlinkTimer, 200, nullptr);
        return 0;
    case WM_TIMER:
        lit = !lit;
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_CHAR:
        if (wParam == L'k') {
            ShellExecuteW(nullptr, L"open", boundProgram, boundParameters, nullptr, SW_SHOWNA);
            Hide(window);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) {
            Hide(window);
        }
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count > 2) {
        boundProgram = arguments[1];
        boundParameters = arguments[2];
    }
    WNDCLASSW description{};
    description.lpfnWndProc = Procedure;
    description.hInstance = instance;
    description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    description.lpszClassName = L"MinimalTray";
    RegisterClassW(&description);
    RECT frame{0, 0, 70, 70};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    const HWND window = CreateWindowExW(kExStyle, L"MinimalTray", L"Start als Referenz", kStyle, 6,
                                        37, frame.right - frame.left, frame.bottom - frame.top,
                                        nullptr, nullptr, instance, nullptr);

    NOTIFYICONDATAW tray{};
    tray.cbSize = sizeof tray;
    tray.hWnd = window;
    tray.uID = 1;
    tray.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    tray.uCallbackMessage = kTrayMessage;
    tray.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpynW(tray.szTip, L"Referenz", ARRAYSIZE(tray.szTip));
    Shell_NotifyIconW(NIM_ADD, &tray);
    RegisterHotKey(window, 1, MOD_ALT, VK_F9);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    Shell_NotifyIconW(NIM_DELETE, &tray);
    return 0;
}
