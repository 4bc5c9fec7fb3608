#include "gui/win32/controls/Control.h"

#include "gui/win32/Hints.h"
#include "gui/win32/WindowBasics.h"
#include "platform/WinText.h"

namespace win32face {

Control::Control(const dialogs::ControlLayout& layout, dialogs::DialogEvents& events)
    : events_(events), value_(layout) {}

void Control::Create(HWND dialog, int firstId) {
    dialog_ = dialog;
    firstId_ = firstId;
    window_ = Make();
    for (const HWND window : windows_) {
        EnableWindow(window, value_.Enabled());
    }
    if (!Layout().hint.empty()) {
        AddHint(window_, Layout().hint, HintStyle::Balloon);
    }
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

std::string Control::Text() const {
    return window_ != nullptr ? ShownText() : value_.Text();
}

void Control::SetText(const std::string& text) {
    value_.SetText(text);
    if (window_ != nullptr) {
        SetShownText(text);
    }
}

double Control::Number() const {
    return window_ != nullptr ? ShownNumber() : value_.Number();
}

void Control::SetNumber(double value) {
    value_.SetNumber(value);
    if (window_ != nullptr) {
        SetShownNumber(value_.Number());
    }
}

std::vector<std::string> Control::Items() const {
    return window_ != nullptr ? ShownItems() : value_.Items();
}

void Control::SetItems(const std::vector<std::string>& items) {
    value_.SetItems(items);
    if (window_ != nullptr) {
        SetShownItems();
    }
}

dialogs::Rows Control::RowsOf() const {
    return window_ != nullptr ? ShownRows() : value_.RowsOf();
}

void Control::SetRows(const dialogs::Rows& rows) {
    value_.SetRows(rows);
    if (window_ != nullptr) {
        SetShownRows();
    }
}

int Control::TextWidth(const std::string& text) const {
    const HDC dc = GetDC(nullptr);
    const HFONT font = CreateTahoma(-13);
    const HGDIOBJ old = SelectObject(dc, font);
    const std::wstring wide = platform::Wide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return MulDiv(size.cx, USER_DEFAULT_SCREEN_DPI, dpi);
}

void Control::SetEnabled(bool enabled) {
    value_.SetEnabled(enabled);
    for (const HWND window : windows_) {
        EnableWindow(window, enabled);
    }
}

} // namespace win32face
