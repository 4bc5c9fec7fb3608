// What every window of the face needs: its class, the Tahoma font, texts with line breaks, and
// the general error handling around event handlers.
#pragma once

#include <exception>
#include <string>
#include <string_view>

#include <windows.h>

namespace wingui {

// Registers a window class (call once per name); also readies the common controls the windows use.
ATOM RegisterWindowClass(const wchar_t* name, WNDPROC procedure, int backgroundColor);

// Tahoma of the given pixel height (negative: character height, as CreateFontW takes it).
HFONT CreateTahoma(int height, int weight = FW_NORMAL, DWORD quality = DEFAULT_QUALITY);

// Pixels at 96 dots per inch to pixels at dpi.
int Scale(int pixels, UINT dpi);

// A window's text in UTF-8.
std::string TextOf(HWND window);

// UTF-16 with each lone "\r" made a "\r\n", so that a "\r" breaks the line as the logic means.
std::wstring WideLines(std::string_view text);

// The window object stored at WM_NCCREATE from the creation parameter.
template <class Window> Window* WindowObject(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* object =
            static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
        return object;
    }
    return reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

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

} // namespace wingui
