// What every window of the face needs: its class, the Tahoma font, texts with line breaks, and
// the general error handling around event handlers.
#pragma once

#include <exception>
#include <string>
#include <string_view>

#include <windows.h>

namespace win32face {

// Registers a window class (call once per name).
ATOM RegisterWindowClass(const wchar_t* name, WNDPROC procedure, int backgroundColor);

// Readies the common controls before the first window that uses them: the library loads at
// this first call, not at start.
void UseCommonControls();

// Tahoma of the given pixel height (negative: character height, as CreateFontW takes it).
HFONT CreateTahoma(int height, int weight = FW_NORMAL, DWORD quality = DEFAULT_QUALITY);

// Pixels at 96 dots per inch to pixels at dpi.
int Scale(int pixels, UINT dpi);

// The window's dots per inch; the system's for a window that could not be made (no display
// under Wine), so that no size is divided by zero.
UINT DpiOf(HWND window);

// A colour as the INI file stores it (0x00BBGGRR, or 0xFF0000nn for a system colour), drawn.
COLORREF ColorRefOf(int windowsColor);

// A window's text in UTF-8.
std::string TextOf(HWND window);

// UTF-16 with each lone "\r" made a "\r\n", so that a "\r" breaks the line as the logic means.
std::wstring WideLines(std::string_view text);

// An error that escapes an event handler is reported, and the program runs on.
void ReportError(const char* what);
template <class Handler> LRESULT Guarded(Handler&& handler) {
    try {
        return handler();
    } catch (const std::exception& error) {
        ReportError(error.what());
    }
    return 0;
}

// The window procedure of a class whose objects handle their messages in OnMessage: the object
// comes with WM_NCCREATE as the creation parameter and gets the messages once Handle() is set.
template <class Window>
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->Handle() == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return Guarded([&] { return self->OnMessage(message, wParam, lParam); });
}

} // namespace win32face
