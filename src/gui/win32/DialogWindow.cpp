// The dialog's window: made with its controls in tab order, placed for the DPI and the size,
// and its window procedure.
#include "gui/win32/Dialog.h"

#include "dialogs/CaptionFit.h"
#include "gui/win32/WindowBasics.h"
#include "platform/WinText.h"

#include <algorithm>
#include <string>

#include <commctrl.h>

namespace win32face {

namespace {

constexpr const wchar_t* kClassName = L"TippomatDialog";
constexpr int kFirstControlId = 1000;
constexpr int kFontHeight = -13;

// By frame kind: fixed with a close box, the same with the small title bar, sizable. None asks
// for a taskbar button: an owned dialog goes with its owner's, an unowned one gets its own.
constexpr DWORD kStyles[] = {
    WS_POPUP | WS_CAPTION | WS_SYSMENU,
    WS_POPUP | WS_CAPTION | WS_SYSMENU,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
};
constexpr DWORD kExStyles[] = {WS_EX_DLGMODALFRAME, WS_EX_TOOLWINDOW, 0};

DWORD StyleOf(dialogs::FrameKind frame) {
    return kStyles[static_cast<int>(frame)];
}

DWORD ExStyleOf(dialogs::FrameKind frame) {
    return WS_EX_CONTROLPARENT | kExStyles[static_cast<int>(frame)];
}

int Unscale(int pixels, UINT dpi) {
    return MulDiv(pixels, USER_DEFAULT_SCREEN_DPI, static_cast<int>(dpi));
}

// The text's width in a font made for the measure, which goes afterwards.
int PixelWidth(HFONT font, const std::wstring& text) {
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return size.cx;
}

// The client width that shows the whole title in the title bar beside the icon and the caption
// boxes, in pixels at 96 dots per inch. A tool window's small title bar is the system's own. A
// window manager that draws a dialog's frame (Wine's under X) uses a font of its own, often wider
// than the system's caption font, and may add the minimise and maximise boxes: the title is
// measured in the dialogs' font in bold too, and three boxes are kept free.
int TitleWidth(const dialogs::DialogLayout& layout, UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    const std::wstring title = platform::Wide(layout.caption);
    const int icon = GetSystemMetricsForDpi(SM_CXSMICON, dpi);
    const int margins = 4 * GetSystemMetricsForDpi(SM_CXFRAME, dpi);
    if (layout.frame == dialogs::FrameKind::ToolWindow) {
        return Unscale(PixelWidth(CreateFontIndirectW(&metrics.lfSmCaptionFont), title) +
                           metrics.iSmCaptionWidth + icon + margins,
                       dpi);
    }
    const int text = std::max(PixelWidth(CreateFontIndirectW(&metrics.lfCaptionFont), title),
                              PixelWidth(CreateTahoma(Scale(kFontHeight, dpi), FW_BOLD), title));
    return Unscale(text + 3 * metrics.iCaptionWidth + icon + margins, dpi);
}

} // namespace

void Dialog::Create() {
    UseCommonControls();
    const DWORD style = StyleOf(layout_.frame);
    window_ = CreateWindowExW(ExStyleOf(layout_.frame), MAKEINTATOM(WindowClass()),
                              platform::Wide(layout_.caption).c_str(), style, CW_USEDEFAULT,
                              CW_USEDEFAULT, layout_.clientWidth, layout_.clientHeight,
                              owner_ != nullptr ? owner_->Window() : nullptr, nullptr,
                              GetModuleHandleW(nullptr), this);
    // Made in tab order, which is the order Tab walks.
    for (const dialogs::ControlLayout* layout : layout_.TabOrder()) {
        const auto index = static_cast<int>(layout - layout_.controls.data());
        win32face::Control& control = *controls_[static_cast<size_t>(index)];
        control.Create(window_, kFirstControlId + index * win32face::Control::kIdsPerControl);
        for (const HWND part : control.Windows()) {
            SetWindowSubclass(part, ControlProc, 0, reinterpret_cast<DWORD_PTR>(this));
        }
        if (!layout->hint.empty()) {
            hints_.Set(control.Window(), layout->hint);
        }
    }
    hints_.Ready();
    AcceptFilesWhereLaidOut();
    const UINT dpi = DpiOf(window_);
    const HFONT font = CreateTahoma(Scale(kFontHeight, dpi));
    fitted_ = dialogs::FittedToCaptions(
        layout_,
        [this, font, dpi](const dialogs::ControlLayout& control) {
            return Find(control.name)->NeededWidth(font, dpi);
        },
        TitleWidth(layout_, dpi));
    DeleteObject(font);
    const SIZE frame = FrameSize(dpi);
    // At its first place, else centred over its owner or on its screen.
    if (layout_.firstPlace) {
        SetWindowPos(window_, nullptr, layout_.firstPlace->left, layout_.firstPlace->top, frame.cx,
                     frame.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        Place(dpi);
        return;
    }
    RECT around{};
    if (owner_ != nullptr) {
        GetWindowRect(owner_->Window(), &around);
    } else {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
        around = monitor.rcWork;
    }
    SetWindowPos(window_, nullptr, around.left + (around.right - around.left - frame.cx) / 2,
                 around.top + (around.bottom - around.top - frame.cy) / 2, frame.cx, frame.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Place(dpi);
}

// Every control at its place for the client area's size and the DPI, with the font of that DPI;
// a group box's controls inside it.
void Dialog::Place(UINT dpi) {
    const HFONT old = font_;
    font_ = CreateTahoma(Scale(kFontHeight, dpi));
    RECT client;
    GetClientRect(window_, &client);
    const int width = Unscale(client.right, dpi);
    const int height = Unscale(client.bottom, dpi);
    for (const ControlPointer& control : controls_) {
        dialogs::Rect place = fitted_.PlaceOf(*fitted_.Find(control->Name()), width, height);
        if (const dialogs::ControlLayout* parent = fitted_.Find(control->Layout().parent)) {
            const dialogs::Rect frame = fitted_.PlaceOf(*parent, width, height);
            place.left += frame.left;
            place.top += frame.top;
        }
        control->Place(place, dpi, font_);
    }
    DeleteObject(old);
}

SIZE Dialog::FrameSize(UINT dpi) const {
    RECT frame{0, 0, Scale(fitted_.clientWidth, dpi), Scale(fitted_.clientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, StyleOf(layout_.frame), FALSE, ExStyleOf(layout_.frame), dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

ATOM Dialog::WindowClass() {
    static const ATOM atom =
        RegisterWindowClass(kClassName, WindowProcedure<Dialog>, COLOR_BTNFACE);
    return atom;
}

LRESULT Dialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        Command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_NOTIFY: {
        auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (hints_.Answer(header)) {
            return 0;
        }
        win32face::Control* control = Owner(header.hwndFrom);
        return control != nullptr ? control->Notify(header) : 0;
    }
    case WM_CLOSE:
        events_.CloseRequested();
        return 0;
    case WM_DROPFILES:
        Drop(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_ACTIVATE:
        // As a dialog does: the keyboard goes back to the control that had it, else to the
        // first one, never to the frame, where Tab would lead nowhere.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (IsChild(window_, GetFocus())) {
                focus_ = GetFocus();
            }
            break;
        }
        if (HIWORD(wParam) == 0) {
            SetFocus(IsWindow(focus_) && IsChild(window_, focus_)
                         ? focus_
                         : GetNextDlgTabItem(window_, nullptr, FALSE));
        }
        return 0;
    case WM_SIZE:
        if (layout_.frame == dialogs::FrameKind::Sizable && !controls_.empty() &&
            controls_.front()->Window() != nullptr) {
            const UINT dpi = DpiOf(window_);
            Place(dpi);
            RECT frame;
            GetWindowRect(window_, &frame);
            events_.Resized(Unscale(frame.right - frame.left, dpi),
                            Unscale(frame.bottom - frame.top, dpi));
        }
        break;
    case WM_NEXTDLGCTL:
        // Tab and Shift+Tab as the dialog manager asks for them: an edit comes with its text
        // selected.
        if (const HWND next = LOWORD(lParam) != 0
                                  ? reinterpret_cast<HWND>(wParam)
                                  : GetNextDlgTabItem(window_, GetFocus(), wParam != 0)) {
            SetFocus(next);
            SendMessageW(next, EM_SETSEL, 0, -1);
        }
        return 0;
    case DM_GETDEFID:
        for (const ControlPointer& control : controls_) {
            if (control->Layout().isDefault) {
                return MAKELRESULT(GetDlgCtrlID(control->Window()), DC_HASDEFID);
            }
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_F1) {
            ShowHelp(layout_.helpContext);
            return 0;
        }
        break;
    case WM_DPICHANGED: {
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        const UINT dpi = HIWORD(wParam);
        const SIZE frame = FrameSize(dpi);
        SetWindowPos(window_, nullptr, suggested.left, suggested.top, frame.cx, frame.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        Place(dpi);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void Dialog::Command(WORD id, WORD code) {
    if (id == IDCANCEL) {
        Escape();
        return;
    }
    const int offset = id - kFirstControlId;
    const int index = offset / win32face::Control::kIdsPerControl;
    if (offset >= 0 && index < static_cast<int>(controls_.size())) {
        controls_[static_cast<size_t>(index)]->Command(offset % win32face::Control::kIdsPerControl,
                                                       code);
    }
}
} // namespace win32face
