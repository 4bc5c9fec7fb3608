#include "gui/win32/FormWindow.h"

#include "components/Foreground.h"
#include "gui/win32/Help.h"
#include "gui/win32/Hints.h"
#include "gui/win32/Messages.h"
#include "gui/win32/Pictures.h"
#include "gui/win32/WindowBasics.h"
#include "platform/WinText.h"

#include <algorithm>

#include <commctrl.h>

namespace wingui {

namespace {

using dialogs::ControlType;

constexpr const wchar_t* kClassName = L"TippomatForm";
constexpr int kFirstControlId = 1000;
constexpr int kFontHeight = -13;
// An edit's label stands this far above it, this high.
constexpr int kLabelOffset = 19;
constexpr int kLabelHeight = 16;
constexpr int kPictureMargin = 6;

// Fixed size, title bar with close box; the tool window's title bar is the small one.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

DWORD ExStyleOf(dialogs::FrameKind frame) {
    return WS_EX_CONTROLPARENT |
           (frame == dialogs::FrameKind::ToolWindow ? WS_EX_TOOLWINDOW : WS_EX_DLGMODALFRAME);
}

components::ShiftState CurrentShiftState() {
    return {GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0};
}

} // namespace

FormWindow::FormWindow(const dialogs::FormLayout& layout) : layout_(layout) {
    window_ = CreateWindowExW(ExStyleOf(layout.frame), MAKEINTATOM(WindowClass()),
                              platform::Wide(layout.caption).c_str(), kStyle, CW_USEDEFAULT,
                              CW_USEDEFAULT, layout.clientWidth, layout.clientHeight, nullptr,
                              nullptr, GetModuleHandleW(nullptr), this);
    // Created in tab order, which is the order Tab walks.
    std::vector<int> order(layout.controls.size());
    for (size_t i = 0; i < order.size(); ++i) {
        order[i] = static_cast<int>(i);
    }
    std::stable_sort(order.begin(), order.end(), [&layout](int a, int b) {
        return layout.controls[a].tabOrder < layout.controls[b].tabOrder;
    });
    controls_.reserve(order.size());
    for (const int index : order) {
        Create(layout.controls[index], kFirstControlId + index);
    }
    const UINT dpi = GetDpiForWindow(window_);
    Place(dpi);
    // Centred on its screen.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const SIZE frame = FrameSize(dpi);
    const RECT& work = monitor.rcWork;
    SetWindowPos(window_, nullptr, work.left + (work.right - work.left - frame.cx) / 2,
                 work.top + (work.bottom - work.top - frame.cy) / 2, frame.cx, frame.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

FormWindow::~FormWindow() {
    DestroyWindow(window_);
    DeleteObject(font_);
}

void FormWindow::Create(const dialogs::ControlLayout& layout, int id) {
    const std::wstring caption = platform::Wide(layout.caption);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    ControlWindow control{&layout, nullptr, nullptr};
    switch (layout.type) {
    case ControlType::Button:
        control.window = CreateWindowExW(0, WC_BUTTONW, caption.c_str(),
                                         WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                                             (layout.isDefault ? BS_DEFPUSHBUTTON : 0),
                                         0, 0, 0, 0, window_, menu, instance, nullptr);
        if (const HIMAGELIST picture = PictureImageList(layout.picture)) {
            BUTTON_IMAGELIST image{picture, {kPictureMargin, 0, 0, 0}, BUTTON_IMAGELIST_ALIGN_LEFT};
            SendMessageW(control.window, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&image));
        }
        break;
    case ControlType::CheckBox:
        control.window = CreateWindowExW(0, WC_BUTTONW, caption.c_str(),
                                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 0,
                                         0, 0, window_, menu, instance, nullptr);
        break;
    case ControlType::LabeledEdit:
        control.label = CreateWindowExW(0, WC_STATICW, caption.c_str(),
                                        WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0,
                                        window_, nullptr, instance, nullptr);
        control.window =
            CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, platform::Wide(layout.text).c_str(),
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL |
                                (layout.readOnly ? ES_READONLY : 0),
                            0, 0, 0, 0, window_, menu, instance, nullptr);
        break;
    }
    EnableWindow(control.window, layout.enabled);
    controls_.push_back(control);
    SetWindowSubclass(control.window, ControlProc, 0, reinterpret_cast<DWORD_PTR>(this));
    if (!layout.hint.empty()) {
        AddHint(control.window, layout.hint, HintStyle::Balloon);
    }
}

// Places every control at its layout's place for the DPI, with the font of that DPI.
void FormWindow::Place(UINT dpi) {
    const HFONT old = font_;
    font_ = CreateTahoma(Scale(kFontHeight, dpi));
    for (const ControlWindow& control : controls_) {
        const dialogs::ControlLayout& at = *control.layout;
        SetWindowPos(control.window, nullptr, Scale(at.left, dpi), Scale(at.top, dpi),
                     Scale(at.width, dpi), Scale(at.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
        if (control.label != nullptr) {
            SetWindowPos(control.label, nullptr, Scale(at.left, dpi),
                         Scale(at.top - kLabelOffset, dpi), Scale(at.width, dpi),
                         Scale(kLabelHeight, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
            SendMessageW(control.label, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
        }
    }
    DeleteObject(old);
}

SIZE FormWindow::FrameSize(UINT dpi) const {
    RECT frame{0, 0, Scale(layout_.clientWidth, dpi), Scale(layout_.clientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, ExStyleOf(layout_.frame), dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

ATOM FormWindow::WindowClass() {
    static const ATOM atom =
        RegisterWindowClass(kClassName, WindowProcedure<FormWindow>, COLOR_BTNFACE);
    return atom;
}

LRESULT FormWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        Command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CLOSE:
        UserClose();
        return 0;
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
        for (const ControlWindow& control : controls_) {
            if (control.layout->isDefault) {
                return MAKELRESULT(GetDlgCtrlID(control.window), DC_HASDEFID);
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
        Place(dpi);
        const SIZE frame = FrameSize(dpi);
        SetWindowPos(window_, nullptr, suggested.left, suggested.top, frame.cx, frame.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void FormWindow::Command(WORD id, WORD code) {
    // Escape, as the dialog manager reports it, closes as the close box does.
    if (id == IDCANCEL) {
        UserClose();
        return;
    }
    const int index = id - kFirstControlId;
    if (code != BN_CLICKED || logic_ == nullptr || index < 0 ||
        index >= static_cast<int>(layout_.controls.size())) {
        return;
    }
    const dialogs::ControlLayout& control = layout_.controls[static_cast<size_t>(index)];
    if (control.type == ControlType::Button) {
        logic_->Click(control.name);
    }
}

void FormWindow::UserClose() {
    if (logic_ != nullptr) {
        logic_->FormClose();
    }
    HideForm();
}

LRESULT CALLBACK FormWindow::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR form) {
    auto* self = reinterpret_cast<FormWindow*>(form);
    const ControlWindow* control = self->Find(window);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, ControlProc, 0);
    } else if (control != nullptr) {
        return Guarded([&] { return self->HandleControl(*control, message, wParam, lParam); });
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// F1 asks for the control's help topic; a key going down in an edit goes to the logic first
// and then on as usual.
LRESULT FormWindow::HandleControl(const ControlWindow& control, UINT message, WPARAM wParam,
                                  LPARAM lParam) {
    if (message == WM_KEYDOWN && wParam == VK_F1) {
        ShowHelp(control.layout->helpContext != 0 ? control.layout->helpContext
                                                  : layout_.helpContext);
        return 0;
    }
    if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) && logic_ != nullptr &&
        control.layout->type == ControlType::LabeledEdit) {
        logic_->KeyDown(control.layout->name, static_cast<unsigned>(wParam), CurrentShiftState());
    }
    // A shortcut field keeps Alt with any key for itself: no mnemonic, no system menu, no close.
    if (control.layout->capturesShortcut && (message == WM_SYSKEYDOWN || message == WM_SYSCHAR)) {
        return 0;
    }
    // Enter presses the focused button; elsewhere the default button.
    if (message == WM_GETDLGCODE && control.layout->type == ControlType::Button) {
        const LRESULT code = DefSubclassProc(control.window, message, wParam, lParam);
        return (code & ~DLGC_UNDEFPUSHBUTTON) | DLGC_DEFPUSHBUTTON;
    }
    return DefSubclassProc(control.window, message, wParam, lParam);
}

bool FormWindow::DialogMessage(MSG& message) {
    const HWND form = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (form == nullptr || GetClassWord(form, GCW_ATOM) != WindowClass()) {
        return false;
    }
    // Alt with a letter in a shortcut field is the field's, not a button's mnemonic.
    const auto* self = reinterpret_cast<const FormWindow*>(GetWindowLongPtrW(form, GWLP_USERDATA));
    const ControlWindow* control = self != nullptr ? self->Find(message.hwnd) : nullptr;
    if (message.message == WM_SYSCHAR && control != nullptr && control->layout->capturesShortcut) {
        return false;
    }
    return IsDialogMessageW(form, &message) != FALSE;
}

const FormWindow::ControlWindow* FormWindow::Find(HWND window) const {
    for (const ControlWindow& control : controls_) {
        if (control.window == window) {
            return &control;
        }
    }
    return nullptr;
}

HWND FormWindow::Control(const std::string& name) const {
    for (const ControlWindow& control : controls_) {
        if (control.layout->name == name) {
            return control.window;
        }
    }
    return nullptr;
}

std::string FormWindow::Text(const std::string& control) const {
    const HWND edit = Control(control);
    return edit != nullptr ? TextOf(edit) : std::string();
}

void FormWindow::SetText(const std::string& control, const std::string& text) {
    if (const HWND edit = Control(control)) {
        SetWindowTextW(edit, platform::Wide(text).c_str());
    }
}

double FormWindow::Number(const std::string& control) const {
    const HWND check = Control(control);
    return check != nullptr && SendMessageW(check, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void FormWindow::SetNumber(const std::string& control, double value) {
    if (const HWND check = Control(control)) {
        SendMessageW(check, BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

bool FormWindow::IsShown() const {
    return IsWindowVisible(window_) != FALSE;
}

void FormWindow::ShowForm() {
    ShowWindow(window_, SW_SHOW);
    FocusForm();
}

// In front, with the keyboard on its first control unless one of its controls has it.
void FormWindow::FocusForm() {
    components::ForceForeground(reinterpret_cast<std::uintptr_t>(window_));
    if (!IsChild(window_, GetFocus())) {
        SetFocus(GetNextDlgTabItem(window_, nullptr, FALSE));
    }
}

void FormWindow::HideForm() {
    ShowWindow(window_, SW_HIDE);
}

void FormWindow::ShowMessage(core::MessageKind kind, const std::string& text, int helpContext) {
    wingui::ShowMessage(IsShown() ? window_ : nullptr, kind, text, helpContext);
}

void FormWindow::ShowHelp(int helpContext) {
    ShowHelpTopic(window_, helpContext);
}

} // namespace wingui
