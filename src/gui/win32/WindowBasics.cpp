#include "gui/win32/WindowBasics.h"

#include "config/WindowsColor.h"
#include "dialogs/Questions.h"
#include "gui/win32/Pictures.h"
#include "platform/WinText.h"

#include <commctrl.h>

namespace win32face {

ATOM RegisterWindowClass(const wchar_t* name, WNDPROC procedure, int backgroundColor) {
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.lpfnWndProc = procedure;
    description.hInstance = GetModuleHandleW(nullptr);
    description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    description.hbrBackground = backgroundColor < 0 ? nullptr : GetSysColorBrush(backgroundColor);
    description.hIcon = ApplicationIcon(GetSystemMetrics(SM_CXICON));
    description.hIconSm = ApplicationIcon(GetSystemMetrics(SM_CXSMICON));
    description.lpszClassName = name;
    return RegisterClassExW(&description);
}

void UseCommonControls() {
    static const bool ready = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                                           ICC_LISTVIEW_CLASSES};
        return InitCommonControlsEx(&controls) != 0;
    }();
    (void)ready;
}

HFONT CreateTahoma(int height, int weight, DWORD quality) {
    return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, quality,
                       DEFAULT_PITCH | FF_DONTCARE, L"Tahoma");
}

int Scale(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}

UINT DpiOf(HWND window) {
    const UINT dpi = window != nullptr ? GetDpiForWindow(window) : 0;
    return dpi != 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

COLORREF ColorRefOf(int windowsColor) {
    const config::WindowsColor color = config::DecodeWindowsColor(windowsColor);
    return color.isSystem ? GetSysColor(color.systemIndex)
                          : RGB(color.red, color.green, color.blue);
}

std::string TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return platform::Narrow(text);
}

std::wstring WideLines(std::string_view text) {
    const std::wstring wide = platform::Wide(text);
    std::wstring lines;
    for (size_t i = 0; i < wide.size(); ++i) {
        lines += wide[i];
        if (wide[i] == L'\r' && (i + 1 == wide.size() || wide[i + 1] != L'\n')) {
            lines += L'\n';
        }
    }
    return lines;
}

void ReportError(const char* what) {
    dialogs::Ask(nullptr, {core::MessageKind::Error, what, dialogs::MessageButtons::Ok, 0});
}

} // namespace win32face
