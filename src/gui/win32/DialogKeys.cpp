// The keyboard in a dialog: Tab, Enter and Escape through the dialog manager, F1, and the keys
// an edit tells the logic of.
#include "gui/win32/DialogKeys.h"

#include "gui/win32/Dialog.h"
#include "gui/win32/WindowBasics.h"

#include <commctrl.h>

namespace win32face {

namespace {

components::ShiftState CurrentShiftState() {
    return {GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0};
}

} // namespace

// Escape, as the dialog manager reports it.
void Dialog::Escape() {
    if (const win32face::Control* cancel = EscapeButton()) {
        SendMessageW(cancel->Window(), BM_CLICK, 0, 0);
        return;
    }
    events_.CloseRequested();
}

LRESULT CALLBACK Dialog::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR dialog) {
    auto* self = reinterpret_cast<Dialog*>(dialog);
    win32face::Control* control = self->Owner(window);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, ControlProc, 0);
    } else if (control != nullptr) {
        return Guarded(
            [&] { return self->HandleControl(*control, window, message, wParam, lParam); });
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// F1 asks for the control's help topic; a key going down in an edit goes to the logic first
// and then on as usual.
LRESULT Dialog::HandleControl(win32face::Control& control, HWND window, UINT message, WPARAM wParam,
                              LPARAM lParam) {
    const dialogs::ControlLayout& layout = control.Layout();
    if (message == WM_KEYDOWN && wParam == VK_F1) {
        ShowHelp(layout.helpContext != 0 ? layout.helpContext : layout_.helpContext);
        return 0;
    }
    const bool isMain = window == control.Window();
    if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && isMain && control.ForwardsKeys()) {
        events_.KeyDown(layout.name, static_cast<unsigned>(wParam), CurrentShiftState());
    }
    // A shortcut field keeps Alt with any key for itself: no mnemonic, no system menu, no close.
    if (layout.capturesShortcut && (message == WM_SYSKEYDOWN || message == WM_SYSCHAR)) {
        return 0;
    }
    // Enter presses the focused button; elsewhere the default button.
    if (message == WM_GETDLGCODE && isMain && control.IsPushButton()) {
        const LRESULT code = DefSubclassProc(window, message, wParam, lParam);
        return (code & ~DLGC_UNDEFPUSHBUTTON) | DLGC_DEFPUSHBUTTON;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

bool DialogKeyMessage(MSG& message) {
    const HWND form = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (form == nullptr || GetClassWord(form, GCW_ATOM) != Dialog::WindowClass()) {
        return false;
    }
    // Alt with a letter in a shortcut field is the field's, not a button's mnemonic.
    const auto* self = reinterpret_cast<const Dialog*>(GetWindowLongPtrW(form, GWLP_USERDATA));
    const win32face::Control* control = self != nullptr ? self->Owner(message.hwnd) : nullptr;
    if (message.message == WM_SYSCHAR && control != nullptr && control->Layout().capturesShortcut) {
        return false;
    }
    return IsDialogMessageW(form, &message) != FALSE;
}

} // namespace win32face
