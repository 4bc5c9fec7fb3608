#include "gui/win32/controls/Control.h"

#include "gui/win32/WindowBasics.h"
#include "platform/WinText.h"

#include <commctrl.h>

namespace win32face {

void Control::Create(HWND dialog, int firstId) {
    dialog_ = dialog;
    firstId_ = firstId;
    window_ = Make();
    ShowKeptValue();
}

HWND Control::Add(DWORD exStyle, const wchar_t* windowClass, const std::string& text, DWORD style,
                  int part) {
    const HWND window = CreateWindowExW(
        exStyle, windowClass, platform::Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0,
        0, dialog_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstId_ + part)),
        GetModuleHandleW(nullptr), nullptr);
    windows_.push_back(window);
    return window;
}

void Control::PlaceWindow(HWND window, const dialogs::Rect& place, UINT dpi, HFONT font) {
    SetWindowPos(window, nullptr, Scale(place.left, dpi), Scale(place.top, dpi),
                 Scale(place.width, dpi), Scale(place.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Control::Place(const dialogs::Rect& place, UINT dpi, HFONT font) {
    dpi_ = dpi;
    PlaceWindow(window_, place, dpi, font);
}

void Control::Command(int, WORD) {}

// In the dialogs' own font before the control has one.
int Control::TextWidth(const std::string& text) const {
    const HFONT font = CreateTahoma(-13);
    const int width = TextWidthIn(font, text, GetDpiForSystem());
    DeleteObject(font);
    return width;
}

int Control::TextWidthIn(HFONT font, const std::string& text, UINT dpi) {
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    const std::wstring wide = platform::Wide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return MulDiv(size.cx, USER_DEFAULT_SCREEN_DPI, static_cast<int>(dpi));
}

int Control::CaptionWidthIn(HFONT font, const std::string& caption, UINT dpi) {
    std::string shown;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
        }
        shown += caption[i];
    }
    return TextWidthIn(font, shown, dpi);
}

int Control::CheckWidth(UINT dpi) {
    constexpr int kGap = 6;
    return MulDiv(GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi), USER_DEFAULT_SCREEN_DPI,
                  static_cast<int>(dpi)) +
           kGap;
}

int Control::IdealWidth(HFONT font, UINT dpi) const {
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SIZE ideal{};
    SendMessageW(window_, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
    // Rounded up: a pixel short cuts the text.
    return (ideal.cx * USER_DEFAULT_SCREEN_DPI + static_cast<int>(dpi) - 1) / static_cast<int>(dpi);
}

void Control::ShowEnabled(bool enabled) {
    for (const HWND window : windows_) {
        EnableWindow(window, enabled);
    }
}

} // namespace win32face
