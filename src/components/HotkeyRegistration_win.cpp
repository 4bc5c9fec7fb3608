#include "components/HotkeyRegistration.h"

#include <windows.h>

namespace components {

namespace {

constexpr wchar_t kWindowClass[] = L"TippomatHotkeyWindow";

LRESULT CALLBACK HotkeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The hidden window that receives WM_HOTKEY; one per registration, each with hotkey id 0.
HWND CreateHotkeyWindow(HotkeyRegistration::Impl* owner) {
    static const ATOM windowClass = [] {
        WNDCLASSW description{};
        description.lpfnWndProc = HotkeyWindowProc;
        description.hInstance = GetModuleHandleW(nullptr);
        description.lpszClassName = kWindowClass;
        return RegisterClassW(&description);
    }();
    (void)windowClass;
    HWND window = CreateWindowExW(0, kWindowClass, L"", WS_CHILD, 0, 0, 0, 0, GetDesktopWindow(),
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window != nullptr) {
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    }
    return window;
}

} // namespace

struct HotkeyRegistration::Impl {
    std::function<void()> onPress;
    HWND window = nullptr;
    bool registered = false;
    bool heldElsewhere = false;
};

namespace {

LRESULT CALLBACK HotkeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY) {
        auto* owner =
            reinterpret_cast<HotkeyRegistration::Impl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (owner != nullptr && owner->onPress) {
            owner->onPress();
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

HotkeyRegistration::HotkeyRegistration(std::function<void()> onPress)
    : impl_(std::make_unique<Impl>()) {
    impl_->onPress = std::move(onPress);
}

HotkeyRegistration::~HotkeyRegistration() {
    if (impl_->window != nullptr) {
        DestroyWindow(impl_->window);
    }
}

bool HotkeyRegistration::Register(std::uint8_t virtualKey, unsigned modifiers) {
    if (impl_->window == nullptr) {
        impl_->window = CreateHotkeyWindow(impl_.get());
    }
    // Without a window the key would be bound to the thread, and never released.
    impl_->registered =
        impl_->window != nullptr && RegisterHotKey(impl_->window, 0, modifiers, virtualKey) != 0;
    impl_->heldElsewhere = !impl_->registered && GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
    return impl_->registered;
}

void HotkeyRegistration::Unregister() {
    if (impl_->registered) {
        UnregisterHotKey(impl_->window, 0);
        impl_->registered = false;
    }
}

bool HotkeyRegistration::Registered() const {
    return impl_->registered;
}

bool HotkeyRegistration::HeldElsewhere() const {
    return impl_->heldElsewhere;
}

// Every virtual key is one the system registers.
bool HotkeyRegistration::NotAvailable() const {
    return false;
}

} // namespace components
