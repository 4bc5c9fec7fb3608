#include "support/TopWindows_win.h"

namespace testing_support {

HWND FirstWindow(const std::function<bool(HWND)>& test) {
    struct Search {
        const std::function<bool(HWND)>& test;
        HWND found;
    } search{test, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            if (search.test(window)) {
                search.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool HasClass(HWND window, const wchar_t* className) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return lstrcmpW(name, className) == 0;
}

// The icon's tooltip is a top-level window owned by the icon.
bool TrayIconDocked(HWND window) {
    const HWND icon = GetWindow(window, GW_OWNER);
    return HasClass(window, L"tooltips_class32") && icon != nullptr &&
           HasClass(icon, L"__winex11_tray_icon") && (GetWindowLongW(icon, GWL_STYLE) & WS_CHILD);
}

} // namespace testing_support
