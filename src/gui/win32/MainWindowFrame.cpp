// The launcher window's place, size, caption and frames: the frame goes around the client area
// its label was fitted to.
#include "gui/win32/MainWindow.h"

#include "gui/win32/WindowBasics.h"
#include "platform/WinText.h"

namespace win32face {

namespace {

// The dialog frame of style 0, which keeps its size: maximised, it would be a full-screen,
// always-on-top blinking window.
constexpr DWORD kDialogFrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kBareDialogFrameStyle = WS_POPUP | WS_CAPTION; // no border icons
constexpr DWORD kDialogFrameExStyle = WS_EX_TOPMOST | WS_EX_DLGMODALFRAME;

} // namespace

core::Size MainWindow::ScreenSize() const {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

config::WindowBounds MainWindow::Bounds() const {
    RECT frame;
    GetWindowRect(Popup(), &frame);
    return {frame.right - frame.left, frame.bottom - frame.top, frame.left, frame.top};
}

// The size is the client area's: a frame goes around it.
void MainWindow::SetBounds(const config::WindowBounds& bounds) {
    const RECT frame = FrameAround(bounds.width, bounds.height);
    SetWindowPos(Popup(), nullptr, bounds.left, bounds.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

core::Size MainWindow::ClientSize() const {
    RECT client;
    GetClientRect(Popup(), &client);
    return {client.right, client.bottom};
}

// Each show sets the caption: unchanged, it is left alone rather than sent to the window system.
void MainWindow::SetCaption(const std::string& caption) {
    const HWND popup = Popup();
    if (TextOf(popup) != caption) {
        SetWindowTextW(popup, platform::Wide(caption).c_str());
    }
}

// A frame goes around the client area, which keeps the size its label was fitted to; the dialog
// frame has a taskbar button while shown, where its caption shows too.
void MainWindow::SetFrame(DWORD style, DWORD exStyle) {
    const core::Size client = ClientSize();
    const HWND popup = Popup();
    const LONG_PTR visible = GetWindowLongPtrW(popup, GWL_STYLE) & WS_VISIBLE;
    SetWindowLongPtrW(popup, GWL_STYLE, static_cast<LONG_PTR>(style) | visible);
    SetWindowLongPtrW(popup, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
    const RECT frame = FrameAround(client.width, client.height);
    SetWindowPos(popup, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

RECT MainWindow::FrameAround(int width, int height) const {
    RECT frame{0, 0, width, height};
    const HWND popup = Popup();
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(popup, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(popup, GWL_EXSTYLE)),
                             DpiOf(popup));
    return frame;
}

void MainWindow::SetFrameStyle(int style) {
    if (style == core::kStyleNormal) {
        SetFrame(kDialogFrameStyle, kDialogFrameExStyle);
    } else if (style == core::kStyleCircle) {
        const config::WindowBounds bounds = Bounds();
        // The window owns the region from here on.
        SetWindowRgn(Popup(), CreateEllipticRgn(0, 0, bounds.width, bounds.height), TRUE);
    }
}

void MainWindow::SetBareFrame(bool dialogFrame) {
    if (dialogFrame) {
        SetFrame(kBareDialogFrameStyle, kDialogFrameExStyle);
    } else {
        SetFrame(kPopupStyle, kPopupExStyle);
    }
}

} // namespace win32face
