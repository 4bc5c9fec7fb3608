#include "gui/win32/TrayHost.h"

#include "components/OneInstance.h"
#include "gui/win32/WindowBasics.h"

namespace win32face {

namespace {

HWND WindowOfItsOwn() {
    static const ATOM windowClass = RegisterWindowClass(L"TippomatTrayHost", DefWindowProcW, -1);
    (void)windowClass;
    return CreateWindowExW(WS_EX_TOOLWINDOW, L"TippomatTrayHost", L"", WS_POPUP, 0, 0, 0, 0,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

} // namespace

TrayHost::TrayHost(Listener onMessage)
    : onMessage_(std::move(onMessage)), window_(reinterpret_cast<HWND>(components::GuardWindow())) {
    if (window_ == nullptr) {
        window_ = WindowOfItsOwn();
        ownWindow_ = true;
    }
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        previous_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TrayHost::Procedure)));
    }
}

// The guard answers hand-overs on its own again; it lives until the program ends.
TrayHost::~TrayHost() {
    if (window_ == nullptr) {
        return;
    }
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    if (ownWindow_) {
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK TrayHost::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TrayHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (Guarded([&] { return self->onMessage_(message, wParam, lParam) ? 1 : 0; }) != 0) {
        return 0;
    }
    return CallWindowProcW(self->previous_, window, message, wParam, lParam);
}

} // namespace win32face
